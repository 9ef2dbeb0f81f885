// The execute decision: every branch with the presets' output texts, and its refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "core/motion_parameters.h"

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

// Expected text of a box: "=x" exact, "~x" the number x to its last digit (with the leading blank
// or not, as written), "-" keeps its text.
struct PresetCase {
    double L1, L2, L3, L4;
    std::string_view name;
    IndexRange rows;
    std::array<std::string_view, 6> boxes;  // Text9..Text14
    double n = 100;
};

void expectBox(const std::optional<std::string>& box, std::string_view expected, int boxNumber) {
    SCOPED_TRACE("Text" + std::to_string(boxNumber));
    if (expected == "-") {
        EXPECT_FALSE(box.has_value());
        return;
    }
    ASSERT_TRUE(box.has_value());
    if (expected[0] == '=') {
        EXPECT_EQ(*box, expected.substr(1));
        return;
    }
    const std::string number(expected.substr(1));
    ASSERT_FALSE(box->empty());
    EXPECT_EQ((*box)[0] == ' ', number[0] == ' ') << *box;
    const auto point = number.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
    EXPECT_NEAR(std::stod(*box), std::stod(number), 0.5 * std::pow(10.0, -decimals)) << *box;
}

class Preset : public ::testing::TestWithParam<PresetCase> {};

TEST_P(Preset, ShowsItsParameters) {
    const PresetCase& c = GetParam();
    LinkageState state = linkage(c.L1, c.L2, c.L3, c.L4, c.n);
    ResultTables tables;
    const ExecuteOutcome out = executeAnalysis(state, tables);
    EXPECT_EQ(out.message, ExecuteMessage::None);
    EXPECT_EQ(out.boxes[0], std::string(c.name));
    EXPECT_EQ(tables.rows(), c.rows);
    for (int k = 0; k < 6; ++k) {
        expectBox(out.boxes[k + 1], c.boxes[k], k + 9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, Preset,
    ::testing::Values(
        PresetCase{150,
                   220,
                   250,
                   300,
                   names::crankRockerB,
                   {0, 360},
                   {"~ 73.767", "~ 33.620", "~ 1.0305", "~ 169.74", "~ 10.528", "= 187.7075"}},
        PresetCase{250,
                   220,
                   150,
                   300,
                   names::rockerCrankB,
                   {11, 157},
                   {"= 360", "= 0", "-", "= 360", "~ 291.49", "~ 2830125"}},
        PresetCase{220,
                   250,
                   300,
                   150,
                   names::doubleCrank,
                   {0, 360},
                   {"= 360", "= 0", "-", "= 360", "~ 36.339", "~ 753.90"}},
        PresetCase{300,
                   150,
                   220,
                   250,
                   names::doubleRocker,
                   {16, 84},
                   {"~ 92.633", "= 0", "-", "~ 125.10", "~ 202.13", "~ 1929905"}},
        PresetCase{300,
                   150,
                   220,
                   100,
                   names::doubleRocker,
                   {-127, 127},
                   {"~280.51", "= 0", "-", "~ 358.89", "~ 28.254", "~ 6157.5"}},
        PresetCase{220,
                   150,
                   300,
                   100,
                   names::doubleRocker,
                   {40, 324},
                   {"~255.90", "~ 12.305", "-", "~ 296.42", "~ 50.010", "~ 16261"}},
        PresetCase{150,
                   300,
                   100,
                   220,
                   names::doubleRocker,
                   {63, 297},
                   {"~186.19", "= 0", "-", "~ 357.76", "~ 88.061", "~ 28544"}},
        // Parallelogram at 60 r/min: omega1 as the velocity, no acceleration.
        PresetCase{100,
                   200,
                   100,
                   200,
                   names::parallelogram,
                   {0, 360},
                   {"= 360", "= 0", "-", "= 360", "= 6.283186", "= 0"},
                   60},
        // Crank and frame both shortest: a crank-rocker name, the double crank's boxes.
        PresetCase{100,
                   200,
                   200,
                   100,
                   names::crankRockerA,
                   {0, 360},
                   {"= 360", "= 0", "-", "= 360", "~ 88.18", "= 2.04482E+10"}},
        // No K: the crank and coupler are equal, so one limit position has no triangle.
        PresetCase{100,
                   100,
                   200,
                   200,
                   names::crankRockerCentred,
                   {0, 360},
                   {"~ 60.00", "= 0", "=", "~ 360.00", "~ 88.18", "= 1.467955E+11"}}));

TEST(Execute, RockerCrankRangeIsStoredBeforeTheRun) {
    LinkageState state = linkage(250, 220, 150, 300);
    ResultTables tables;
    executeAnalysis(state, tables);
    EXPECT_EQ(tables.startAngle, 11);
    EXPECT_EQ(tables.endAngle, 84);
    EXPECT_EQ(kindRange(kindFromNameAndLengths(state), tables), tables.rows());
}

TEST(Execute, ShortestLinkComparedInSinglePrecision) {
    LinkageState state = linkage(25, 22, 12.3, 30);
    ResultTables tables;
    executeAnalysis(state, tables);
    EXPECT_EQ(kindFromNameAndLengths(state), MechanismKind::RockerCrank);
    EXPECT_EQ(tables.rows().first, tables.startAngle);
}

TEST(Execute, ClosureFailureStopsBeforeAnything) {
    LinkageState state = linkage(150, 220, 250, 300);
    ResultTables tables;
    executeAnalysis(state, tables);
    const float maxTheta3 = tables.maxTheta3;
    state.L4 = 1000;
    const ExecuteOutcome out = executeAnalysis(state, tables);
    EXPECT_EQ(out.message, ExecuteMessage::ClosureFailed);
    for (const auto& box : out.boxes) {
        EXPECT_FALSE(box.has_value());
    }
    EXPECT_EQ(tables.rows(), (IndexRange{0, 360}));
    EXPECT_EQ(tables.maxTheta3, maxTheta3);
    EXPECT_EQ(state.mechanismName, names::crankRockerB);
}

TEST(Execute, RunFailureEmptiesTheValueBoxes) {
    // Passes the closure test, but as a double rocker its range meets positions that cannot close.
    LinkageState state = linkage(100, 0, 150, 200);
    ResultTables tables;
    tables.maxOmega3 = 7;
    const ExecuteOutcome out = executeAnalysis(state, tables);
    EXPECT_EQ(out.message, ExecuteMessage::RunFailed);
    EXPECT_EQ(out.boxes[0], state.mechanismName);
    for (int k = 1; k < 7; ++k) {
        EXPECT_EQ(out.boxes[k], std::string());
    }
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(tables.maxOmega3, 7);
}

TEST(Execute, EmptyRangeWritesBoxesFromTheMaxima) {
    // Rocker-crank whose two limit positions lie less than a degree apart.
    LinkageState state = linkage(100, 100.1, 0.05, 100.04);
    ResultTables tables;
    tables.maxOmega3 = 2.5;
    const ExecuteOutcome out = executeAnalysis(state, tables);
    ASSERT_EQ(out.message, ExecuteMessage::None);
    EXPECT_GT(tables.startAngle, tables.endAngle);
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(out.boxes[5], " 2.5");
}

TEST(MotionParameters, CrankRocker) {
    EXPECT_NEAR(travelSpeedRatio(150, 220, 250, 300), 1.0305, 5e-5);
    EXPECT_NEAR(minTransmissionAngle(150, 220, 250, 300), 33.620, 5e-4);
    EXPECT_TRUE(std::isnan(travelSpeedRatio(100, 100, 200, 200)));
}

}  // namespace
}  // namespace fourbar
