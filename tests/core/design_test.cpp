// The crank-rocker design against independent geometry and the program's own analysis, and its
// refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/crank_rocker_design.h"
#include "tests/core/executed.h"

namespace fourbar {
namespace {

using enum DesignWay;
using enum DesignStatus;
constexpr double kExactPi = std::numbers::pi;

struct Lengths {
    double L1, L2, L3, L4;  // mm
};

// The cosine-rule angle between sides a and b, opposite c, with the exact pi (rad).
double angle(double a, double b, double c) {
    return std::acos((a * a + b * b - c * c) / (2 * a * b));
}

// Degrees; the extremes come with the crank along the frame.
double minTransmissionOf(const Lengths& l) {
    return std::min(angle(l.L2, l.L3, l.L4 - l.L1), kExactPi - angle(l.L2, l.L3, l.L4 + l.L1)) *
           180 / kExactPi;
}

std::optional<Mechanism> kindOf(const Lengths& l) {
    return classifyLinkage({l.L1, l.L2, l.L3, l.L4, 0, 0}).mechanism;
}

bool sameLengths(const DesignSolution& s, const Lengths& l, double relative) {
    return std::fabs(s.L1 - l.L1) <= relative * l.L1 && std::fabs(s.L2 - l.L2) <= relative * l.L2 &&
           s.L3 == l.L3 && std::fabs(s.L4 - l.L4) <= relative * l.L4;
}

// Every solution: the analysis gives back K and the swing (the swing to 1e-6 rad, 2e-5 degrees:
// its pi is 3.141593), names it the type of its side, and it keeps the given length.
void expectConfirmed(const DesignRequest& q, const DesignResult& r) {
    for (const DesignSolution& s : r.solutions) {
        const Lengths l{s.L1, s.L2, s.L3, s.L4};
        EXPECT_NEAR(s.check.K, q.K, 1e-6);
        EXPECT_NEAR((s.check.swing - q.swing) * kExactPi / 180, 0, 1e-6);
        EXPECT_EQ(kindOf(l), s.side == PivotSide::FrameSide ? Mechanism::CrankRockerA
                                                            : Mechanism::CrankRockerB);
        EXPECT_NEAR(s.minTransmissionAngle, minTransmissionOf(l), 1e-6);
        EXPECT_TRUE((q.way != ByFrame || s.L4 == q.L4) && (q.way != ByCrank || s.L1 == q.L1));
    }
}

// Requests with their status and solutions, best first (lengths to 1e-8 relative), each
// confirmed.
struct DesignRow {
    const char* label;
    DesignRequest request;
    DesignStatus status;
    std::vector<Lengths> solutions = {};
};

class Design : public ::testing::TestWithParam<DesignRow> {};

TEST_P(Design, GivesTheStatusAndTheSolutions) {
    const DesignResult r = designCrankRocker(GetParam().request);
    EXPECT_EQ(r.status, GetParam().status);
    expectConfirmed(GetParam().request, r);
    ASSERT_EQ(r.solutions.size(), GetParam().solutions.size());
    for (std::size_t i = 0; i < r.solutions.size(); ++i) {
        EXPECT_TRUE(sameLengths(r.solutions[i], GetParam().solutions[i], 1e-8)) << i;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Requests, Design, ::testing::Values(
    // Frame 120 has a twin on the far side of C1C2, crank 60 a second frame.
    DesignRow{"frameTwin", {test::kTwinK, test::kTwinSwing, 90, ByFrame, 120}, Solved, {{60, 120, 90, 120}, {61.49871962477, 93.01214478988, 90, 120}}},
    DesignRow{"crankTwin", {test::kTwinK, test::kTwinSwing, 90, ByCrank, 0, 60}, Solved, {{60, 120, 90, 120}, {60, 120, 90, 148.5720160916}}},
    // K = 1: A on the line C1C2, L1 = L3 sin(swing / 2), L2 = sqrt(L4² - L3² cos²(swing / 2)).
    DesignRow{"centredByFrame", {1, 60, 100, ByFrame, 200}, Solved, {{50, 180.27756377319946, 100, 200}}},
    // swing + 2 theta = 180: the far side has no placement. The optimum comes out at L3 / sqrt(6),
    // L3 / sqrt(2) and 2 L3 / sqrt(6), with asin(1/3) as its transmission angle.
    DesignRow{"farSideDegenerate", {2, 60, 100, Best}, Solved, {{40.824829046386, 70.710678118655, 100, 81.649658092773}}},
    DesignRow{"ratioBelowOne", {0.99, 60, 100, Best}, InvalidRatio},
    DesignRow{"swingZero", {1.2, 0, 100, Best}, InvalidSwing},
    DesignRow{"rockerZero", {1.2, 60, 0, Best}, InvalidLength},
    DesignRow{"crankNaN", {1.2, 60, 100, ByCrank, 0, NAN}, InvalidLength},
    // Every crank of this K and swing lies between 18.7 and 50 mm, every frame below 240 mm.
    DesignRow{"crankTooLong", {1.2, 60, 100, ByCrank, 0, 50.1}, NoCrankRocker},
    DesignRow{"frameTooLong", {1.5, 60, 100, ByFrame, 1000}, NoCrankRocker},
    DesignRow{"ratioTooLarge", {20, 60, 100, Best}, NoCrankRocker},
    DesignRow{"centredBest", {1, 60, 100, Best}, NoBestPlacement},
    DesignRow{"centredOtherCrank", {1, 60, 100, ByCrank, 0, 40}, NoCrankRocker},
    DesignRow{"beyondTheAnalysis", {1.5, 60, 1e200, Best}, Unconfirmed}),
    test::byLabel);
// clang-format on

// K a hair above 1 and swings near 0 or 180 give long or thin linkages, never a NaN.
TEST(Design, NearDegenerateRequestsGiveProperSolutions) {
    for (const DesignRequest& q : {DesignRequest{1 + 1e-12, 60, 100, Best},
                                   {1 + 1e-9, 60, 100, ByFrame, 200},
                                   {1.5, 1e-6, 100, Best}}) {
        for (const DesignSolution& s : designCrankRocker(q).solutions) {
            EXPECT_TRUE(
                std::isfinite(s.L2 + s.L4 + s.check.K + s.check.swing) &&
                s.minTransmissionAngle > 0 &&
                isCrankRocker(kindOf({s.L1, s.L2, s.L3, s.L4}).value_or(Mechanism::DoubleRocker)));
        }
    }
}

}  // namespace
}  // namespace fourbar
