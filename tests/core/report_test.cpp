// The further results (limit positions checked against the rows, peaks) and
// the report model: its figure closes the loop, its plots break and branch, its table and axes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/messages.h"
#include "core/report_model.h"
#include "tests/core/executed.h"

namespace fourbar {
namespace {

using enum LinkageFamily;
using std::numbers::pi;
using test::byLabel;
using test::executed;
using Linkage = test::Inputs;

ReportModel report(const Linkage& k) {
    ReportRun run = reportForInputs(k, "2025年3月7日");
    EXPECT_TRUE(run.report.has_value()) << run.refusal;
    return run.report ? std::move(*run.report) : ReportModel{};
}

// The crank-rocker preset: every further result.
TEST(FurtherResults, CrankRockerPresetGoldenLines) {
    const ReportModel r = report({150, 220, 250, 300});
    const std::vector<CaptionedText> expected = {
        {"极位夹角（度）", " 2.70486519915139"},
        {"拉直共线极位曲柄转角（度）", " 42.2225136388793"},
        {"重叠共线极位曲柄转角（度）", " 219.517648439728"},
        {"各位置最小传动角（度）", " 33.6200754669196"},
        {"最小传动角时L1杆转角（度）", " 180"},
        {"L2杆最大角速度（1/s）", " 11.5071610908971"},
        {"L2杆最大角速度时L1杆转角（度）", " 10"},
        {"L2杆最大角加速度（1/s²）", " 217.605268445891"},
        {"L2杆最大角加速度时L1杆转角（度）", " 344"},
        {"L3杆最大角速度时L1杆转角（度）", " 357"},
        {"L3杆最大角加速度时L1杆转角（度）", " 23"},
    };
    EXPECT_EQ(r.further.lines, expected);
}

// Where each kind has no such result, it is absent rather than 0 (the crank-rocker's are the
// golden lines above).
struct AbsenceRow {
    const char* label;
    Linkage linkage;
    LinkageFamily family;
    bool limits;
    bool omega3Peak;  // false where |omega3| is the same in every row
};

class Absence : public ::testing::TestWithParam<AbsenceRow> {};

TEST_P(Absence, OnlyWhatTheKindHas) {
    const AbsenceRow& c = GetParam();
    const SharedState s = executed(c.linkage);
    const FurtherResults r = furtherResults(*s.analysis);
    EXPECT_EQ(r.family, c.family);
    EXPECT_EQ(r.limits.has_value(), c.limits);
    ASSERT_TRUE(r.maxOmega3.has_value());
    EXPECT_EQ(r.maxOmega3->crankAngle.has_value(), c.omega3Peak);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Absence, ::testing::Values(
    AbsenceRow{"rockerCrank",   {250, 220, 150, 300}, RockerCrank,   false, true},
    AbsenceRow{"parallelogram", {100, 200, 100, 200}, Parallelogram, false, false},
    // Named a crank-rocker, but the frame is as short as the crank: the panel's double crank.
    AbsenceRow{"frameAsShort",  {100, 200, 200, 100}, DoubleCrank,   false, true},
    // L1 = L2: the folded position has no triangle, so no limit positions (and no K).
    AbsenceRow{"crankIsCoupler", {100, 100, 200, 200}, CrankRocker,  false, true}),
    byLabel);
// clang-format on

// A rocker-crank's rows: a swing column, the forward swing up to the turning row, then the return
// swing back over the same crank angles, plotted as a solid and a dashed branch.
TEST(Report, RockerCrankBranches) {
    const ReportModel r = report({250, 220, 150, 300});
    EXPECT_EQ(r.table.columns[0].heading, "行程");
    ASSERT_EQ(r.table.rows.size(), 147u);  // rows 11..157
    EXPECT_EQ(r.table.rows.front(),
              (std::vector<std::string>{"去程", "11.", "331.25", "337.2", "63.83", "107.62",
                                        "-36066.06", "-52093.52", "5.95"}));
    EXPECT_EQ(r.table.rows[73][0], "回程");  // the turning row, 84
    EXPECT_EQ(r.table.rules[73], RowRule::Strong);
    EXPECT_EQ(r.table.rules[4], RowRule::Light);  // 15 degrees
    const ReportPlot& omega = r.plots[1];
    ASSERT_EQ(omega.series.size(), 4u);
    const PlotSeries& forward = omega.series[0];
    const PlotSeries& back = omega.series[1];
    EXPECT_EQ(forward.name, "L2杆 ω2（去程）");
    EXPECT_TRUE(back.dashed);
    EXPECT_DOUBLE_EQ(forward.runs.back().back().x, 83);
    EXPECT_DOUBLE_EQ(back.runs.front().front().x, 84);
    EXPECT_DOUBLE_EQ(back.runs.back().back().x, 11);
}

// The crank-rocker's table in the listing's texts, with its headings and units; the first and last
// rows repeat one pose.
TEST(Report, CrankRockerTable) {
    const ReportModel r = report({150, 220, 250, 300});
    ASSERT_EQ(r.table.rows.size(), 361u);
    const std::vector<std::string> pose = {"0",      "82.69",   "119.21", "-10.47",
                                           "-10.47", "-122.62", "28.14",  "36.52"};
    EXPECT_EQ(r.table.rows.front(), pose);
    std::vector<std::string> last = pose;
    last[0] = "360";
    EXPECT_EQ(r.table.rows.back(), last);
    EXPECT_EQ(r.table.columns[5].heading, "L2杆角加速");
    EXPECT_EQ(r.plots[3].references.front().value, 40);
    // The turn's axis ends at its rows with its ticks within; the velocities' widens to its ticks.
    const PlotAxis &turn = r.plots[0].x, &omega = r.plots[1].y;
    EXPECT_EQ(std::tuple(turn.max, turn.ticks.size(), turn.ticks.back().text),
              std::tuple(360, 8u, "350"));
    EXPECT_EQ(std::tuple(omega.min, omega.max, omega.ticks[1].text), std::tuple(-15, 10, "-10"));
    // The figure's scale: the largest nice one at which the linkage fits.
    EXPECT_EQ(drawingScaleText(drawingScaleDenominator(360, 150)), "比例 1:2.5");
    EXPECT_EQ(drawingScaleText(drawingScaleDenominator(12, 152)), "比例 10:1");
}

// A row without values breaks the curves, leaves its fields blank and says why; an angle that
// wraps round a full turn breaks its curve instead of drawing a line across the plot.
TEST(Report, GapsAndWrapsBreakTheCurves) {
    SharedState s = executed({220, 250, 300, 150});  // double crank: theta3 wraps once
    Analysis analysis = *s.analysis;
    TableRow row = analysis.tables.row(100);
    row.omega2 = row.omega3 = row.alpha2 = row.alpha3 = NAN;
    analysis.tables.setRow(100, row);
    const ReportModel r = buildReport(analysis, {}, "");
    EXPECT_EQ(r.plots[1].series[0].runs.size(), 2u);
    EXPECT_EQ(r.plots[1].series[0].runs[0].back().x, 99);
    EXPECT_EQ(r.table.rows[100][3], "");
    EXPECT_FALSE(r.table.note.empty());
    EXPECT_EQ(r.plots[0].series[1].runs.size(), 2u);  // theta3
}

TEST(Report, RefusalsAndThePanel) {
    EXPECT_EQ(reportForInputs({100, 100, 100, 300, 100, -1}, "").refusal, messages::closureFailed);
    EXPECT_EQ(reportForInputs({HUGE_VAL, 220, 250, 300, 100, -1}, "").refusal, messages::runFailed);
    // Limit positions less than a degree apart: a run without rows has nothing to report.
    EXPECT_EQ(reportForInputs({100, 100.1, .05, 100.04, 100, -1}, "").refusal, messages::runFailed);
    // K is not written for a double crank: no number from earlier lengths.
    const ReportModel r = report({220, 250, 300, 150});
    EXPECT_EQ(r.panel.lines[3], (CaptionedText{"行程速比系数K", "—"}));
}

}  // namespace
}  // namespace fourbar
