// The linkage parameters every window works on, and the classification that names the linkage.
#pragma once

#include <string>
#include <string_view>

namespace fourbar {

struct LinkageState {
    double L1 = 0;      // mm, crank (the driven input link)
    double L2 = 0;      // mm, coupler
    double L3 = 0;      // mm, rocker / output link
    double L4 = 0;      // mm, frame (ground link)
    double n = 0;       // r/min, crank speed
    double omega1 = 0;  // rad/s, positive counterclockwise; rewritten by every analysis run
    double M = 0;  // assembly type, normally +1 or -1: sign of the root in the position solution
    std::string mechanismName;  // one of the nine names below (UTF-8), or empty
    float shortestLink = 0;  // mm; single precision, because the shortest-link tests compare at it
};

// The nine mechanism names: shown to the user and compared as exact texts to choose processing.
namespace names {
inline constexpr std::string_view parallelogram = "平行四边形机构";
inline constexpr std::string_view doubleRocker = "双摇杆机构";
inline constexpr std::string_view crankRockerA = "A型曲柄摇杆机构";
inline constexpr std::string_view crankRockerB = "B型曲柄摇杆机构";
inline constexpr std::string_view crankRockerCentred = "正置曲柄摇杆机构";
inline constexpr std::string_view rockerCrankA = "A型摇杆曲柄机构";
inline constexpr std::string_view rockerCrankB = "B型摇杆曲柄机构";
inline constexpr std::string_view rockerCrankCentred = "正置摇杆曲柄机构";
inline constexpr std::string_view doubleCrank = "双曲柄机构";
}  // namespace names

enum class Classification {
    Named,        // mechanismName holds the name of the current lengths
    CannotClose,  // the longest length is at least the sum of the other three; name left as it was
};

// Checks that the four lengths can close and names the linkage: sorts the lengths, sets
// shortestLink and, unless the closure test fails, mechanismName.
Classification classifyLinkage(LinkageState& state);

// True when `length`, rounded to single precision, equals the shortest link.
bool isShortestLink(double length, float shortestLink);

// Which index range the result tables hold.
enum class MechanismKind {
    FullTurn,      // rows 0 to 360
    DoubleRocker,  // rows startAngle to endAngle
    RockerCrank,   // rows startAngle to 2*endAngle - startAngle: forward swing, then return swing
};

// The index range a run over these classified lengths fills, and the kind by which the motion
// diagrams and the listing read the tables: double rocker by name, rocker-crank when L3 is the
// shortest link (at single precision) and differs from L1, otherwise a full turn. The execute
// command chooses its run by the same rule.
MechanismKind kindFromNameAndLengths(const LinkageState& state);

// The kind by which the animation reads the tables: by the mechanism name alone. It differs from
// the rule above only where the name and the single-precision shortest-link test disagree (L1 = 100
// and L3 = 100.000000001: named a crank-rocker, analysed as a rocker-crank); the animation then
// finds the tables do not cover its full turn and asks for an analysis.
MechanismKind kindFromName(std::string_view mechanismName);

}  // namespace fourbar
