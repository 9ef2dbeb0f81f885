// The design of a crank-rocker from its travel speed ratio K, its rocker's swing and length.
#pragma once

#include <string_view>
#include <vector>

namespace fourbar {

// K, the swing and the rocker length leave one freedom, the place of the crank pivot A on the
// circle through the rocker's limit positions C1 and C2; this says what fixes it.
enum class DesignWay {
    ByFrame,  // the frame length L4 is given
    ByCrank,  // the crank length L1 is given
    Best,     // A goes where the minimum transmission angle is largest
};

struct DesignRequest {
    double K = 1;      // travel speed ratio coefficient, at least 1
    double swing = 0;  // degrees, the rocker's swing between its limit positions, in (0, 180)
    double L3 = 0;     // mm, rocker, positive
    DesignWay way = DesignWay::Best;
    double L4 = 0;  // mm, frame; read by ByFrame only, positive
    double L1 = 0;  // mm, crank; read by ByCrank only, positive
};

// Where the crank pivot A lies with respect to the chord C1C2 of the rocker's limit positions.
// The side decides the program's type: the frame pivot's side gives L1² + L4² < L2² + L3², the
// far side the opposite.
enum class PivotSide {
    FrameSide,  // type A: A and the rocker pivot D on the same side of C1C2
    FarSide,    // type B: C1C2 between A and D
    OnChord,    // centred: K = 1, A on the line C1C2 beyond C2
};

// What the program's own analysis gives for a design's lengths (n = 100, M = -1): its
// "最大摆角（度）" and "行程速比系数K". They differ from the request by the analysis' rounded pi
// (3.141593): up to about 3.5e-7 rad in an angle taken from the obtuse side, and 1.1e-7 relative
// in its degrees.
struct DesignCheck {
    double swing = 0;  // degrees
    double K = 0;
};

struct DesignSolution {
    double L1 = 0;  // mm, crank
    double L2 = 0;  // mm, coupler
    double L3 = 0;  // mm, rocker: the request's
    double L4 = 0;  // mm, frame
    // Degrees: the crank angle between the two limit positions, 180 (K - 1) / (K + 1).
    double limitAngle = 0;
    // Degrees, with the exact pi: the smaller of the coupler-rocker angle with the crank pointing
    // at D and the supplement of that angle with the crank pointing away. The panel's
    // "最小传动角（度）" takes the same two angles with pi as 3.141593 and agrees to about 2e-5
    // degrees.
    double minTransmissionAngle = 0;
    PivotSide side = PivotSide::FrameSide;
    DesignCheck check;
};

enum class DesignStatus {
    Solved,         // at least one solution
    InvalidRatio,   // K below 1 or not finite
    InvalidSwing,   // the swing not strictly between 0 and 180 degrees, or not finite
    InvalidLength,  // the rocker or the given length not positive or not finite
    NoCrankRocker,  // no crank-rocker has these limit positions with the given length
    // The minimum transmission angle grows without limit as A moves out along the line C1C2
    // (towards 90 - swing / 2 degrees, with the coupler and frame growing without bound): K = 1
    // with the best placement asked for, or with the crank length that every K = 1 design has.
    NoBestPlacement,
    // Placements exist, but their lengths or the analysis' numbers for them do not come out
    // finite (lengths near the end of double range, or a swing so small that the analysis finds
    // no triangle at the limit positions), or the analysis takes them for another kind (a crank
    // within single precision of the rocker).
    Unconfirmed,
};

struct DesignResult {
    DesignStatus status = DesignStatus::NoCrankRocker;
    // Solved only: largest minimum transmission angle first. ByFrame and ByCrank give at most one
    // placement on each side of C1C2 (the given length is monotonic along each side's valid arc);
    // Best gives the best placement of each side. A linkage and its mirror image about the frame
    // line are one solution.
    std::vector<DesignSolution> solutions;
};

// Every crank-rocker whose rocker, of length L3, swings through `swing` with ratio K, its one
// freedom fixed by `way`. The given length is kept exactly. Never throws; a hundred microseconds
// to a few milliseconds.
DesignResult designCrankRocker(const DesignRequest& request);

// The message the program shows for a design that is not Solved (core/messages.h): bad parameters,
// or no crank-rocker that meets them; empty for Solved.
std::string_view designMessageText(DesignStatus status);

// Runs the program's execute command on a fresh state with these lengths and reads back its swing
// and K; NaN for a box the command leaves empty or does not write (a linkage that is not a
// crank-rocker).
DesignCheck analysisCheck(double L1, double L2, double L3, double L4);

}  // namespace fourbar
