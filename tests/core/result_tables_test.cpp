// The result tables: ranges with any lower bound, checked access and the row range of each kind.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/result_tables.h"

namespace fourbar {
namespace {

TEST(ResultTables, StartWithoutRows) {
    ResultTables tables;
    EXPECT_TRUE(tables.empty());
    EXPECT_FALSE(tables.holds(0));
    EXPECT_TRUE(tables.covers({}));
    EXPECT_FALSE(tables.covers({0, 360}));
}

TEST(ResultTables, NegativeLowerBound) {
    ResultTables tables;
    tables.resize(-127, 127);
    EXPECT_EQ(tables.rows(), (IndexRange{-127, 127}));
    EXPECT_TRUE(tables.covers({-127, 0}));
    EXPECT_FALSE(tables.covers({-128, 0}));
    TableRow row;
    row.theta3 = 1.5f;
    row.alpha3 = -2.5f;
    tables.setRow(-127, row);
    EXPECT_EQ(tables.theta3(-127), 1.5f);
    EXPECT_EQ(tables.alpha3(-127), -2.5f);
    EXPECT_EQ(tables.theta3(127), 0.0f);

    tables.resize(5, 4);
    EXPECT_TRUE(tables.empty());
}

TEST(ResultTablesDeathTest, AccessOutsideTheRowsStops) {
    ResultTables tables;
    tables.resize(0, 360);
    EXPECT_DEATH((void)tables.theta1(361), "invariant failed");
    EXPECT_DEATH((void)tables.omega3(-1), "invariant failed");
}

struct KindRangeCase {
    MechanismKind kind;
    double start, end;
    IndexRange expected;
};

class KindRange : public ::testing::TestWithParam<KindRangeCase> {};

TEST_P(KindRange, FollowsTheKind) {
    const KindRangeCase& c = GetParam();
    ResultTables tables;
    tables.startAngle = c.start;
    tables.endAngle = c.end;
    const IndexRange range = kindRange(c.kind, tables);
    EXPECT_EQ(range.empty(), c.expected.empty());
    if (!c.expected.empty()) {
        EXPECT_EQ(range, c.expected);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, KindRange,
    ::testing::Values(KindRangeCase{MechanismKind::FullTurn, kNaN, kNaN, {0, 360}},
                      KindRangeCase{MechanismKind::DoubleRocker, -127, 127, {-127, 127}},
                      KindRangeCase{MechanismKind::RockerCrank, 20, 150, {20, 280}},
                      KindRangeCase{MechanismKind::RockerCrank, 11, 84, {11, 157}},
                      KindRangeCase{MechanismKind::DoubleRocker, kNaN, 10, {}},
                      KindRangeCase{MechanismKind::DoubleRocker, 0, kInf, {}},
                      KindRangeCase{MechanismKind::DoubleRocker, -40000, 10, {}},
                      KindRangeCase{MechanismKind::RockerCrank, -30000, 30000, {}},
                      KindRangeCase{MechanismKind::DoubleRocker, 10, 5, {}}));

}  // namespace
}  // namespace fourbar
