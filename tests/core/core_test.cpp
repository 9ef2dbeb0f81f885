// Classification, result tables, the engine's golden rows and the execute decision's golden texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <utility>

#include "core/analysis.h"
#include "core/motion_parameters.h"

namespace fourbar {
namespace {

// The state after confirming "L1 L2 L3 L4 [n [M]]" (n and M default to 100 and -1).
LinkageState confirmed(const std::string& inputs) {
    LinkageState s;
    s.n = 100;
    s.M = -1;
    std::istringstream(inputs) >> s.L1 >> s.L2 >> s.L3 >> s.L4 >> s.n >> s.M;
    return s;
}

// "L1 L2 L3 L4 name": the name that classification gives, or "-" when the closure test fails.
class Classify : public ::testing::TestWithParam<const char*> {};

TEST_P(Classify, NamesTheLinkage) {
    LinkageState state = confirmed(GetParam());
    state.mechanismName = "-";
    const Classification result = mechdetermine(state);
    std::string name = GetParam();
    name.erase(0, name.rfind(' ') + 1);
    EXPECT_EQ(result == Classification::Named, name != "-");
    EXPECT_EQ(state.mechanismName, name);
    const double s = std::fmin(std::fmin(state.L1, state.L2), std::fmin(state.L3, state.L4));
    EXPECT_EQ(state.shortestLink, static_cast<float>(s));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, Classify,
    ::testing::Values("150 220 250 300 B型曲柄摇杆机构", "250 220 150 300 B型摇杆曲柄机构",
                      "220 250 300 150 双曲柄机构", "300 150 220 250 双摇杆机构",
                      "220 150 300 100 双摇杆机构", "300 100 300 100 平行四边形机构",
                      "100 100 200 200 正置曲柄摇杆机构", "100 200 200 100 A型曲柄摇杆机构",
                      "12.3 22 25 30 A型曲柄摇杆机构", "300 220 150 250 A型摇杆曲柄机构",
                      "200 100 100 200 正置摇杆曲柄机构", "100 100 100 300 -", "0 0 0 0 -",
                      "100 100 12.3 300 -"));

TEST(Tables, RowsAndRangesStayInsideTheSixteenBitIndex) {
    ResultTables tables;
    EXPECT_TRUE(tables.empty());
    tables.resize(0, 360);
    EXPECT_DEATH((void)tables.theta1(361), "invariant failed");
    const auto range = [&](MechanismKind kind, double start, double end) {
        tables.startAngle = start;
        tables.endAngle = end;
        return kindRange(kind, tables);
    };
    EXPECT_EQ(range(MechanismKind::RockerCrank, 20, 150), (IndexRange{20, 280}));
    EXPECT_EQ(range(MechanismKind::DoubleRocker, -32768, 32767), (IndexRange{-32768, 32767}));
    EXPECT_TRUE(range(MechanismKind::DoubleRocker, 0, 32768).empty());
    EXPECT_TRUE(range(MechanismKind::RockerCrank, -30000, 30000).empty());
    EXPECT_TRUE(
        range(MechanismKind::RockerCrank, 0, std::numeric_limits<double>::quiet_NaN()).empty());
}

TEST(Helpers, VectorAndTriangleAngles) {
    EXPECT_EQ(vectorAngle(0, 1), 3.141593 / 2);
    EXPECT_EQ(vectorAngle(5e-11, -1), 3 * 3.141593 / 2);  // below the vertical threshold
    EXPECT_EQ(vectorAngle(-1, 0), 3.141593);
    EXPECT_EQ(vectorAngle(-1, -1), std::atan(1.0) + 3.141593);
    EXPECT_EQ(triangleAngle(3, 4, 5), 3.141593 / 2);
    EXPECT_EQ(triangleAngle(1, 1, 2 + 1e-13), 3.141593);  // a cosine within 1e-12 of -1 is -1
    EXPECT_NEAR(triangleAngle(-1, 1, 1), 3.141593 - std::atan(std::sqrt(3.0)), 1e-15);
    EXPECT_NEAR(triangleAngle(1, 1, 1e-6), 1e-6, 1e-9);  // just below 1 is a real small angle
    EXPECT_TRUE(std::isnan(triangleAngle(1, 1, 2.001)));
    EXPECT_TRUE(std::isnan(triangleAngle(0, 1, 1)) && std::isnan(triangleAngle(1, 0, 1)));
}

TEST(Engine, CrankRockerRowsMaximaAndMirror) {
    LinkageState minus = confirmed("150 220 250 300");
    LinkageState plus = confirmed("150 220 250 300 100 1");
    ResultTables m;
    ResultTables p;
    ASSERT_EQ(analyseFullTurn(minus, m), RunStatus::Completed);
    ASSERT_EQ(analyseFullTurn(plus, p), RunStatus::Completed);
    EXPECT_EQ(m.theta1(360), 360 * 0.017453294444444444);
    EXPECT_NEAR(m.theta2(0), 1.44318, 5e-6);
    EXPECT_NEAR(m.theta3(0), 2.08059, 5e-6);
    EXPECT_NEAR(m.theta2(90), 0.37730, 5e-6);
    EXPECT_NEAR(m.omega2(90), -2.72703, 5e-6);
    EXPECT_NEAR(m.omega3(90), 5.84186, 5e-6);
    EXPECT_NEAR(p.maxTheta3, 4.60819, 5e-6);
    // Row i of M = +1 mirrors row 360 - i of M = -1 about the frame, up to the rounded constants.
    for (int i = 0; i <= 360; ++i) {
        const TableRow a = p.row(i);
        const TableRow b = m.row(360 - i);
        EXPECT_NEAR(a.theta2 + b.theta2, 6.283186, 1e-5) << i;
        EXPECT_NEAR(a.theta3 + b.theta3, 6.283186, 1e-5) << i;
        EXPECT_NEAR(a.omega2 - b.omega2, 0, 1e-4) << i;
        EXPECT_NEAR(a.omega3 - b.omega3, 0, 1e-4) << i;
        EXPECT_NEAR(a.alpha2 + b.alpha2, 0, 1e-3 * (1 + std::fabs(b.alpha2))) << i;
        EXPECT_NEAR(a.alpha3 + b.alpha3, 0, 1e-3 * (1 + std::fabs(b.alpha3))) << i;
    }
}

TEST(Engine, RockerCrankReturnsOnTheOtherBranchAndParallelogramFillsDirectly) {
    LinkageState state = confirmed("250 220 150 300");
    LinkageState other = confirmed("250 220 150 300 100 1");
    ResultTables tables;
    ResultTables single;
    ASSERT_EQ(analyseRockerDriven(state, tables, 11, 84), RunStatus::Completed);
    // Rows 84 (the return swing's stays) and 100 hold crank angles 84 and 68 on branch -M.
    for (const auto& [row, angle] : {std::pair{84, 84}, {100, 68}}) {
        ASSERT_EQ(analyseRange(other, single, angle, angle), RunStatus::Completed);
        EXPECT_EQ(tables.theta1(row), single.theta1(angle));
        EXPECT_EQ(tables.theta3(row), single.theta3(angle));
        EXPECT_EQ(tables.alpha3(row), single.alpha3(angle));
    }
    LinkageState parallelogram = confirmed("100 200 100 200 60");
    tables.resetMaxima();
    ASSERT_EQ(analyseParallelogram(parallelogram, tables), RunStatus::Completed);
    const TableRow r = tables.row(200);
    // The parallelogram fill leaves the maxima alone.
    EXPECT_EQ(r.theta2 + r.omega2 + r.alpha2 + r.alpha3 + tables.maxTheta3 + tables.maxOmega3, 0);
    EXPECT_EQ(r.theta3, static_cast<float>(200 * 0.017453294444444444));
    EXPECT_EQ(r.omega3, 60 * 3.141593 / 30);
}

TEST(Engine, InLineRowHoldsNoValuesAndCountsForNoMaximum) {
    // At crank angle 0 the coupler and output link lie stretched along the frame.
    LinkageState state = confirmed("300 50 250 100");
    ResultTables tables;
    ASSERT_EQ(analyseRange(state, tables, 0, 0), RunStatus::Completed);
    const TableRow r = tables.row(0);
    for (const double x : {r.omega2, r.omega3, r.alpha2, static_cast<double>(r.alpha3)}) {
        EXPECT_TRUE(std::isnan(x));
    }
    EXPECT_EQ(tables.maxOmega3 + tables.maxAlpha3, 0);
}

// A failed run leaves no rows and the maxima of before: nothing of it counts. The inputs never
// close, close up to 127 degrees, lack a coupler or an output link, or overflow.
TEST(Engine, FailedRunLeavesNoRowsAndTheMaximaOfBefore) {
    for (const char* inputs : {"10 10 10 40", "300 150 220 100 5000", "100 0 250 300",
                               "100 220 0 300", "1e200 1e200 1e200 1e200"}) {
        LinkageState good = confirmed("150 220 250 300");
        LinkageState bad = confirmed(inputs);
        ResultTables tables;
        ASSERT_EQ(analyseFullTurn(good, tables), RunStatus::Completed);
        const ResultTables before = tables;
        EXPECT_EQ(analyseFullTurn(bad, tables), RunStatus::CannotClose) << inputs;
        EXPECT_TRUE(tables.empty()) << inputs;
        EXPECT_EQ(tables.maxTheta3 + tables.maxOmega3 + tables.maxAlpha3,
                  before.maxTheta3 + before.maxOmega3 + before.maxAlpha3)
            << inputs;
    }
}

// The message, the name, the rows held and Text9..Text14 joined by '|'; "~" marks a box that
// keeps its text.
std::string shown(const ExecuteOutcome& out, const ResultTables& tables) {
    static const char* const kMessages[] = {"", "closure failed: ", "run failed: "};
    std::string text = kMessages[static_cast<int>(out.message)];
    text += out.boxes[0].value_or("~");
    text += ' ' + std::to_string(tables.rows().first) + ".." + std::to_string(tables.rows().last);
    for (int k = 1; k < 7; ++k) {
        text += k > 1 ? '|' : ' ';
        text += out.boxes[k].value_or("~");
    }
    return text;
}

// The inputs and what the execute command shows for them.
using ExecuteCase = std::pair<const char*, const char*>;

class Execute : public ::testing::TestWithParam<ExecuteCase> {};

TEST_P(Execute, ShowsTheParameters) {
    LinkageState state = confirmed(GetParam().first);
    ResultTables tables;
    EXPECT_EQ(shown(executeAnalysis(state, tables), tables), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Execute,
    ::testing::Values(
        ExecuteCase{"150 220 250 300",
                    "B型曲柄摇杆机构 0..360  73.767340617148| 33.6200736089135| 1.03051257105492| "
                    "169.736383970466| 10.5279152691898| 187.7075"},
        ExecuteCase{"250 220 150 300",
                    "B型摇杆曲柄机构 11..157  360| 0|~| 360| 291.490842375463| 2830125"},
        ExecuteCase{"220 250 300 150",
                    "双曲柄机构 0..360  360| 0|~| 360| 36.3389224045975| 753.9048"},
        ExecuteCase{"300 150 220 250",
                    "双摇杆机构 16..84  92.6328952619087| 0|~| 125.096348855039| 202.134753440254| "
                    "1929905"},
        ExecuteCase{"300 150 220 100",
                    "双摇杆机构 -127..127 280.513824221746| 0|~| 358.891376100664| "
                    "28.2539025684975| 6157.451"},
        ExecuteCase{"220 150 300 100",
                    "双摇杆机构 40..324 255.903852056737| 12.3049860825041|~| 296.419467557007| "
                    "50.0102633392581| 16261.27"},
        ExecuteCase{"150 300 100 220",
                    "双摇杆机构 63..297 186.185311253965| 0|~| 357.759832446017| 88.0612767696255| "
                    "28543.58"},
        ExecuteCase{"100 200 100 200 60", "平行四边形机构 0..360  360| 0|~| 360| 6.283186| 0"},
        // Crank and frame both shortest: a crank-rocker name with the double crank's boxes.
        ExecuteCase{"100 200 200 100",
                    "A型曲柄摇杆机构 0..360  360| 0|~| 360| 88.1818876415955| 2.04482E+10"},
        // L1 = L2: one limit position has no triangle, so K has no value.
        ExecuteCase{"100 100 200 200",
                    "正置曲柄摇杆机构 0..360  59.9999933840531| 0|| 359.999997642984| "
                    "88.1818876415955| 1.467955E+11"},
        // 12.3 has no exact single-precision form and is still the shortest link.
        ExecuteCase{"25 22 12.3 30",
                    "A型摇杆曲柄机构 18..134  360| 0|~| 360| 165.092989331523| 88645.82"},
        // The limit positions lie less than a degree apart: no rows and no message.
        ExecuteCase{"100 100.1 .05 100.04", "A型摇杆曲柄机构 0..-1  360| 0|~| 360| 0| 0"},
        // Refusals: the closure test keeps the panel; a run that cannot close empties the values.
        ExecuteCase{"100 100 100 300", "closure failed: ~ 0..-1 ~|~|~|~|~|~"},
        ExecuteCase{"100 0 150 200", "run failed: 双摇杆机构 0..-1 |||||"},
        ExecuteCase{"100 220 0 300", "run failed: B型摇杆曲柄机构 0..-1 |||||"}));

}  // namespace
}  // namespace fourbar
