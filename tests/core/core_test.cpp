// Classification and the kinds, the runs, the execute command's golden texts, the analysis it
// leaves behind, the physics every row of it obeys, and the motion diagrams drawn from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/analysis.h"
#include "core/diagrams.h"
#include "core/lenient_number.h"
#include "core/motion_parameters.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "tests/preset_outputs.h"

namespace fourbar {
namespace {

using enum Sweep;
using enum ExecuteMessage;
using enum DiagramQuantity;

// The six boxes as the main window confirms them; n and M default to the presets' 100 and -1.
struct Inputs {
    double L1, L2, L3, L4;   // mm
    double n = 100, M = -1;  // r/min; the assembly's sign
};

LinkageState confirmed(const Inputs& in) {
    return {in.L1, in.L2, in.L3, in.L4, in.n, in.M};
}

SharedState executed(const Inputs& in) {
    SharedState state;
    state.inputs = confirmed(in);
    executeAnalysis(state);
    return state;
}

const auto byLabel = [](const auto& info) { return std::string(info.param.label); };

// The kind that classification names, its name, and the sweeps by which the readers then take the
// tables: by kind and lengths (the diagrams and the listing) and by kind alone (the animation).
// Lengths that cannot close are among the execute command's refusals.
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
    const LinkageState inputs = confirmed(c.lengths);
    const Classification found = classifyLinkage(inputs);
    ASSERT_EQ(found.mechanism, c.mechanism);
    EXPECT_EQ(mechanismName(c.mechanism), c.name);
    EXPECT_EQ(sweepOf(inputs, c.mechanism, found.shortestLink), c.byLengths);
    EXPECT_EQ(sweepOfMechanism(c.mechanism), c.byKind);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lengths, Classify, ::testing::Values(
    ClassifyRow{"crankRockerA",       {100, 200, 200, 100}, Mechanism::CrankRockerA,       "A型曲柄摇杆机构",  FullTurn,     FullTurn},
    ClassifyRow{"crankRockerB",       {150, 220, 250, 300}, Mechanism::CrankRockerB,       "B型曲柄摇杆机构",  FullTurn,     FullTurn},
    ClassifyRow{"crankRockerCentred", {100, 100, 200, 200}, Mechanism::CrankRockerCentred, "正置曲柄摇杆机构", FullTurn,     FullTurn},
    ClassifyRow{"rockerCrankA",       {300, 220, 150, 250}, Mechanism::RockerCrankA,       "A型摇杆曲柄机构",  RockerCrank,  RockerCrank},
    ClassifyRow{"rockerCrankB",       {250, 220, 150, 300}, Mechanism::RockerCrankB,       "B型摇杆曲柄机构",  RockerCrank,  RockerCrank},
    ClassifyRow{"rockerCrankCentred", {200, 100, 100, 200}, Mechanism::RockerCrankCentred, "正置摇杆曲柄机构", RockerCrank,  RockerCrank},
    ClassifyRow{"doubleCrank",        {220, 250, 300, 150}, Mechanism::DoubleCrank,        "双曲柄机构",       FullTurn,     FullTurn},
    ClassifyRow{"doubleRocker",       {300, 150, 220, 250}, Mechanism::DoubleRocker,       "双摇杆机构",       DoubleRocker, DoubleRocker},
    ClassifyRow{"parallelogram",      {300, 100, 300, 100}, Mechanism::Parallelogram,      "平行四边形机构",   FullTurn,     FullTurn},
    // L3 ties with the shortest link L1 only in single precision: the two rules part.
    ClassifyRow{"singlePrecisionTie", {100, 200, 100.000000001, 200}, Mechanism::CrankRockerA, "A型曲柄摇杆机构", RockerCrank, FullTurn}),
    byLabel);
// clang-format on

// At crank angle 0 the coupler and output link lie stretched along the frame: no velocities, and
// nothing that counts for a maximum.
TEST(Runs, InLineRowHoldsNoValues) {
    ResultTables tables;
    Maxima maxima;
    ASSERT_EQ(analyseRange(confirmed({300, 50, 250, 100}), tables, maxima, 0, 0),
              RunStatus::Completed);
    const TableRow r = tables.row(0);
    EXPECT_TRUE(std::isnan(r.omega2) && std::isnan(r.omega3) && std::isnan(r.alpha2) &&
                std::isnan(r.alpha3));
    EXPECT_EQ(maxima.omega3 + maxima.alpha3, 0);
}

// Just off the vertical counts as vertical. A cosine that rounding carries just past -1 is -1, one
// further past has no angle, and one just below 1 is a real, small angle.
TEST(Runs, AnglesAtTheirThresholds) {
    EXPECT_EQ(vectorAngle(5e-11, -1), 3 * kPi / 2);
    EXPECT_EQ(triangleAngle(1, 1, 2 + 1e-13), kPi);
    EXPECT_TRUE(std::isnan(triangleAngle(1, 1, 2.001)));
    EXPECT_NEAR(triangleAngle(1, 1, 1e-6), 1e-6, 1e-9);
}

constexpr std::nullopt_t kKept = std::nullopt;            // a box that keeps its text
using Boxes = std::array<std::optional<std::string>, 7>;  // the panel from top to bottom

// The texts the panel shows, by the panel's rows.
Boxes shown(const ExecuteOutputs& out) {
    Boxes boxes;
    for (std::size_t k = 0; k < kOutputPanel.size(); ++k) {
        const OutputField& field = out.*kOutputPanel[k].field;
        if (field.written) {
            boxes[k] = field.text;
        }
    }
    return boxes;
}

// A field's number is the one its text shows: the text is one of the box forms of the value, or
// the value is NaN and the text empty.
bool valueMatchesText(const OutputField& field) {
    const double v = field.value;
    if (std::isnan(v)) {
        return field.text.empty();
    }
    return field.text == numberText(v) || field.text == plainNumberText(v) ||
           (static_cast<float>(v) == v && field.text == singleNumberText(static_cast<float>(v)));
}

class PresetPanel : public ::testing::TestWithParam<golden::PresetOutputs> {};

// Each field of the panel is written where the box is, with its text and the number it shows.
TEST_P(PresetPanel, GivesTypedFields) {
    const golden::PresetOutputs& golden = GetParam();
    const auto preset =
        std::ranges::find(kPresets, golden.preset, [](const Preset& p) { return p.objectName; });
    ASSERT_NE(preset, kPresets.end());
    SharedState state;
    state.inputs = preset->inputs;
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.message, None);
    ASSERT_TRUE(out.mechanism);
    EXPECT_EQ(mechanismName(*out.mechanism), golden.texts[0]);
    EXPECT_TRUE(std::isnan(out.name.value));
    for (std::size_t k = 0; k < kOutputPanel.size(); ++k) {
        const OutputField& field = out.*kOutputPanel[k].field;
        ASSERT_EQ(field.written, golden.texts[k].has_value()) << kOutputPanel[k].caption;
        if (field.written) {
            EXPECT_EQ(field.text, *golden.texts[k]) << kOutputPanel[k].caption;
            EXPECT_TRUE(k == 0 || valueMatchesText(field)) << kOutputPanel[k].caption;
        }
    }
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
// The other assembly and a parallelogram (the presets are in the golden table), then a limit
// position without a triangle and a range without rows.
const ExecuteRow kLinkages[] = {
    // The other assembly: the output link's angles mirrored about the frame.
    {"crankRockerOtherBranch", {150, 220, 250, 300, 100, 1}, {0, 360},
     {"B型曲柄摇杆机构", " 73.767340617148", " 33.6200736089135", " 1.03051257105492", " 264.029921782322", " 10.5279138845789", " 187.7076"}},
    {"parallelogram", {100, 200, 100, 200, 60}, {0, 360},
     {"平行四边形机构", " 360", " 0", kKept, " 360", " 6.283186", " 0"}},
};

// Edges: no physics to check in their rows.
const ExecuteRow kEdgeCases[] = {
    // L1 = L2: one limit position has no triangle, so K has no value.
    {"crankEqualsCoupler", {100, 100, 200, 200}, {0, 360},
     {"正置曲柄摇杆机构", " 59.9999933840531", " 0", "", " 359.999997642984", " 88.1818876415955", " 1.467955E+11"}},
    // The limit positions lie less than a degree apart: no rows and no message.
    {"limitsWithinADegree", {100, 100.1, .05, 100.04}, {},
     {"A型摇杆曲柄机构", " 360", " 0", kKept, " 360", " 0", " 0"}},
};
// clang-format on

class Execute : public ::testing::TestWithParam<ExecuteRow> {};

// The analysis holds the inputs as the run used them, and the rows its sweep promises the readers.
TEST_P(Execute, ShowsTheParametersAndKeepsTheAnalysis) {
    const ExecuteRow& c = GetParam();
    SharedState state;
    state.inputs = confirmed(c.inputs);
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.message, None);
    EXPECT_EQ(shown(out), c.boxes);
    ASSERT_NE(state.analysis, nullptr);
    EXPECT_EQ(state.analysis->linkage, state.inputs);
    EXPECT_EQ(state.analysis->omega1, c.inputs.n * kPi / 30);
    EXPECT_EQ(state.analysis->tables.rows(), c.rows);
    EXPECT_TRUE(c.rows.empty() || state.analysis->sweepRows() == c.rows);
}

INSTANTIATE_TEST_SUITE_P(Linkages, Execute, ::testing::ValuesIn(kLinkages), byLabel);
INSTANTIATE_TEST_SUITE_P(EdgeCases, Execute, ::testing::ValuesIn(kEdgeCases), byLabel);

// Inputs the execute command refuses before it runs anything, after a crank-rocker's analysis.
struct RefusalRow {
    const char* label;
    LinkageState inputs;
    ExecuteMessage message;
    const char* text;  // of the message box
};

// Empty boxes and text that is not a number read as 0; "1e400" reads as infinity.
// clang-format off
const RefusalRow kRefusals[] = {
    {"zeroLength",        {0, 220, 250, 300, 100, -1},                  LengthNotPositive, "杆长设计不当,请重新输入"},
    {"negativeLength",    {150, 220, -60, 300, 100, -1},                LengthNotPositive, "杆长设计不当,请重新输入"},
    {"emptyBox",          {150, 220, 250, readNumber(""), 100, -1},     LengthNotPositive, "杆长设计不当,请重新输入"},
    {"noNumber",          {150, readNumber("abc"), 250, 300, 100, -1},  LengthNotPositive, "杆长设计不当,请重新输入"},
    {"assemblyZero",      {150, 220, 250, 300, 100, 0},                 AssemblyNotUnit,   "装配型式M应为1或-1,请重新输入"},
    {"assemblyFive",      {150, 220, 250, 300, 100, 5},                 AssemblyNotUnit,   "装配型式M应为1或-1,请重新输入"},
    {"beyondDoubleRange", {readNumber("1e400"), 220, 250, 300, 100, -1}, ValueOutOfRange,  "杆长设置不当,请重新输入!"},
    {"cannotClose",       {100, 100, 100, 300, 100, -1},                ClosureFailed,     "杆长设计不当,请重新输入"},
};
// clang-format on

class Refusal : public ::testing::TestWithParam<RefusalRow> {};

// Nothing is analysed: the crank-rocker stays for the other windows, with its maxima. The panel is
// emptied, except by the closure test, which leaves it as it was.
TEST_P(Refusal, KeepsTheLastAnalysisAndItsMaxima) {
    const RefusalRow& c = GetParam();
    SharedState state = executed({150, 220, 250, 300});
    const std::shared_ptr<const Analysis> before = state.analysis;
    const Maxima maxima = state.maxima;
    state.inputs = c.inputs;
    const ExecuteOutputs out = executeAnalysis(state);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(executeMessageText(out.message), c.text);
    Boxes panel;
    if (c.message != ClosureFailed) {
        panel.fill("");
    }
    EXPECT_EQ(shown(out), panel);
    EXPECT_EQ(state.analysis, before);
    EXPECT_EQ(state.maxima, maxima);
}

INSTANTIATE_TEST_SUITE_P(Inputs, Refusal, ::testing::ValuesIn(kRefusals), byLabel);

// Each execute shows the maxima of its own linkage: no larger value of an earlier run survives in
// the panel or in the maxima the curves are scaled to. A run that cannot close leaves no rows and
// no maxima, and a parallelogram raises none.
TEST(Execute, EveryRunHasMaximaOfItsOwn) {
    SharedState state = executed({60, 120, 90, 120, 1000, 1});
    state.inputs = confirmed({60, 120, 90, 120, 100, -1});
    const Boxes panel = shown(executeAnalysis(state));
    EXPECT_EQ(std::vector(panel.begin() + 4, panel.end()),
              (std::vector<std::optional<std::string>>{" 151.044398575276", " 12.9815623742442",
                                                       " 264.5862"}));
    // At 3e20 r/min alpha3 leaves single precision range only partway round, after the run has
    // raised every maximum.
    state.inputs = confirmed({150, 220, 250, 300, 3e20});
    EXPECT_EQ(executeAnalysis(state).message, RunFailed);
    EXPECT_TRUE(state.analysis->tables.empty());
    EXPECT_EQ(state.maxima, Maxima{});
    state.inputs = confirmed({150, 220, 250, 300});
    executeAnalysis(state);
    ASSERT_NE(state.maxima, Maxima{});
    state.inputs = confirmed({100, 200, 100, 200, 60});
    executeAnalysis(state);
    EXPECT_EQ(state.maxima, Maxima{});
}

// The presets and the execute rows' linkages (the tests are numbered in this order), then the first
// 100 seeded random linkages that fill ten rows at least, so that some lie away from the ends of
// the range: lengths 10 to 1000 mm, either sign of n, either assembly.
std::vector<Inputs> linkages() {
    std::vector<Inputs> all;
    for (const Preset& preset : kPresets) {
        const LinkageState& in = preset.inputs;
        all.push_back({in.L1, in.L2, in.L3, in.L4, in.n, in.M});
    }
    for (const ExecuteRow& row : kLinkages) {
        all.push_back(row.inputs);
    }
    std::mt19937 engine(9);
    std::uniform_real_distribution<double> length(10, 1000);
    std::uniform_real_distribution<double> speed(-300, 300);
    while (all.size() < kPresets.size() + std::size(kLinkages) + 100) {
        const Inputs in{length(engine), length(engine), length(engine),
                        length(engine), speed(engine),  engine() % 2 ? 1.0 : -1.0};
        if (const SharedState s = executed(in);
            s.analysis && s.analysis->tables.rows().count() >= 10) {
            all.push_back(in);
        }
    }
    return all;
}

// Closure: C from the crank and coupler must meet C from the frame and output link. The angles are
// off by up to 7e-7 rad, because the half-angle folds use pi rounded to 3.141593, and theta3 by
// 2.4e-7 rad more from single precision; 2e-6 of the arm lengths covers both, while a wrong length
// or branch misplaces C by a good part of a link.
constexpr double kClosure = 2e-6;
// A row counts as near a dead point when the coupler and output link lie within about 6 degrees
// of one line: the velocities grow as 1 / sin(theta2 - theta3) there.
constexpr double kDeadPoint = 0.1;
// Velocities and accelerations are compared as fractions of their magnitude over the three rows
// (plus omega1 or omega1^2, so a value passing through 0 is not held to 0). Measured over these
// linkages the differences stay below 0.3% for omega and 1.2% for alpha; 1% and 3% leave a margin,
// while a sign error (200%) or one link length in place of another (12% for the presets' closest
// lengths) lies beyond them: each such fault planted in the formulas fails nearly every linkage.
constexpr double kVelocity = 0.01;
constexpr double kAcceleration = 0.03;

class Physics : public ::testing::TestWithParam<Inputs> {};

TEST_P(Physics, RowsCloseTheLoopAndAgreeWithTheirDifferences) {
    const SharedState state = executed(GetParam());
    const Analysis& analysis = *state.analysis;
    const ResultTables& t = analysis.tables;
    const LinkageState& s = analysis.linkage;
    const double w1 = analysis.omega1;
    const IndexRange rows = t.rows();
    // The ends of a range lie within a degree of a limit position, where the angles move as the
    // square root of the crank angle; at the rocker-crank's turning row the return swing starts on
    // the other assembly branch, back over the same crank angles. No difference may reach them.
    const int turning = analysis.sweep == RockerCrank ? static_cast<int>(t.endAngle) : rows.first;
    // A row a difference may reach: inside the range, not the turning row, and away from a dead
    // point.
    const auto usable = [&](int j) {
        return j > rows.first && j < rows.last && j != turning && !std::isnan(t.omega2(j)) &&
               std::fabs(std::sin(t.theta2(j) - t.theta3(j))) >= kDeadPoint;
    };
    const auto turn = [](double angle) { return std::remainder(angle, kFullTurn); };
    int checked = 0;
    for (int i = rows.first; i <= rows.last; ++i) {
        const TableRow r = t.row(i);
        const double cx = s.L1 * std::cos(r.theta1) + s.L2 * std::cos(r.theta2);
        const double cy = s.L1 * std::sin(r.theta1) + s.L2 * std::sin(r.theta2);
        const double miss =
            std::hypot(cx - (s.L4 + s.L3 * std::cos(r.theta3)), cy - s.L3 * std::sin(r.theta3));
        ASSERT_LE(miss, kClosure * (s.L2 + s.L3)) << "row " << i;
        if (!usable(i - 1) || !usable(i) || !usable(i + 1)) {
            continue;
        }
        const TableRow p = t.row(i - 1);
        const TableRow q = t.row(i + 1);
        // d/dt = d/dtheta1 * omega1, over the stored crank angles: the rocker-crank's return swing
        // runs them backwards. Angles wrap by the program's full turn 6.283186.
        const double perStep = w1 / (q.theta1 - p.theta1);
        // omega2, omega3 (angle differences), then alpha2, alpha3 (velocity differences), each over
        // rows i-1..i+1 against the Simpson mean (1, 4, 1) / 6 of its rate there: the two agree up
        // to h^4 terms, while against the rate at row i alone they would differ by h^2/6 times the
        // third derivative, several per cent near the limit positions, as much as a fault.
        const double differences[] = {turn(q.theta2 - p.theta2), turn(double{q.theta3} - p.theta3),
                                      q.omega2 - p.omega2, q.omega3 - p.omega3};
        const double rates[][3] = {{p.omega2, r.omega2, q.omega2},
                                   {p.omega3, r.omega3, q.omega3},
                                   {p.alpha2, r.alpha2, q.alpha2},
                                   {p.alpha3, r.alpha3, q.alpha3}};
        const char* const names[] = {"omega2", "omega3", "alpha2", "alpha3"};
        for (int k = 0; k < 4; ++k) {
            const auto [before, at, after] = rates[k];
            const double largest = std::max({std::fabs(before), std::fabs(at), std::fabs(after)});
            const double tolerance =
                k < 2 ? kVelocity * (std::fabs(w1) + largest) : kAcceleration * (w1 * w1 + largest);
            ASSERT_NEAR(differences[k] * perStep, (before + 4 * at + after) / 6, tolerance)
                << names[k] << ", row " << i;
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Linkages, Physics, ::testing::ValuesIn(linkages()));

// The motion diagrams, computed from the analysis and the maxima.

// A copy of the state's analysis for a test to change.
std::shared_ptr<Analysis> editable(SharedState& state) {
    auto analysis = std::make_shared<Analysis>(*state.analysis);
    state.analysis = analysis;
    return analysis;
}

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
    // In the client area at layout size, 6645 x 4845 twips.
    const MotionDiagram d = motionDiagram(row.quantity, state, 6645, 4845);
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
    CurveRow{"crankRockerAngle",        {150, 220, 250, 300}, Theta3, 360, {0, 1531.23254},  {4771.10986, 1544.10168}},
    CurveRow{"rockerCrankAngle",        {250, 220, 150, 300}, Theta3, 147, {0, 2054.73169},  {0, 1831.16821}},
    CurveRow{"doubleRockerAngle",       {300, 150, 220, 250}, Theta3, 69,  {0, 586.119934},  {4784.3999, 2180.25}},
    CurveRow{"negativeStartVelocity",   {300, 150, 220, 100}, Omega3, 255, {0, -897.211365}, {4784.3999, 2180.25}}),
    byLabel);
// clang-format on

// Writes `value` into theta3, omega3 and alpha3 of rows first..last of the state's analysis.
void writeRows(SharedState& state, int first, int last, double value) {
    const auto analysis = editable(state);
    for (int i = first; i <= last; ++i) {
        TableRow r = analysis->tables.row(i);
        r.theta3 = r.alpha3 = static_cast<float>(value);
        r.omega3 = value;
        analysis->tables.setRow(i, r);
    }
}

// A change to the first double rocker's state (rows 16 to 84) after its execute, and the points
// of each polyline the diagram then draws: none, where it draws the axes only.
struct ChangeRow {
    const char* label;
    DiagramQuantity quantity;
    void (*change)(SharedState& state);
    std::vector<std::size_t> points;
};

class DiagramChange : public ::testing::TestWithParam<ChangeRow> {};

TEST_P(DiagramChange, LeavesThePolylinesAndTheAxes) {
    SharedState state = executed({300, 150, 220, 250});
    GetParam().change(state);
    const MotionDiagram d = motionDiagram(GetParam().quantity, state, 6645, 4845);
    std::vector<std::size_t> points;
    for (const Polyline& polyline : d.curve) {
        points.push_back(polyline.size());
    }
    EXPECT_EQ(points, GetParam().points);
    EXPECT_EQ(d.scale, (PlotScale{-1329, 2422.5, 5316, -2422.5}));
    EXPECT_EQ(d.xAxis, (PlotSegment{{0, 0}, {5050.2f, 0}}));
    EXPECT_EQ(d.yAxis, (PlotSegment{{0, -2301.375f}, {0, 2301.375f}}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, DiagramChange, ::testing::Values(
    ChangeRow{"nanInTheMiddle",        Theta3, [](SharedState& s) { writeRows(s, 30, 35, NAN); }, {14, 49}},
    // Finite in double precision, infinite in single.
    ChangeRow{"beyondSinglePrecision", Omega3, [](SharedState& s) { writeRows(s, 50, 50, 1e300); }, {34, 34}},
    ChangeRow{"nanInTheLastRow",       Alpha3, [](SharedState& s) { writeRows(s, 84, 84, NAN); }, {68}},
    ChangeRow{"noAnalysis",            Theta3, [](SharedState& s) { s = {}; }, {}},
    // The curves are scaled to the maxima as they stand.
    ChangeRow{"maximaCleared",         Theta3, [](SharedState& s) { s.maxima = {}; }, {}},
    // The scale factor rounds to 0 in single precision.
    ChangeRow{"scaleUnderflows",       Omega3, [](SharedState& s) { s.maxima.omega3 = 1e300; }, {}},
    ChangeRow{"noRows",                Alpha3, [](SharedState& s) { editable(s)->tables.clearRows(); }, {}},
    ChangeRow{"emptyRange",            Theta3, [](SharedState& s) { editable(s)->tables.endAngle = 10; }, {}},
    ChangeRow{"rangeWithoutWidth",     Omega3, [](SharedState& s) { editable(s)->tables.endAngle = 16; }, {}}),
    byLabel);
// clang-format on

}  // namespace
}  // namespace fourbar
