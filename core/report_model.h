// The analysis report as data: its texts, the linkage figure, the plots and the table, decided
// here so that any renderer only lays them out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/coupler_point.h"
#include "core/diagrams.h"
#include "core/further_results.h"
#include "core/motion_parameters.h"
#include "core/shared_state.h"

namespace fourbar {

inline constexpr std::string_view kReportTitle = "四杆机构运动分析报告";

// A point of the linkage plane in mm (A at the origin, D at (L4, 0), y up), or of a plot in the
// units of its axes.
struct ReportPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ReportPoint&) const = default;
};

struct ReportSegment {
    ReportPoint from;
    ReportPoint to;
};

// A titled list of captions and texts.
struct ReportSection {
    std::string title;
    std::vector<CaptionedText> lines;
};

// One position of the linkage in the figure: links AB, BC and CD.
struct LinkagePose {
    std::string caption;  // which position, with its crank angle
    ReportPoint b;        // mm
    ReportPoint c;        // mm
    bool dashed = false;  // a second position is dashed, so that the two read apart
};

// A joint's name, placed beside its point on the side `away` points to (a unit vector).
struct FigureLabel {
    std::string text;
    ReportPoint at;  // mm
    ReportPoint away;
};

// A point P on the coupler and the path it traces, in mm, as the caller computed them.
struct CouplerOverlay {
    std::vector<ReportPoint> path;
    ReportPoint point;
};

// The linkage to scale: the frame AD with the ground symbols at A and D, one or two positions, the
// joint names and, when the caller gives one, a coupler point with its path.
struct LinkageFigure {
    std::string title;    // the section's heading
    std::string caption;  // the figure's caption; the renderer adds the scale it draws at
    ReportPoint a;
    ReportPoint d;
    std::vector<LinkagePose> poses;
    std::vector<ReportSegment> ground;  // the two ground symbols, hatch strokes included
    std::vector<FigureLabel> labels;
    std::optional<CouplerOverlay> coupler;
    ReportPoint lower;  // mm: the bounding box of all of the above
    ReportPoint upper;
};

struct PlotTick {
    double value = 0;
    std::string text;
    bool operator==(const PlotTick&) const = default;
};

struct PlotAxis {
    std::string title;  // with its unit
    double min = 0;
    double max = 1;
    std::vector<PlotTick> ticks;  // at multiples of a step of 1, 2 or 5 times a power of ten
};

// One curve: the runs between the points where it breaks (a row without a value, or an angle
// that wraps round a full turn).
struct PlotSeries {
    std::string name;  // the legend's text
    Rgb colour;
    bool dashed = false;
    std::vector<std::vector<ReportPoint>> runs;  // each of at least two points
};

// A horizontal line across the plot, such as the allowed transmission angle.
struct PlotReference {
    double value = 0;
    std::string label;
};

struct ReportPlot {
    std::string title;
    PlotAxis x;
    PlotAxis y;
    std::vector<PlotSeries> series;
    std::vector<PlotReference> references;
};

struct TableColumn {
    std::string heading;
    std::string unit;
};

// The rule drawn above a row: a light one above every crank angle of a multiple of 5 degrees to
// guide the eye, a strong one where a rocker-crank's return swing begins.
enum class RowRule { None, Light, Strong };

// Every row of the analysis, one text per column.
struct ReportTable {
    std::string title;  // the section's heading
    std::vector<TableColumn> columns;
    std::vector<std::vector<std::string>> rows;
    std::vector<RowRule> rules;  // one per row
    std::string note;            // explains blank fields; empty when there are none
};

struct ReportModel {
    std::string title;
    std::string date;
    std::string mechanismName;
    ReportSection inputs;   // L1..L4, n, M, omega1 and the kind's name
    ReportSection panel;    // the output panel's seven captions and texts
    ReportSection further;  // furtherResultLines
    LinkageFigure figure;
    std::string plotsTitle;  // the heading over the plots
    std::vector<ReportPlot> plots;
    ReportTable table;
};

// The output panel as the execute command left it: each caption with the text its box shows. A
// box the execute did not write (K of a linkage that is not a crank-rocker) shows "—" rather
// than a value left over from other lengths.
std::vector<CaptionedText> panelLines(const ExecuteOutputs& outputs);

// The report of an analysis (one without rows gives an empty figure, plots and table). `panel` is
// panelLines of the execute that made it, `date` the date as it is to be printed; `coupler`, when
// given, is drawn into the figure.
ReportModel buildReport(const Analysis& analysis, std::vector<CaptionedText> panel,
                        std::string date, std::optional<CouplerOverlay> coupler = std::nullopt);

// What the figure shows of `point`: its path over every row of the analysis, in index order, and
// where it is in the figure's first position (the stretched limit position of a crank-rocker). An
// analysis without rows gives an empty path and P at B of no position, (0, 0).
CouplerOverlay couplerOverlay(const Analysis& analysis, CouplerPoint point);

// The report, or the message the execute command gives instead (messages.h).
struct ReportRun {
    std::optional<ReportModel> report;
    std::string_view refusal;
};

// The report of a freshly started program with these six values confirmed and executed.
ReportRun reportForInputs(const LinkageState& inputs, std::string date);

// An axis from lo to hi with about `targetTicks` ticks at a step of 1, 2 or 5 times a power of
// ten. `extendToTicks` widens the ends out to the nearest ticks; otherwise the axis ends at lo and
// hi and the ticks lie within. lo == hi (or no finite bound) gives a unit range around the value.
PlotAxis niceAxis(std::string title, double lo, double hi, int targetTicks, bool extendToTicks);

// The denominator of the largest scale 1:d, d of 1, 2, 2.5, 4 or 5 times a power of ten, at which
// `extent` mm of linkage fit in `room` mm of paper; 1 when there is nothing to fit.
double drawingScaleDenominator(double extent, double room);
// "比例 1:5", "比例 1:2.5", "比例 2:1".
std::string drawingScaleText(double denominator);

}  // namespace fourbar
