// The crank-rocker design against independent geometry and the program's own analysis, its
// refusals, and the path of a coupler point.
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
#include "core/motion_parameters.h"

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

// K and the swing (degrees) of a crank-rocker from its limit positions, with the exact pi.
struct Motion {
    double K, swing;
};
Motion motionOf(const Lengths& l) {
    const double t = std::fabs(angle(l.L2 - l.L1, l.L4, l.L3) - angle(l.L1 + l.L2, l.L4, l.L3));
    return {(kExactPi + t) / (kExactPi - t),
            (angle(l.L3, l.L4, l.L1 + l.L2) - angle(l.L3, l.L4, l.L2 - l.L1)) * 180 / kExactPi};
}

// The transmission angle's extremes come with the crank along the frame (degrees).
double minTransmissionOf(const Lengths& l) {
    return std::min(angle(l.L2, l.L3, l.L4 - l.L1), kExactPi - angle(l.L2, l.L3, l.L4 + l.L1)) *
           180 / kExactPi;
}

std::string nameOf(const Lengths& l) {
    LinkageState state{l.L1, l.L2, l.L3, l.L4, 0, 0, 0, {}, 0};
    classifyLinkage(state);
    return state.mechanismName;
}

bool isCrankRocker(const Lengths& l) {
    const std::string name = nameOf(l);
    return name == names::crankRockerA || name == names::crankRockerB ||
           name == names::crankRockerCentred;
}

// Seeded random crank-rockers such as a course design asks for: crank 10 to 100 mm, the other
// links longer, up to 1000 mm; K up to 3 and a minimum transmission angle of 0.5 degrees at least,
// so that some lie near the ends of their arcs.
std::vector<Lengths> randomCrankRockers(int count) {
    std::mt19937 engine(2024);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Lengths> all;
    while (static_cast<int>(all.size()) < count) {
        const double L1 = 10 + 90 * unit(engine);
        const auto longer = [&] { return 1.02 * L1 + (1000 - 1.02 * L1) * unit(engine); };
        const Lengths l{L1, longer(), longer(), longer()};
        if (isCrankRocker(l) && motionOf(l).K <= 3 && minTransmissionOf(l) >= 0.5) {
            all.push_back(l);
        }
    }
    return all;
}

bool sameLengths(const DesignSolution& s, const Lengths& l, double relative) {
    return std::fabs(s.L1 - l.L1) <= relative * l.L1 && std::fabs(s.L2 - l.L2) <= relative * l.L2 &&
           s.L3 == l.L3 && std::fabs(s.L4 - l.L4) <= relative * l.L4;
}

class RoundTrip : public ::testing::TestWithParam<DesignWay> {};

// Each random crank-rocker is asked for by its K, swing and rocker, with its frame or crank: it
// is among the solutions, and the analysis of every solution gives back K and the swing. The
// swing comes back to 1e-6 rad (about 2e-5 degrees): the analysis' pi is 3.141593.
TEST_P(RoundTrip, FindsTheLinkageAndTheAnalysisConfirmsEverySolution) {
    const DesignWay way = GetParam();
    for (const Lengths& l : randomCrankRockers(300)) {
        const Motion m = motionOf(l);
        const DesignResult r = designCrankRocker({m.K, m.swing, l.L3, way, l.L4, l.L1});
        ASSERT_EQ(r.status, Solved) << l.L1 << " " << l.L2 << " " << l.L3 << " " << l.L4;
        bool found = false;
        for (const DesignSolution& s : r.solutions) {
            const Lengths got{s.L1, s.L2, s.L3, s.L4};
            EXPECT_NEAR(s.check.K, m.K, 1e-6);
            EXPECT_NEAR(s.check.swing * kExactPi / 180, m.swing * kExactPi / 180, 1e-6);
            EXPECT_EQ(nameOf(got),
                      s.side == PivotSide::FrameSide ? names::crankRockerA : names::crankRockerB);
            EXPECT_NEAR(s.minTransmissionAngle, minTransmissionOf(got), 1e-9);
            // The panel takes the same angles with pi as 3.141593.
            EXPECT_NEAR(s.minTransmissionAngle, minTransmissionAngle(s.L1, s.L2, s.L3, s.L4), 3e-5);
            EXPECT_TRUE(way != ByFrame || s.L4 == l.L4);
            EXPECT_TRUE(way != ByCrank || s.L1 == l.L1);
            found = found || sameLengths(s, l, 1e-7);
        }
        EXPECT_TRUE(std::is_sorted(r.solutions.begin(), r.solutions.end(),
                                   [](const DesignSolution& a, const DesignSolution& b) {
                                       return a.minTransmissionAngle > b.minTransmissionAngle;
                                   }));
        // The linkage itself is one of the placements the best one must not fall behind.
        EXPECT_TRUE(way == Best ? r.solutions[0].minTransmissionAngle >= minTransmissionOf(l) - 1e-9
                                : found);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, RoundTrip, ::testing::Values(ByFrame, ByCrank, Best));

// Every pivot A on the two circles on which C1C2 is seen under theta, 200000 steps round each,
// whose lengths make a crank-rocker with the K and swing asked for: none beats the best, and the
// first and last such pivot of each circle, next to the ends of the valid arcs, are found by their
// frame and by their crank.
class Placements : public ::testing::TestWithParam<Motion> {};

TEST_P(Placements, ScannedOnTheCirclesAreFoundAndBeatNoBest) {
    const auto [K, swing] = GetParam();
    const double theta = kExactPi * (K - 1) / (K + 1);
    const double half = swing * kExactPi / 360;
    // D at the origin, the rocker 100 mm, the chord horizontal.
    const double h = 100 * std::sin(half);
    const double y = 100 * std::cos(half);
    double scanned = -1;
    std::vector<Lengths> ends;
    for (const double side : {1.0, -1.0}) {
        const double cy = y + side * h / std::tan(theta);
        const double radius = h / std::sin(theta);
        std::vector<Lengths> valid;
        for (int j = 0; j < 200000; ++j) {
            // From the circle's point on the y axis, so that no valid arc wraps round the start.
            const double t = (side / 2 + j / 100000.0) * kExactPi;
            const double ax = radius * std::cos(t);
            const double ay = cy + radius * std::sin(t);
            const double ac1 = std::hypot(ax + h, ay - y);
            const double ac2 = std::hypot(ax - h, ay - y);
            const Lengths l{(ac1 - ac2) / 2, (ac1 + ac2) / 2, 100, std::hypot(ax, ay)};
            const Motion m = motionOf(l);
            if (l.L1 > 0 && std::fabs(m.K - K) < 1e-9 && std::fabs(m.swing - swing) < 1e-7 &&
                isCrankRocker(l)) {
                scanned = std::max(scanned, minTransmissionOf(l));
                valid.push_back(l);
            }
        }
        if (!valid.empty()) {
            ends.push_back(valid.front());
            ends.push_back(valid.back());
        }
    }
    const DesignResult r = designCrankRocker({K, swing, 100, Best});
    ASSERT_EQ(r.status, Solved);
    ASSERT_GT(scanned, 0);
    EXPECT_GE(r.solutions[0].minTransmissionAngle, scanned - 1e-9);
    for (const Lengths& l : ends) {
        for (const DesignWay way : {ByFrame, ByCrank}) {
            const auto s = designCrankRocker({K, swing, 100, way, l.L4, l.L1}).solutions;
            EXPECT_TRUE(
                std::any_of(s.begin(), s.end(),
                            [&](const DesignSolution& x) { return sameLengths(x, l, 1e-6); }))
                << l.L1 << " " << l.L2 << " " << l.L3 << " " << l.L4;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, Placements,
                         ::testing::Values(Motion{1.2, 30}, Motion{1.5, 60}, Motion{1.05, 90},
                                           Motion{2, 45}, Motion{3, 20}, Motion{1.25, 120},
                                           Motion{1.001, 140}));

// Requests with their status and solutions, best first (lengths to 1e-8 relative).
struct DesignRow {
    const char* label;
    DesignRequest request;
    DesignStatus status;
    std::vector<Lengths> solutions = {};
};

class Design : public ::testing::TestWithParam<DesignRow> {};

TEST_P(Design, GivesTheStatusAndTheSolutions) {
    const DesignRow& row = GetParam();
    const DesignResult r = designCrankRocker(row.request);
    EXPECT_EQ(r.status, row.status);
    ASSERT_EQ(r.solutions.size(), row.solutions.size());
    for (std::size_t i = 0; i < r.solutions.size(); ++i) {
        const DesignSolution& s = r.solutions[i];
        EXPECT_TRUE(sameLengths(s, row.solutions[i], 1e-8))
            << i << ": " << s.L1 << " " << s.L2 << " " << s.L3 << " " << s.L4;
    }
}

// K and swing of 60/120/90/120 (crank, coupler, rocker, frame).
constexpr double kTwinK = 1.2525782686040976;
constexpr double kTwinSwing = 88.32458836411824;
const double kNaN = std::nan("");

// clang-format off
INSTANTIATE_TEST_SUITE_P(Requests, Design, ::testing::Values(
    // Frame 120 has a twin on the far side of C1C2, crank 60 a second frame.
    DesignRow{"frameTwin", {kTwinK, kTwinSwing, 90, ByFrame, 120}, Solved, {{60, 120, 90, 120}, {61.49871962477, 93.01214478988, 90, 120}}},
    DesignRow{"crankTwin", {kTwinK, kTwinSwing, 90, ByCrank, 0, 60}, Solved, {{60, 120, 90, 120}, {60, 120, 90, 148.5720160916}}},
    // K = 1: A on the line C1C2, L1 = L3 sin(swing / 2), L2 = sqrt(L4² - L3² cos²(swing / 2)).
    DesignRow{"centredByFrame", {1, 60, 100, ByFrame, 200}, Solved, {{50, 180.27756377319946, 100, 200}}},
    // theta = swing / 2: D is the centre of the frame side's circle, so its frame is always L3
    // and the best of that side is taken; the far side starts above 100.
    DesignRow{"frameFixesNothing", {1.4, 60, 100, ByFrame, 100}, Solved, {{45.496719449702, 92.140127935118, 100, 100}}},
    // swing + 2 theta = 180: the far side has no placement. The optimum comes out at L3 / sqrt(6),
    // L3 / sqrt(2) and 2 L3 / sqrt(6), with asin(1/3) as its transmission angle.
    DesignRow{"farSideDegenerate", {2, 60, 100, Best}, Solved, {{40.824829046386, 70.710678118655, 100, 81.649658092773}}},
    DesignRow{"ratioBelowOne", {0.99, 60, 100, Best}, InvalidRatio},
    DesignRow{"ratioNaN", {kNaN, 60, 100, Best}, InvalidRatio},
    DesignRow{"ratioInfinite", {HUGE_VAL, 60, 100, Best}, InvalidRatio},
    DesignRow{"swingZero", {1.2, 0, 100, Best}, InvalidSwing},
    DesignRow{"swingStraight", {1.2, 180, 100, Best}, InvalidSwing},
    DesignRow{"swingNaN", {1.2, kNaN, 100, Best}, InvalidSwing},
    DesignRow{"rockerZero", {1.2, 60, 0, Best}, InvalidLength},
    DesignRow{"rockerNegative", {1.2, 60, -100, Best}, InvalidLength},
    DesignRow{"rockerInfinite", {1.2, 60, HUGE_VAL, Best}, InvalidLength},
    DesignRow{"frameZero", {1.2, 60, 100, ByFrame, 0}, InvalidLength},
    DesignRow{"crankNaN", {1.2, 60, 100, ByCrank, 0, kNaN}, InvalidLength},
    // Every crank of this K and swing lies between 18.7 and 50 mm, every frame below 240 mm.
    DesignRow{"crankTooLong", {1.2, 60, 100, ByCrank, 0, 50.1}, NoCrankRocker},
    DesignRow{"crankTooShort", {1.2, 60, 100, ByCrank, 0, 10}, NoCrankRocker},
    DesignRow{"frameTooLong", {1.5, 60, 100, ByFrame, 1000}, NoCrankRocker},
    // A frame equal to the rocker puts A on C2.
    DesignRow{"frameOnC2", {1.5, 60, 100, ByFrame, 100}, NoCrankRocker},
    DesignRow{"ratioTooLarge", {20, 60, 100, Best}, NoCrankRocker},
    DesignRow{"centredBest", {1, 60, 100, Best}, NoBestPlacement},
    DesignRow{"centredCrank", {1, 60, 100, ByCrank, 0, 50}, NoBestPlacement},
    DesignRow{"centredOtherCrank", {1, 60, 100, ByCrank, 0, 40}, NoCrankRocker},
    DesignRow{"beyondTheAnalysis", {1.5, 60, 1e200, Best}, Unconfirmed}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// K a hair above 1 and a swing near 180 leave long or thin linkages, never a NaN.
TEST(Design, NearDegenerateRequestsGiveFiniteSolutions) {
    for (const DesignRequest& q :
         {DesignRequest{1 + 1e-12, 60, 100, Best}, DesignRequest{1 + 1e-9, 60, 100, ByFrame, 200},
          DesignRequest{1 + 1e-9, 60, 100, ByCrank, 0, 49}, DesignRequest{1.5, 179.999, 100, Best},
          DesignRequest{1.5, 1e-6, 100, Best}}) {
        for (const DesignSolution& s : designCrankRocker(q).solutions) {
            EXPECT_TRUE(std::isfinite(s.L1 + s.L2 + s.L4 + s.minTransmissionAngle + s.check.K +
                                      s.check.swing));
            EXPECT_TRUE(s.minTransmissionAngle > 0 && isCrankRocker({s.L1, s.L2, s.L3, s.L4}));
        }
    }
}

// The coupler point on the presets' linkages.
struct PathRow {
    const char* label;
    double L1, L2, L3, L4, M;
};

class CouplerPath : public ::testing::TestWithParam<PathRow> {};

Analysis analysed(const PathRow& p) {
    SharedState state{{p.L1, p.L2, p.L3, p.L4, 100, 0, p.M, {}, 0}, {}, {}};
    executeAnalysis(state);
    return *state.analysis;
}

// BP = 0 is B, on the circle of radius L1 at the crank angle; BP = L2 along BC is C, and a point
// off BC lies where BC turned counterclockwise by the angle points, with C taken from the rocker's
// angle (single precision, hence 1e-3 mm).
TEST_P(CouplerPath, LiesOnTheCouplerThroughBAndC) {
    const Analysis a = analysed(GetParam());
    const LinkageState& s = a.linkage;
    const auto atB = couplerPath(a, {0, 0});
    ASSERT_EQ(static_cast<int>(atB.size()), a.tables.rows().count());
    for (const CouplerPoint point : {CouplerPoint{s.L2, 0}, {50, 90}, {1.5 * s.L2, -150}}) {
        const auto path = couplerPath(a, point);
        const double turn = point.angle * kExactPi / 180;
        for (std::size_t k = 0; k < path.size(); ++k) {
            const int i = a.tables.rows().first + static_cast<int>(k);
            const double bx = atB[k].x;
            const double by = atB[k].y;
            // Unit vector from B to C.
            const double ux = (s.L4 + s.L3 * std::cos(a.tables.theta3(i)) - bx) / s.L2;
            const double uy = (s.L3 * std::sin(a.tables.theta3(i)) - by) / s.L2;
            EXPECT_EQ(path[k].index, i);
            EXPECT_DOUBLE_EQ(path[k].crankAngle * kDegree, a.tables.theta1(i));
            EXPECT_NEAR(path[k].x,
                        bx + point.distance * (ux * std::cos(turn) - uy * std::sin(turn)), 1e-3);
            EXPECT_NEAR(path[k].y,
                        by + point.distance * (ux * std::sin(turn) + uy * std::cos(turn)), 1e-3);
        }
    }
    for (std::size_t k = 0; k < atB.size(); ++k) {
        const double theta1 = a.tables.theta1(atB[k].index);
        EXPECT_NEAR(std::hypot(atB[k].x, atB[k].y), s.L1, 1e-9);
        EXPECT_NEAR(std::remainder(std::atan2(atB[k].y, atB[k].x) - theta1, 2 * kExactPi), 0,
                    1e-12);
        EXPECT_NEAR(std::hypot(atB[k].vx, atB[k].vy), s.L1 * std::fabs(s.omega1), 1e-9);
    }
}

// Velocity against the path's central difference over the crank angle: d/dt = omega1 d/dtheta1,
// compared with the Simpson mean (1, 4, 1) / 6 of the velocities, away from dead points, the range
// ends and a rocker-crank's turning row. They agree to 0.7% of the speed next to the limit
// positions, far less elsewhere; a sign or angle fault is off by the speed itself.
TEST_P(CouplerPath, VelocityIsTheRateOfThePath) {
    const Analysis a = analysed(GetParam());
    const auto path = couplerPath(a, {0.6 * a.linkage.L2, 40});
    const ResultTables& t = a.tables;
    int checked = 0;
    for (std::size_t k = 2; k + 2 < path.size(); ++k) {
        const CouplerPathRow &p = path[k - 1], &r = path[k], &q = path[k + 1];
        const double dTheta1 = t.theta1(q.index) - t.theta1(p.index);
        const auto nearDeadPoint = [&](const CouplerPathRow& row) {
            return !(std::fabs(std::sin(t.theta2(row.index) - t.theta3(row.index))) >= 0.1);
        };
        if (std::fabs(dTheta1) < 1.5 * kDegree || nearDeadPoint(p) || nearDeadPoint(r) ||
            nearDeadPoint(q)) {
            continue;
        }
        const double rate = a.linkage.omega1 / dTheta1;
        const double speed =
            std::max({std::hypot(p.vx, p.vy), std::hypot(r.vx, r.vy), std::hypot(q.vx, q.vy)}) +
            std::fabs(a.linkage.omega1) * a.linkage.L1;
        EXPECT_NEAR((q.x - p.x) * rate, (p.vx + 4 * r.vx + q.vx) / 6, 0.01 * speed) << r.index;
        EXPECT_NEAR((q.y - p.y) * rate, (p.vy + 4 * r.vy + q.vy) / 6, 0.01 * speed) << r.index;
        ++checked;
    }
    EXPECT_GT(checked, static_cast<int>(path.size()) / 3);
}

INSTANTIATE_TEST_SUITE_P(Linkages, CouplerPath,
                         ::testing::Values(PathRow{"crankRocker", 150, 220, 250, 300, -1},
                                           PathRow{"otherBranch", 150, 220, 250, 300, 1},
                                           PathRow{"rockerCrank", 250, 220, 150, 300, -1},
                                           PathRow{"doubleRocker", 300, 150, 220, 250, -1}),
                         [](const auto& info) { return std::string(info.param.label); });

// Coupler and rocker in line: the row has no omega2, so P has a place but no velocity.
TEST(CouplerPath, RowWithoutVelocityHasNone) {
    LinkageState state{300, 50, 250, 100, 100, 0, -1, {}, 0};
    Analysis a;
    Maxima maxima;
    ASSERT_EQ(analyseRange(state, a.tables, maxima, 0, 0), RunStatus::Completed);
    a.linkage = state;
    const auto path = couplerPath(a, {20, 90});
    ASSERT_EQ(path.size(), 1u);
    EXPECT_TRUE(std::isfinite(path[0].x) && std::isfinite(path[0].y));
    EXPECT_TRUE(std::isnan(path[0].vx) && std::isnan(path[0].vy));
}

}  // namespace
}  // namespace fourbar
