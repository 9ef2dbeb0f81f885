// Classification and the kinds, the runs, the execute command's golden texts and refusals, the
// analysis it leaves behind, and the motion diagrams drawn from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/diagrams.h"
#include "core/lenient_number.h"
#include "tests/core/executed.h"
#include "tests/preset_outputs.h"

namespace fourbar {
namespace {

using test::byLabel;
using test::executed;
using test::Inputs;
using enum Sweep;
using enum ExecuteMessage;
using enum DiagramQuantity;

// The kind that classification names, its name, and the sweeps by which the readers then take the
// tables: by kind and lengths (the diagrams and the listing) and by kind alone (the animation). The
// presets' panels name the B-type crank-rocker and the double crank.
struct ClassifyRow {
    const char* label;
    Inputs lengths;
    Mechanism mechanism;
    const char* name;
    Sweep byLengths, byKind;
};

class Classify : public ::testing::TestWithParam<ClassifyRow> {};

TEST_P(Classify, NamesTheLinkageAndItsSweep) {
    const ClassifyRow& c = GetParam();
    const Classification found = classifyLinkage(c.lengths);
    ASSERT_EQ(found.mechanism, c.mechanism);
    EXPECT_EQ(mechanismName(c.mechanism), c.name);
    EXPECT_EQ(sweepOf(c.lengths, c.mechanism, found.shortestLink), c.byLengths);
    EXPECT_EQ(sweepOfMechanism(c.mechanism), c.byKind);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lengths, Classify, ::testing::Values(
    ClassifyRow{"crankRockerA",       {100, 200, 200, 100}, Mechanism::CrankRockerA,       "A型曲柄摇杆机构",  FullTurn,     FullTurn},
    ClassifyRow{"rockerCrankB",       {250, 220, 150, 300}, Mechanism::RockerCrankB,       "B型摇杆曲柄机构",  RockerCrank,  RockerCrank},
    ClassifyRow{"rockerCrankCentred", {200, 100, 100, 200}, Mechanism::RockerCrankCentred, "正置摇杆曲柄机构", RockerCrank,  RockerCrank},
    ClassifyRow{"doubleRocker",       {300, 150, 220, 250}, Mechanism::DoubleRocker,       "双摇杆机构",       DoubleRocker, DoubleRocker},
    ClassifyRow{"parallelogram",      {300, 100, 300, 100}, Mechanism::Parallelogram,      "平行四边形机构",   FullTurn,     FullTurn},
    // L3 ties with the shortest link L1 only in single precision: the two rules part.
    ClassifyRow{"singlePrecisionTie", {100, 200, 100.000000001, 200}, Mechanism::CrankRockerA, "A型曲柄摇杆机构", RockerCrank, FullTurn}),
    byLabel);
// clang-format on

using Boxes = std::array<std::optional<std::string>, 7>;  // the panel from top to bottom

Boxes shown(const ExecuteOutputs& out) {
    Boxes boxes;
    for (std::size_t k = 0; k < kOutputPanel.size(); ++k) {
        if (const OutputField& field = out.*kOutputPanel[k].field; field.written) {
            boxes[k] = field.text;
        }
    }
    return boxes;
}

class PresetPanel : public ::testing::TestWithParam<golden::PresetOutputs> {};

// Each box shows its golden text.
TEST_P(PresetPanel, GivesTypedFields) {
    const golden::PresetOutputs& golden = GetParam();
    SharedState state;
    state.inputs = test::preset(golden.preset);
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.message, None);
    Boxes expected;
    std::ranges::transform(golden.texts, expected.begin(), [](auto text) {
        return text ? std::optional<std::string>(*text) : std::nullopt;
    });
    EXPECT_EQ(shown(out), expected);
}

INSTANTIATE_TEST_SUITE_P(Menu, PresetPanel, ::testing::ValuesIn(golden::kPresetOutputs),
                         [](const auto& info) { return std::string(info.param.preset); });

// What the execute command shows, and the rows of the analysis it leaves.
struct ExecuteRow {
    const char* label;
    Inputs inputs;
    IndexRange rows;
    Boxes boxes;
};

// clang-format off
const ExecuteRow kLinkages[] = {
    // The other assembly: the output link's angles mirrored about the frame.
    {"crankRockerOtherBranch", {150, 220, 250, 300, 100, 1}, {0, 360},
     {"B型曲柄摇杆机构", " 73.767340617148", " 33.6200736089135", " 1.03051257105492", " 264.029921782322", " 10.5279138845789", " 187.7076"}},
    {"parallelogram", {100, 200, 100, 200, 60}, {0, 360},
     {"平行四边形机构", " 360", " 0", "", " 360", " 6.283186", " 0"}},
    // L1 = L2: one limit position has no triangle, so K has no value.
    {"crankEqualsCoupler", {100, 100, 200, 200}, {0, 360},
     {"正置曲柄摇杆机构", " 59.9999933840531", " 0", "", " 359.999997642984", " 88.1818876415955", " 1.467955E+11"}},
    // The limit positions lie less than a degree apart: no rows and no message.
    {"limitsWithinADegree", {100, 100.1, .05, 100.04}, {},
     {"A型摇杆曲柄机构", " 360", " 0", "", " 360", " 0", " 0"}},
};
// clang-format on

class Execute : public ::testing::TestWithParam<ExecuteRow> {};

// The analysis holds the inputs as the run used them, and the rows its sweep promises the readers.
TEST_P(Execute, ShowsTheParametersAndKeepsTheAnalysis) {
    const ExecuteRow& c = GetParam();
    SharedState state;
    state.inputs = c.inputs;
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.message, None);
    EXPECT_EQ(shown(out), c.boxes);
    ASSERT_NE(state.analysis, nullptr);
    EXPECT_EQ(state.analysis->linkage, state.inputs);
    EXPECT_EQ(state.analysis->tables.rows(), c.rows);
    EXPECT_TRUE(c.rows.empty() || state.analysis->sweepRows() == c.rows);
}

INSTANTIATE_TEST_SUITE_P(Linkages, Execute, ::testing::ValuesIn(kLinkages), byLabel);

// Double rockers exactly on the boundaries of the four cases by which the range, the swing and the
// transmission angle are computed (each condition takes its boundary, in double arithmetic): the
// rows analysed and the swing shown. No rows: the run met a crank angle where the loop cannot
// close.
struct BoundaryRow {
    const char* label;
    Inputs lengths;
    IndexRange rows;
    const char* swing;
};

class DoubleRockerCase : public ::testing::TestWithParam<BoundaryRow> {};

TEST_P(DoubleRockerCase, TakesItsBoundary) {
    const BoundaryRow& c = GetParam();
    SharedState state;
    state.inputs = c.lengths;
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.mechanism, Mechanism::DoubleRocker);
    EXPECT_EQ(out.message, c.rows.empty() ? RunFailed : None);
    EXPECT_EQ(state.analysis->tables.rows(), c.rows);
    EXPECT_EQ(out.maxSwing.text, c.swing);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boundaries, DoubleRockerCase, ::testing::Values(
    BoundaryRow{"firstOnL1L2",  {100, 25, 75, 50},        {1, 75},   " 104.477520513476"},
    BoundaryRow{"firstOnL2L3",  {50, 25, 75, 50},         {71, 180}, " 70.5287715885983"},
    BoundaryRow{"secondOnL2L3", {1.05, 2.45, 0.64, 2.04}, {},        ""},
    BoundaryRow{"secondOnL1L2", {1.1, 0.3, 0.4, 1},       {-38, 38}, "203.073935369208"},
    BoundaryRow{"thirdOnL1L2",  {0.1, 0.8, 0.2, 0.7},     {1, 359},  "360"},
    BoundaryRow{"thirdOnL2L3",  {0.2, 0.1, 0.8, 0.7},     {99, 278}, "43.5735737918489"}),
    byLabel);
// clang-format on

// One box of the crank-rocker changed after its analysis, and what the execute command then says.
struct RefusalRow {
    const char* label;
    double LinkageState::*box;
    double value;
    ExecuteMessage message;
    const char* text;  // of the message box
};

const char* const kLengths = "杆长设计不当,请重新输入";
const char* const kBeyond = "杆长设置不当,请重新输入!";
const char* const kAssembly = "装配型式M应为1或-1,请重新输入";
const double kHuge = readNumber("1e400");

// clang-format off
const RefusalRow kRefusals[] = {
    {"zeroLength",     &LinkageState::L2, 0,            LengthNotPositive, kLengths},
    {"assemblyFive",   &LinkageState::M,  5,            AssemblyNotUnit,   kAssembly},
    // The longest equal to the sum of the other three cannot move either.
    {"cannotClose",    &LinkageState::L4, 620,          ClosureFailed,     kLengths},
    // "1e400" in any box reads as infinity.
    {"hugeL1",         &LinkageState::L1, kHuge,        ValueOutOfRange,   kBeyond},
    {"hugeL2",         &LinkageState::L2, kHuge,        ValueOutOfRange,   kBeyond},
    {"hugeL3",         &LinkageState::L3, kHuge,        ValueOutOfRange,   kBeyond},
    {"hugeL4",         &LinkageState::L4, kHuge,        ValueOutOfRange,   kBeyond},
    {"hugeN",          &LinkageState::n,  kHuge,        ValueOutOfRange,   kBeyond},
    {"hugeM",          &LinkageState::M,  -kHuge,       ValueOutOfRange,   kBeyond},
};
// clang-format on

class Refusal : public ::testing::TestWithParam<RefusalRow> {};

// Nothing is analysed: the crank-rocker stays for the other windows, with its maxima, and the panel
// is emptied, so that no result stands beside inputs that were not analysed.
TEST_P(Refusal, KeepsTheLastAnalysisAndItsMaxima) {
    const RefusalRow& c = GetParam();
    SharedState state = executed(Inputs{150, 220, 250, 300});
    const std::shared_ptr<const Analysis> before = state.analysis;
    const Maxima maxima = state.maxima;
    state.inputs.*c.box = c.value;
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(executeMessageText(out.message), c.text);
    Boxes panel;
    panel.fill("");
    EXPECT_EQ(shown(out), panel);
    EXPECT_EQ(state.analysis, before);
    EXPECT_EQ(state.maxima, maxima);
}

INSTANTIATE_TEST_SUITE_P(Inputs, Refusal, ::testing::ValuesIn(kRefusals), byLabel);

// Each execute shows the maxima of its own linkage: no larger value of an earlier run survives in
// the panel or in the maxima the curves are scaled to. A run that cannot close leaves no rows and
// no maxima, and a parallelogram raises none.
TEST(Execute, EveryRunHasMaximaOfItsOwn) {
    SharedState state = executed(Inputs{60, 120, 90, 120, 1000, 1});
    state.inputs = Inputs{60, 120, 90, 120};
    const Boxes panel = shown(executeAnalysis(state));
    EXPECT_EQ(std::vector(panel.begin() + 4, panel.end()),
              (std::vector<std::optional<std::string>>{" 151.044398575276", " 12.9815623742442",
                                                       " 264.5862"}));
    // At 3e20 r/min alpha3 leaves single precision range only partway round, after the run has
    // raised every maximum.
    state.inputs = Inputs{150, 220, 250, 300, 3e20};
    EXPECT_EQ(executeAnalysis(state).message, RunFailed);
    EXPECT_TRUE(state.analysis->tables.empty());
    EXPECT_EQ(state.maxima, Maxima{});
    state.inputs = Inputs{150, 220, 250, 300};
    executeAnalysis(state);
    ASSERT_NE(state.maxima, Maxima{});
    state.inputs = Inputs{100, 200, 100, 200, 60};
    executeAnalysis(state);
    EXPECT_EQ(state.maxima, Maxima{});
}

// The motion diagrams in the client area at layout size, 6645 x 4845 twips.
constexpr double kPlotWidth = 6645;
constexpr double kPlotHeight = 4845;

// An unbroken curve: its number of points and its ends, in twips, exact in single precision.
struct CurveRow {
    const char* label;
    Inputs lengths;
    DiagramQuantity quantity;
    std::size_t points;
    PlotPoint first, last;
};

class DiagramCurve : public ::testing::TestWithParam<CurveRow> {};

// The curve belongs to the last analysis, whatever the boxes confirmed since.
TEST_P(DiagramCurve, SpansTheKindsRowsAtTheRunningMaximum) {
    const CurveRow& row = GetParam();
    SharedState state = executed(row.lengths);
    state.inputs = {};
    const MotionDiagram d = motionDiagram(row.quantity, state, kPlotWidth, kPlotHeight);
    ASSERT_EQ(d.curve.size(), 1u);
    EXPECT_EQ(d.curve[0].size(), row.points);
    EXPECT_EQ(d.curve[0].front(), row.first);
    EXPECT_EQ(d.curve[0].back(), row.last);
}

// A full turn plots rows 0 to 359 over 0.72 W (row 360 repeats row 0); a limited kind its range
// from 0 to 0.72 W (4784.4), a rocker-crank's return swing back to 0. The largest magnitude lies at
// 0.9 of the half height (2180.25).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, DiagramCurve, ::testing::Values(
    CurveRow{"crankRockerAngle",      {150, 220, 250, 300}, Theta3, 360, {0, 1531.23254},  {4771.10986, 1544.10168}},
    CurveRow{"rockerCrankAngle",      {250, 220, 150, 300}, Theta3, 147, {0, 2054.73169},  {0, 1831.16821}},
    CurveRow{"negativeStartVelocity", {300, 150, 220, 100}, Omega3, 255, {0, -897.211365}, {4784.3999, 2180.25}}),
    byLabel);
// clang-format on

}  // namespace
}  // namespace fourbar
