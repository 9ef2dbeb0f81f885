// The crank-rocker design against independent geometry and the program's own analysis, and its
// refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/coupler_path.h"
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

// K and the swing (degrees) of a crank-rocker from its limit positions.
std::pair<double, double> motionOf(const Lengths& l) {
    const double t = std::fabs(angle(l.L2 - l.L1, l.L4, l.L3) - angle(l.L1 + l.L2, l.L4, l.L3));
    return {(kExactPi + t) / (kExactPi - t),
            (angle(l.L3, l.L4, l.L1 + l.L2) - angle(l.L3, l.L4, l.L2 - l.L1)) * 180 / kExactPi};
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

// 50 seeded random requests (K 1.01 to 3, swing 10 to 170 degrees, rocker 10 to 1000 mm). The
// pivots A on the two circles on which C1C2 is seen under theta, scanned round each, whose lengths
// make a crank-rocker of that K and swing are the valid placements: "best" finds one exactly when
// one is scanned and no scanned one beats it; the ends and middle of each valid arc are found by
// their frame and by their crank; every solution is confirmed by the analysis.
TEST(Design, RandomRequestsRoundTripInEveryWay) {
    std::mt19937 engine(2024);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int request = 0; request < 50; ++request) {
        const double K = 1.01 + 1.99 * unit(engine), swing = 10 + 160 * unit(engine);
        const double L3 = 10 + 990 * unit(engine), theta = kExactPi * (K - 1) / (K + 1);
        // D at the origin, the chord C1C2 horizontal at height y, half of it h.
        const double h = L3 * std::sin(swing * kExactPi / 360),
                     y = L3 * std::cos(swing * kExactPi / 360);
        double scanned = -1;
        std::vector<Lengths> placements;
        for (const double side : {1.0, -1.0}) {
            std::vector<Lengths> valid;
            for (int j = 0; j < 10000; ++j) {
                // From the circle's point on the y axis, so that no valid arc wraps round.
                const double t = (side / 2 + j / 5000.0) * kExactPi, r = h / std::sin(theta);
                const double ax = r * std::cos(t),
                             ay = y + side * h / std::tan(theta) + r * std::sin(t);
                const double ac1 = std::hypot(ax + h, ay - y), ac2 = std::hypot(ax - h, ay - y);
                const Lengths l{(ac1 - ac2) / 2, (ac1 + ac2) / 2, L3, std::hypot(ax, ay)};
                const auto [k, s] = motionOf(l);
                const auto kind = kindOf(l);
                if (l.L1 > 0 && std::fabs(k - K) < 1e-9 && std::fabs(s - swing) < 1e-7 && kind &&
                    isCrankRocker(*kind)) {
                    scanned = std::max(scanned, minTransmissionOf(l));
                    valid.push_back(l);
                }
            }
            if (!valid.empty()) {
                placements.insert(placements.end(),
                                  {valid.front(), valid[valid.size() / 2], valid.back()});
            }
        }
        const DesignRequest best{K, swing, L3, Best};
        const DesignResult r = designCrankRocker(best);
        ASSERT_EQ(r.status, scanned > 0 ? Solved : NoCrankRocker) << K << " " << swing;
        EXPECT_GE(r.solutions.empty() ? -1 : r.solutions[0].minTransmissionAngle, scanned - 1e-9);
        expectConfirmed(best, r);
        for (const Lengths& l : placements) {
            for (const DesignRequest& q : {DesignRequest{K, swing, L3, ByFrame, l.L4},
                                           DesignRequest{K, swing, L3, ByCrank, 0, l.L1}}) {
                const DesignResult byLength = designCrankRocker(q);
                expectConfirmed(q, byLength);
                EXPECT_TRUE(std::ranges::any_of(byLength.solutions, [&](const DesignSolution& s) {
                    return sameLengths(s, l, 1e-6);
                }));
            }
        }
    }
}

// The coupler point on a crank-rocker (both assemblies), a rocker-crank and a double rocker.
class CouplerPath : public ::testing::TestWithParam<test::Inputs> {};

// B = L1 (cos theta1, sin theta1) and C from the rocker's angle (single precision, hence 1e-3 mm):
// BP = 0 is B on its circle, BP = L2 along BC is C, a point off BC lies on BC turned
// counterclockwise. The velocity is the rate of the path: d/dt = omega1 d/dtheta1, the central
// difference against the Simpson mean (1, 4, 1) / 6 of the velocities, away from dead points and
// a rocker-crank's turning row; they agree to 0.7 % of the speed, a sign or angle fault is off by
// about the speed itself.
TEST_P(CouplerPath, LiesOnTheCouplerAndMovesAtItsVelocity) {
    const Analysis a = *test::analysed(GetParam());
    const LinkageState& s = a.linkage;
    const ResultTables& t = a.tables;
    for (const CouplerPoint p : {CouplerPoint{0, 0}, {s.L2, 0}, {50, 90}, {1.5 * s.L2, -150}}) {
        const auto path = couplerPath(a, p);
        ASSERT_EQ(static_cast<int>(path.size()), t.rows().count());
        const double turn = p.angle * kExactPi / 180;
        for (std::size_t k = 0; k < path.size(); ++k) {
            const int i = t.rows().first + static_cast<int>(k);
            const double bx = s.L1 * std::cos(t.theta1(i)), by = s.L1 * std::sin(t.theta1(i));
            const double ux = (s.L4 + s.L3 * std::cos(t.theta3(i)) - bx) / s.L2;
            const double uy = (s.L3 * std::sin(t.theta3(i)) - by) / s.L2;
            EXPECT_EQ(path[k].index, i);
            EXPECT_DOUBLE_EQ(path[k].crankAngle * kDegree, t.theta1(i));
            EXPECT_NEAR(path[k].x, bx + p.distance * (ux * std::cos(turn) - uy * std::sin(turn)),
                        1e-3);
            EXPECT_NEAR(path[k].y, by + p.distance * (ux * std::sin(turn) + uy * std::cos(turn)),
                        1e-3);
        }
        const auto speed = [](const CouplerPathRow& r) { return std::hypot(r.vx, r.vy); };
        const auto live = [&](const CouplerPathRow& r) {
            return std::fabs(std::sin(t.theta2(r.index) - t.theta3(r.index))) >= 0.1;
        };
        int checked = 0;
        for (std::size_t k = 2; k + 2 < path.size(); ++k) {
            const CouplerPathRow &b = path[k - 1], &r = path[k], &f = path[k + 1];
            const double dTheta1 = t.theta1(f.index) - t.theta1(b.index);
            if (std::fabs(dTheta1) > 1.5 * kDegree && live(b) && live(r) && live(f)) {
                const double rate = a.omega1 / dTheta1;
                const double tolerance =
                    0.01 * (std::max({speed(b), speed(r), speed(f)}) + std::fabs(a.omega1) * s.L1);
                EXPECT_NEAR((f.x - b.x) * rate, (b.vx + 4 * r.vx + f.vx) / 6, tolerance) << r.index;
                EXPECT_NEAR((f.y - b.y) * rate, (b.vy + 4 * r.vy + f.vy) / 6, tolerance) << r.index;
                ++checked;
            }
        }
        EXPECT_GT(checked, static_cast<int>(path.size()) / 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Linkages, CouplerPath,
                         ::testing::Values(test::Inputs{150, 220, 250, 300},
                                           test::Inputs{150, 220, 250, 300, 100, 1},
                                           test::Inputs{250, 220, 150, 300},
                                           test::Inputs{300, 150, 220, 250}));

}  // namespace
}  // namespace fourbar
