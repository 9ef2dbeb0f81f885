// The linkage parameters the user confirms, the nine kinds of linkage and the classification that
// names them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace fourbar {

// The six inputs as the main window's boxes confirm them. Results of an analysis live in the
// Analysis it installs, never here.
struct LinkageState {
    double L1 = 0;  // mm, crank (the driven input link)
    double L2 = 0;  // mm, coupler
    double L3 = 0;  // mm, rocker / output link
    double L4 = 0;  // mm, frame (ground link)
    double n = 0;   // r/min, crank speed
    double M = 0;   // assembly type, +1 or -1: sign of the root in the position solution
    bool operator==(const LinkageState&) const = default;
};

// The fields of the input boxes Text1..Text6 in box order: L1, L2, L3, L4, n, M.
inline constexpr std::array<double LinkageState::*, 6> kInputFields{
    &LinkageState::L1, &LinkageState::L2, &LinkageState::L3,
    &LinkageState::L4, &LinkageState::n,  &LinkageState::M};

// The nine kinds of linkage the classification tells apart.
enum class Mechanism {
    Parallelogram,
    DoubleRocker,
    CrankRockerA,
    CrankRockerB,
    CrankRockerCentred,
    RockerCrankA,
    RockerCrankB,
    RockerCrankCentred,
    DoubleCrank,
};

// The name the output panel shows for a kind, UTF-8: "平行四边形机构", "双摇杆机构",
// "A型曲柄摇杆机构", ... Only for display: no code chooses by it.
std::string_view mechanismName(Mechanism mechanism);

bool isCrankRocker(Mechanism mechanism);  // type A, B or centred
bool isRockerCrank(Mechanism mechanism);  // type A, B or centred

struct Classification {
    float shortestLink = 0;  // mm; single precision, because the shortest-link tests compare at it
    // The kind of linkage; nullopt when the longest length is at least the sum of the other three.
    std::optional<Mechanism> mechanism;
};

// Sorts the four lengths by exchange, tests closure (equality fails) and names the linkage by the
// first rule that applies: parallelogram, Grashof violated, crank shortest, output link shortest,
// frame shortest, coupler shortest. All comparisons are exact.
Classification classifyLinkage(const LinkageState& inputs);

// True when `length`, rounded to single precision, equals the shortest link.
bool isShortestLink(double length, float shortestLink);

// Which crank-angle rows a run fills and the readers walk.
enum class Sweep {
    FullTurn,      // rows 0 to 360
    DoubleRocker,  // rows startAngle to endAngle
    RockerCrank,   // rows startAngle to 2*endAngle - startAngle: forward swing, then return swing
};

// The sweep a run over classified lengths makes, by which the motion diagrams and the listing read
// the tables: a double rocker by its kind, a rocker-crank when L3 is the shortest link (at single
// precision) and differs from L1, otherwise a full turn.
Sweep sweepOf(const LinkageState& inputs, Mechanism mechanism, float shortestLink);

// The sweep by which the animation reads the tables: by the kind alone. It differs from the rule
// above only where the kind and the single-precision shortest-link test disagree (L1 = 100 and
// L3 = 100.000000001: a crank-rocker, analysed as a rocker-crank); the animation then finds the
// tables do not cover its full turn and asks for an analysis.
Sweep sweepOfMechanism(Mechanism mechanism);

}  // namespace fourbar
