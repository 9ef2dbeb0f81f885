// The engine: geometric helpers, golden rows and maxima, the runs' row layouts and their failures.
#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis.h"

namespace fourbar {
namespace {

LinkageState linkage(double L1, double L2, double L3, double L4, double n = 100, double M = -1) {
    LinkageState state;
    state.L1 = L1;
    state.L2 = L2;
    state.L3 = L3;
    state.L4 = L4;
    state.n = n;
    state.M = M;
    return state;
}

TEST(Helpers, VectorAngle) {
    EXPECT_DOUBLE_EQ(vectorAngle(0, 1), 1.5707965);
    EXPECT_DOUBLE_EQ(vectorAngle(0, -1), 4.7123895);
    EXPECT_DOUBLE_EQ(vectorAngle(-1, 0), 3.141593);
    EXPECT_DOUBLE_EQ(vectorAngle(1, 0), 0);
    EXPECT_DOUBLE_EQ(vectorAngle(5e-11, 1), 1.5707965);  // below the vertical threshold
    EXPECT_DOUBLE_EQ(vectorAngle(-1, -1), std::atan(1.0) + 3.141593);
}

TEST(Helpers, TriangleAngle) {
    EXPECT_EQ(triangleAngle(3, 4, 5), 3.141593 / 2);
    EXPECT_EQ(triangleAngle(1, 1, 2), 3.141593);
    EXPECT_EQ(triangleAngle(1, 1, 0), 0);
    EXPECT_NEAR(triangleAngle(1, 1, 1), std::atan(std::sqrt(3.0)), 1e-15);
    EXPECT_NEAR(triangleAngle(-1, 1, 1), 3.141593 - std::atan(std::sqrt(3.0)), 1e-15);
    // Within 1e-12 of a straight angle counts as one; beyond it there is no triangle.
    EXPECT_EQ(triangleAngle(1, 1, 2 + 1e-13), 3.141593);
    // A cosine just below 1 is a real, small angle and is computed, not rounded to 0.
    EXPECT_NEAR(triangleAngle(1, 1, 2e-6), 2e-6, 1e-9);
    EXPECT_TRUE(std::isnan(triangleAngle(1, 1, 2.001)));
    EXPECT_TRUE(std::isnan(triangleAngle(0, 1, 1)));
    EXPECT_TRUE(std::isnan(triangleAngle(1, 0, 1)));
}

TEST(FullTurn, CrankRockerGoldenRowsAndMaxima) {
    LinkageState state = linkage(150, 220, 250, 300);
    ResultTables tables;
    ASSERT_EQ(analyseFullTurn(state, tables), RunStatus::Completed);
    EXPECT_NEAR(state.omega1, 10.4719766666667, 1e-12);
    EXPECT_EQ(tables.rows(), (IndexRange{0, 360}));
    EXPECT_EQ(tables.theta1(360), 360 * 0.017453294444444444);

    const TableRow r0 = tables.row(0);
    EXPECT_NEAR(r0.theta2, 1.44318, 5e-6);
    EXPECT_NEAR(r0.theta3, 2.08059, 5e-6);
    EXPECT_NEAR(r0.omega2, -10.472, 5e-4);
    EXPECT_NEAR(r0.omega3, -10.472, 5e-4);
    const TableRow r90 = tables.row(90);
    EXPECT_NEAR(r90.theta2, 0.37730, 5e-6);
    EXPECT_NEAR(r90.theta3, 1.96265, 5e-6);
    EXPECT_NEAR(r90.omega2, -2.72703, 5e-6);
    EXPECT_NEAR(r90.omega3, 5.84186, 5e-6);

    EXPECT_NEAR(tables.maxTheta3, 2.96246, 5e-6);
    EXPECT_NEAR(tables.maxOmega3, 10.5279, 5e-5);
    EXPECT_NEAR(tables.maxAlpha3, 187.707, 5e-4);

    // A second run without a reset keeps the larger maxima of both.
    state.n = 50;
    ASSERT_EQ(analyseFullTurn(state, tables), RunStatus::Completed);
    EXPECT_NEAR(tables.maxOmega3, 10.5279, 5e-5);
}

TEST(FullTurn, AssemblyTypesMirrorEachOther) {
    LinkageState minus = linkage(150, 220, 250, 300, 100, -1);
    LinkageState plus = linkage(150, 220, 250, 300, 100, +1);
    ResultTables a;
    ResultTables b;
    ASSERT_EQ(analyseFullTurn(minus, a), RunStatus::Completed);
    ASSERT_EQ(analyseFullTurn(plus, b), RunStatus::Completed);
    // The rounded constants keep the mirror from being exact.
    for (int i = 0; i <= 360; ++i) {
        const TableRow m = a.row(360 - i);
        const TableRow p = b.row(i);
        SCOPED_TRACE(i);
        EXPECT_NEAR(p.theta2, 6.283186 - m.theta2, 1e-5);
        EXPECT_NEAR(p.theta3, 6.283186 - m.theta3, 1e-5);
        EXPECT_NEAR(p.omega2, m.omega2, 1e-4);
        EXPECT_NEAR(p.omega3, m.omega3, 1e-4);
        EXPECT_NEAR(p.alpha2, -m.alpha2, 1e-3 * (1 + std::fabs(m.alpha2)));
        EXPECT_NEAR(p.alpha3, -m.alpha3, 1e-3 * (1 + std::fabs(m.alpha3)));
    }
    EXPECT_NEAR(b.row(0).theta2, 4.84001, 5e-6);
    EXPECT_NEAR(b.row(0).theta3, 4.20259, 5e-6);
    EXPECT_NEAR(b.maxTheta3, 4.60819, 5e-6);
}

TEST(RockerDriven, ReturnSwingRunsBackOnTheOtherBranch) {
    LinkageState state = linkage(250, 220, 150, 300);
    ResultTables tables;
    ASSERT_EQ(analyseRockerDriven(state, tables, 11, 84), RunStatus::Completed);
    EXPECT_EQ(tables.rows(), (IndexRange{11, 157}));
    EXPECT_EQ(tables.theta1(100), 68 * 0.017453294444444444);
    EXPECT_EQ(tables.theta1(84), 84 * 0.017453294444444444);

    // Row 100 is the crank at 68 degrees on branch -M, which is the row of an M = +1 run.
    LinkageState other = linkage(250, 220, 150, 300, 100, +1);
    ResultTables single;
    ASSERT_EQ(analyseRange(other, single, 68, 68), RunStatus::Completed);
    EXPECT_EQ(tables.theta2(100), single.theta2(68));
    EXPECT_EQ(tables.theta3(100), single.theta3(68));
    EXPECT_EQ(tables.alpha3(100), single.alpha3(68));
    ASSERT_EQ(analyseRange(other, single, 84, 84), RunStatus::Completed);
    EXPECT_EQ(tables.theta3(84), single.theta3(84));  // the return pass's row stays
}

TEST(Parallelogram, FillsRowsDirectlyAndLeavesMaxima) {
    LinkageState state = linkage(100, 200, 100, 200, 60);
    ResultTables tables;
    tables.maxOmega3 = 3;
    ASSERT_EQ(analyseParallelogram(state, tables), RunStatus::Completed);
    EXPECT_EQ(tables.rows(), (IndexRange{0, 360}));
    const TableRow r = tables.row(200);
    EXPECT_EQ(r.theta2, 0);
    EXPECT_EQ(r.theta3, static_cast<float>(200 * 0.017453294444444444));
    EXPECT_EQ(r.omega3, 60 * 3.141593 / 30);
    EXPECT_EQ(r.alpha3, 0);
    EXPECT_EQ(tables.maxOmega3, 3);
    EXPECT_EQ(tables.maxTheta3, 0);
}

// A failed run leaves no rows and the maxima of before, so nothing of it counts.
struct FailCase {
    double L1, L2, L3, L4;
};

class FailedRun : public ::testing::TestWithParam<FailCase> {};

TEST_P(FailedRun, LeavesNoRowsAndRestoresMaxima) {
    const FailCase& c = GetParam();
    LinkageState good = linkage(150, 220, 250, 300);
    ResultTables tables;
    ASSERT_EQ(analyseFullTurn(good, tables), RunStatus::Completed);
    const float maxTheta3 = tables.maxTheta3;
    const double maxOmega3 = tables.maxOmega3;
    const float maxAlpha3 = tables.maxAlpha3;

    LinkageState bad = linkage(c.L1, c.L2, c.L3, c.L4, 5000);
    EXPECT_EQ(analyseFullTurn(bad, tables), RunStatus::CannotClose);
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(tables.maxTheta3, maxTheta3);
    EXPECT_EQ(tables.maxOmega3, maxOmega3);
    EXPECT_EQ(tables.maxAlpha3, maxAlpha3);
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedRun,
                         ::testing::Values(FailCase{10, 10, 10, 40},  // never closes
                                           FailCase{300, 150, 220,
                                                    100},               // closes up to 127 degrees
                                           FailCase{100, 0, 250, 300},  // no coupler
                                           FailCase{100, 220, 0, 300},  // no output link
                                           FailCase{1e200, 1e200, 1e200, 1e200}));  // overflow

TEST(RockerDriven, FailureLeavesNoRows) {
    LinkageState state = linkage(10, 10, 10, 40);
    ResultTables tables;
    tables.resize(0, 3);
    EXPECT_EQ(analyseRockerDriven(state, tables, 10, 20), RunStatus::CannotClose);
    EXPECT_TRUE(tables.empty());
}

TEST(Range, FirstAfterLastGivesNoRows) {
    LinkageState state = linkage(300, 150, 220, 250);
    ResultTables tables;
    tables.resize(0, 10);
    EXPECT_EQ(analyseRange(state, tables, 5, 4), RunStatus::Completed);
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(analyseRockerDriven(state, tables, 5, 4), RunStatus::Completed);
    EXPECT_TRUE(tables.empty());
}

TEST(Range, RowInLineHoldsNoVelocities) {
    // At crank angle 0 the coupler and output link lie stretched along the frame: theta2 = theta3 =
    // 0.
    LinkageState state = linkage(300, 50, 250, 100);
    ResultTables tables;
    ASSERT_EQ(analyseRange(state, tables, 0, 0), RunStatus::Completed);
    const TableRow r = tables.row(0);
    EXPECT_EQ(r.theta2, 0);
    EXPECT_EQ(r.theta3, 0);
    EXPECT_TRUE(std::isnan(r.omega2));
    EXPECT_TRUE(std::isnan(r.omega3));
    EXPECT_TRUE(std::isnan(r.alpha2));
    EXPECT_TRUE(std::isnan(r.alpha3));
    EXPECT_EQ(tables.maxOmega3, 0);
    EXPECT_EQ(tables.maxAlpha3, 0);
}

}  // namespace
}  // namespace fourbar
