// The motion diagrams: the curves per kind and quantity, their breaks, the axes-only cases and what
// the curves are read from.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <memory>

#include "core/diagrams.h"
#include "core/motion_parameters.h"

namespace fourbar {
namespace {

// The client area at layout size, twips.
constexpr double kWidth = 6645;
constexpr double kHeight = 4845;

// The state after executing the lengths with n = 100 r/min and M = -1.
SharedState executed(double L1, double L2, double L3, double L4) {
    SharedState state;
    state.inputs = {L1, L2, L3, L4, 100, 0, -1, {}, 0};
    executeAnalysis(state);
    return state;
}

// A copy of the state's analysis for a test to change.
std::shared_ptr<Analysis> editable(SharedState& state) {
    auto analysis = std::make_shared<Analysis>(*state.analysis);
    state.analysis = analysis;
    return analysis;
}

// Rows are named in test names and failure messages by their `name`.
const auto byName = [](const auto& info) { return std::string(info.param.name); };

MotionDiagram diagram(DiagramQuantity quantity, const SharedState& state) {
    return motionDiagram(quantity, state, kWidth, kHeight);
}

// An unbroken curve: its number of points and its ends, in twips, exact in single precision.
struct CurveRow {
    const char* name;
    std::array<double, 4> lengths;  // L1..L4, mm
    DiagramQuantity quantity;
    MechanismKind kind;
    std::size_t points;
    PlotPoint first;
    PlotPoint last;
    Rgb colour;
};

class Curve : public ::testing::TestWithParam<CurveRow> {};

TEST_P(Curve, SpansTheKindsRowsAtTheRunningMaximum) {
    const CurveRow& row = GetParam();
    const auto [L1, L2, L3, L4] = row.lengths;
    const SharedState state = executed(L1, L2, L3, L4);
    ASSERT_EQ(state.analysis->kind, row.kind);
    const MotionDiagram d = diagram(row.quantity, state);
    ASSERT_EQ(d.curve.size(), 1u);
    EXPECT_EQ(d.curve[0].size(), row.points);
    EXPECT_EQ(d.curve[0].front(), row.first);
    EXPECT_EQ(d.curve[0].back(), row.last);
    EXPECT_EQ(d.colour, row.colour);
}

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kDarkGreen{60, 128, 0};
using enum DiagramQuantity;
using enum MechanismKind;

// A full turn plots rows 0 to 359 over 0.72 W (row 360 repeats row 0); a limited kind its range
// from 0 to 0.72 W (4784.4), a rocker-crank's return swing back to 0. The largest magnitude lies at
// 0.9 of the half height (2180.25).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Curve, ::testing::Values(
    CurveRow{"CrankRockerAngle", {150, 220, 250, 300}, Theta3, FullTurn, 360, {0, 1531.23254}, {4771.10986, 1544.10168}, kBlue},
    CurveRow{"CrankRockerVelocity", {150, 220, 250, 300}, Omega3, FullTurn, 360, {0, -2168.66528}, {4771.10986, -2176.40503}, kRed},
    CurveRow{"CrankRockerAcceleration", {150, 220, 250, 300}, Alpha3, FullTurn, 360, {0, 326.88382}, {4771.10986, 194.346558}, kDarkGreen},
    CurveRow{"DoubleCrankAcceleration", {220, 250, 300, 150}, Alpha3, FullTurn, 360, {0, -1806.13428}, {4771.10986, -1585.0249}, kDarkGreen},
    CurveRow{"RockerCrankAngle", {250, 220, 150, 300}, Theta3, RockerCrank, 147, {0, 2054.73169}, {0, 1831.16821}, kBlue},
    CurveRow{"DoubleRockerAngle", {300, 150, 220, 250}, Theta3, DoubleRocker, 69, {0, 586.119934}, {4784.3999, 2180.25}, kBlue},
    CurveRow{"NegativeStartVelocity", {300, 150, 220, 100}, Omega3, DoubleRocker, 255, {0, -897.211365}, {4784.3999, 2180.25}, kRed}),
    byName);
// clang-format on

// Values written into the crank-rocker's rows, and the points of the polylines they leave.
struct BreakRow {
    const char* name;
    DiagramQuantity quantity;
    int firstRow;
    int lastRow;
    double value;
    std::vector<std::size_t> points;
};

class Break : public ::testing::TestWithParam<BreakRow> {};

TEST_P(Break, SplitsTheCurveWhereAValueIsMissing) {
    const BreakRow& row = GetParam();
    SharedState state = executed(150, 220, 250, 300);
    const auto analysis = editable(state);
    for (int i = row.firstRow; i <= row.lastRow; ++i) {
        TableRow r = analysis->tables.row(i);
        r.theta3 = static_cast<float>(row.value);
        r.omega3 = row.value;
        r.alpha3 = static_cast<float>(row.value);
        analysis->tables.setRow(i, r);
    }
    const MotionDiagram d = diagram(row.quantity, state);
    std::vector<std::size_t> points;
    for (const Polyline& polyline : d.curve) {
        points.push_back(polyline.size());
    }
    EXPECT_EQ(points, row.points);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Values, Break,
    ::testing::Values(BreakRow{"NaNInTheMiddle", Theta3, 100, 105, kNaN, {100, 254}},
                      BreakRow{"NaNAtOneRow", Alpha3, 200, 200, kNaN, {200, 159}},
                      // Finite in double precision, infinite in single.
                      BreakRow{"BeyondSinglePrecision", Omega3, 200, 200, 1e300, {200, 159}},
                      BreakRow{"FirstRow", Theta3, 0, 0, kNaN, {359}},
                      BreakRow{"LastPlottedRow", Omega3, 359, 359, kNaN, {359}},
                      // Row 360 is not plotted.
                      BreakRow{"RowPastTheTurn", Omega3, 360, 360, kNaN, {360}},
                      BreakRow{"EveryRow", Omega3, 0, 360, kNaN, {}}),
    byName);

// A change to the crank-rocker's state after its execute that leaves the axes alone.
struct AxesOnlyRow {
    const char* name;
    DiagramQuantity quantity;
    void (*change)(SharedState& state);
};

class AxesOnly : public ::testing::TestWithParam<AxesOnlyRow> {};

TEST_P(AxesOnly, DrawsNoCurve) {
    SharedState state = executed(150, 220, 250, 300);
    GetParam().change(state);
    const MotionDiagram d = diagram(GetParam().quantity, state);
    EXPECT_TRUE(d.curve.empty());
    EXPECT_EQ(d.scale, (PlotScale{-1329, 2422.5, 5316, -2422.5}));
    EXPECT_EQ(d.xAxis, (PlotSegment{{0, 0}, {5050.2f, 0}}));
    EXPECT_EQ(d.yAxis, (PlotSegment{{0, -2301.375f}, {0, 2301.375f}}));
}

void limitTo(SharedState& state, MechanismKind kind, double start, double end) {
    const auto analysis = editable(state);
    analysis->kind = kind;
    analysis->tables.startAngle = start;
    analysis->tables.endAngle = end;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AxesOnly, ::testing::Values(
    AxesOnlyRow{"NoAnalysis", Theta3, [](SharedState& s) { s = {}; }},
    AxesOnlyRow{"MaximaCleared", Theta3, [](SharedState& s) { s.maxima = {}; }},
    AxesOnlyRow{"MaximumNaN", Omega3, [](SharedState& s) { s.maxima.omega3 = kNaN; }},
    // The scale factor rounds to 0 in single precision.
    AxesOnlyRow{"ScaleUnderflows", Omega3, [](SharedState& s) { s.maxima.omega3 = 1e300; }},
    AxesOnlyRow{"NoRows", Alpha3, [](SharedState& s) { editable(s)->tables.clearRows(); }},
    AxesOnlyRow{"EmptyRange", Theta3, [](SharedState& s) { limitTo(s, DoubleRocker, 50, 40); }},
    AxesOnlyRow{"RangeNotFinite", Theta3, [](SharedState& s) { limitTo(s, DoubleRocker, kNaN, 40); }},
    AxesOnlyRow{"DoubleRockerWithoutWidth", Theta3, [](SharedState& s) { limitTo(s, DoubleRocker, 30, 30); }},
    AxesOnlyRow{"RockerCrankWithoutWidth", Omega3, [](SharedState& s) { limitTo(s, RockerCrank, 30, 30); }}),
    byName);
// clang-format on

// The rocker-crank's rows run startAngle..endAngle forward, then back: the return swing retraces
// the x of the forward swing, so the figure closes on itself at x = 0.
TEST(RockerCrank, ReturnSwingRunsBackToTheOrigin) {
    const SharedState state = executed(250, 220, 150, 300);
    const MotionDiagram d = diagram(Theta3, state);
    ASSERT_EQ(d.curve.size(), 1u);
    const Polyline& curve = d.curve[0];
    const IndexRange rows = state.analysis->kindRows();
    const int turn = static_cast<int>(state.analysis->tables.endAngle) - rows.first;
    ASSERT_EQ(curve.size(), 2 * static_cast<std::size_t>(turn) + 1);
    EXPECT_FLOAT_EQ(curve[turn].x, 4784.4f);
    for (int i = 1; i <= turn; ++i) {
        EXPECT_LT(curve[i - 1].x, curve[i].x) << i;
        EXPECT_EQ(curve[turn - i].x, curve[turn + i].x) << i;
    }
}

// The curve belongs to the last analysis, whatever the boxes confirmed since, and is scaled to the
// maxima as they stand.
TEST(Reading, TakesTheAnalysisAndTheMaximaNotTheInputs) {
    SharedState state = executed(150, 220, 250, 300);
    const MotionDiagram before = diagram(Theta3, state);
    state.inputs = {300, 150, 220, 250, 50, 0, 1, std::string(names::doubleRocker), 150};
    EXPECT_EQ(diagram(Theta3, state).curve, before.curve);
    state.inputs.L1 = 0;
    EXPECT_EQ(diagram(Theta3, state).curve, before.curve);

    state.maxima.theta3 *= 2;
    const Polyline halved = diagram(Theta3, state).curve.at(0);
    EXPECT_FLOAT_EQ(halved.front().x, 0);
    EXPECT_NEAR(halved.front().y, before.curve[0].front().y / 2, 1e-3);
}

}  // namespace
}  // namespace fourbar
