// Building the analysis report: sections, the figure at the limit positions, the plots and the
// table, and the nice steps of axes and scales.
#include "core/report_model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "core/analysis.h"
#include "core/coupler_path.h"
#include "core/demonstration.h"
#include "core/listing.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/position_tables.h"

namespace fourbar {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

const Rgb kCouplerColour{0, 90, 200};
const Rgb kOutputColour{210, 40, 30};
const Rgb kTransmissionColour{0, 130, 60};

// `value` rounded to at most `decimals` decimals, without trailing zeros: "42.22", "11", "-0.5".
std::string shortDecimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        return {};
    }
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::string degreeText(double degrees) {
    return shortDecimal(degrees, 2) + "°";
}

ReportPoint unit(double x, double y) {
    const double length = std::hypot(x, y);
    return length > 0 ? ReportPoint{x / length, y / length} : ReportPoint{0, 1};
}

// The side of a joint away from the two links that meet there, where its name stays clear of
// them; across the links when they lie in line.
ReportPoint awayFromLinks(ReportPoint joint, ReportPoint end1, ReportPoint end2) {
    const ReportPoint u = unit(end1.x - joint.x, end1.y - joint.y);
    const ReportPoint v = unit(end2.x - joint.x, end2.y - joint.y);
    if (std::hypot(u.x + v.x, u.y + v.y) < 0.3) {
        return u.x >= 0 ? ReportPoint{-u.y, u.x} : ReportPoint{u.y, -u.x};
    }
    return unit(-(u.x + v.x), -(u.y + v.y));
}

// The crank angle in degrees as a direction.
ReportPoint direction(double degrees) {
    return {std::cos(degrees * kDegree), std::sin(degrees * kDegree)};
}

LinkagePose poseOfRow(const Analysis& analysis, int row, std::string caption) {
    const ResultTables& t = analysis.tables;
    const JointPositions j = jointPositions(analysis.linkage, t.theta1(row), t.theta3(row));
    return {std::move(caption), {j.bx, j.by}, {j.cx, j.cy}};
}

// The positions the figure shows: a crank-rocker at its two limit positions; a limited kind at the
// two ends of its swing; any other at crank angle 0.
std::vector<LinkagePose> figurePoses(const Analysis& analysis, const AnalysedLinkage& s,
                                     const FurtherResults& results) {
    const ResultTables& t = analysis.tables;
    const IndexRange rows = t.rows();
    std::vector<LinkagePose> poses;
    if (rows.empty()) {
        return poses;
    }
    if (results.limits) {
        // Stretched, C lies on the crank's line at L1 + L2 from A; folded, at L1 - L2.
        const double stretched = results.limits->stretchedCrankAngle;
        const double folded = results.limits->foldedCrankAngle;
        const ReportPoint u = direction(stretched);
        const ReportPoint v = direction(folded);
        poses.push_back({"极限位置1：曲柄与连杆拉直共线，曲柄转角 " + degreeText(stretched),
                         {s.L1 * u.x, s.L1 * u.y},
                         {(s.L1 + s.L2) * u.x, (s.L1 + s.L2) * u.y}});
        poses.push_back({"极限位置2：曲柄与连杆重叠共线，曲柄转角 " + degreeText(folded),
                         {s.L1 * v.x, s.L1 * v.y},
                         {(s.L1 - s.L2) * v.x, (s.L1 - s.L2) * v.y},
                         true});
    } else if (results.family == LinkageFamily::RockerCrank ||
               results.family == LinkageFamily::DoubleRocker) {
        int low = rows.first;
        int high = rows.first;
        for (int i = rows.first; i <= rows.last; ++i) {
            if (t.theta1(i) < t.theta1(low)) {
                low = i;
            }
            if (t.theta1(i) > t.theta1(high)) {
                high = i;
            }
        }
        poses.push_back(poseOfRow(analysis, low,
                                  "L1杆摆动范围起点，转角 " + degreeText(crankAngleOfRow(t, low))));
        poses.push_back(poseOfRow(
            analysis, high, "L1杆摆动范围终点，转角 " + degreeText(crankAngleOfRow(t, high))));
        poses.back().dashed = true;
    } else {
        const int row = t.holds(0) ? 0 : rows.first;
        poses.push_back(
            poseOfRow(analysis, row, "曲柄转角 " + degreeText(crankAngleOfRow(t, row)) + " 位置"));
    }
    return poses;
}

// The ground symbol under a frame pivot (px, 0), `size` across: the animation window's, scaled.
void appendGroundSymbol(std::vector<ReportSegment>& out, double px, double size) {
    const double k = size / kGroundSymbolWidth;
    const auto at = [&](double dx, double dy) { return ReportPoint{px + dx * k, dy * k}; };
    for (const GroundStroke& s : kGroundSymbol) {
        out.push_back({at(s.x1, s.y1), at(s.x2, s.y2)});
    }
}

struct Bounds {
    ReportPoint lower{kInfinity, kInfinity};
    ReportPoint upper{-kInfinity, -kInfinity};
    void add(ReportPoint p) {
        if (std::isfinite(p.x) && std::isfinite(p.y)) {
            lower = {std::min(lower.x, p.x), std::min(lower.y, p.y)};
            upper = {std::max(upper.x, p.x), std::max(upper.y, p.y)};
        }
    }
};

LinkageFigure buildFigure(const Analysis& analysis, const AnalysedLinkage& linkage,
                          const FurtherResults& results, std::optional<CouplerOverlay> coupler) {
    LinkageFigure f;
    f.title = "四、机构简图";
    f.caption = "图1  机构位置简图";
    f.a = {0, 0};
    f.d = {linkage.L4, 0};
    f.poses = figurePoses(analysis, linkage, results);

    Bounds joints;
    joints.add(f.a);
    joints.add(f.d);
    for (const LinkagePose& p : f.poses) {
        joints.add(p.b);
        joints.add(p.c);
    }
    const double extent =
        std::max(joints.upper.x - joints.lower.x, joints.upper.y - joints.lower.y);
    const double groundSize = 0.08 * extent;
    appendGroundSymbol(f.ground, f.a.x, groundSize);
    appendGroundSymbol(f.ground, f.d.x, groundSize);

    // A and D are named beside their ground symbols, outside the frame; B and C away from their
    // links.
    const double frameSide = f.d.x >= f.a.x ? 1.0 : -1.0;
    f.labels.push_back({"A", f.a, unit(-frameSide, 0.4)});
    f.labels.push_back({"D", f.d, unit(frameSide, 0.4)});
    for (std::size_t k = 0; k < f.poses.size(); ++k) {
        const LinkagePose& p = f.poses[k];
        const std::string suffix = f.poses.size() > 1 ? std::to_string(k + 1) : "";
        f.labels.push_back({"B" + suffix, p.b, awayFromLinks(p.b, f.a, p.c)});
        f.labels.push_back({"C" + suffix, p.c, awayFromLinks(p.c, p.b, f.d)});
    }

    Bounds all = joints;
    for (const ReportSegment& s : f.ground) {
        all.add(s.from);
        all.add(s.to);
    }
    if (coupler) {
        for (const ReportPoint& p : coupler->path) {
            all.add(p);
        }
        all.add(coupler->point);
        // P away from the middle of the linkage.
        const ReportPoint middle{(joints.lower.x + joints.upper.x) / 2,
                                 (joints.lower.y + joints.upper.y) / 2};
        f.labels.push_back(
            {"P", coupler->point, unit(coupler->point.x - middle.x, coupler->point.y - middle.y)});
        f.coupler = std::move(coupler);
    }
    f.lower = all.lower;
    f.upper = all.upper;
    return f;
}

// The rows a curve runs over and the text its legend adds: the whole table, or a rocker-crank's
// forward swing (up to the turning row, which belongs to the return swing) and return swing.
struct RowSpan {
    int first;
    int last;
    const char* branch;
};

std::vector<RowSpan> rowSpans(const Analysis& analysis, LinkageFamily family) {
    const IndexRange rows = analysis.tables.rows();
    if (family != LinkageFamily::RockerCrank) {
        return {{rows.first, rows.last, ""}};
    }
    const int turn = static_cast<int>(analysis.tables.endAngle);
    return {{rows.first, turn - 1, "（去程）"}, {turn, rows.last, "（回程）"}};
}

struct Quantity {
    std::string name;
    Rgb colour;
    std::function<double(int)> value;
};

// The curves of `quantities` over the crank angle, one per quantity and span; a rocker-crank's
// return swing is dashed. `wraps` breaks a curve where an angle jumps by more than half a turn
// between neighbouring rows, the wrap of its value rather than a motion.
std::vector<PlotSeries> plotSeries(const Analysis& analysis, const std::vector<RowSpan>& spans,
                                   const std::vector<Quantity>& quantities, bool wraps) {
    std::vector<PlotSeries> series;
    for (const Quantity& q : quantities) {
        for (std::size_t k = 0; k < spans.size(); ++k) {
            PlotSeries s{q.name + spans[k].branch, q.colour, k > 0, {}};
            std::vector<ReportPoint> run;
            const auto endRun = [&] {
                if (run.size() >= 2) {
                    s.runs.push_back(std::move(run));
                }
                run.clear();
            };
            for (int i = spans[k].first; i <= spans[k].last; ++i) {
                const ReportPoint p{crankAngleOfRow(analysis.tables, i), q.value(i)};
                if (!std::isfinite(p.y)) {
                    endRun();
                    continue;
                }
                if (wraps && !run.empty() && std::fabs(p.y - run.back().y) > 180) {
                    endRun();
                }
                run.push_back(p);
            }
            endRun();
            series.push_back(std::move(s));
        }
    }
    return series;
}

ReportPlot makePlot(std::string title, std::string yTitle, std::vector<PlotSeries> series,
                    std::vector<PlotReference> references = {}) {
    Bounds b;
    for (const PlotSeries& s : series) {
        for (const auto& run : s.runs) {
            for (const ReportPoint& p : run) {
                b.add(p);
            }
        }
    }
    double yLow = b.lower.y;
    double yHigh = b.upper.y;
    for (const PlotReference& r : references) {
        yLow = std::min(yLow, r.value);
        yHigh = std::max(yHigh, r.value);
    }
    ReportPlot plot;
    plot.title = std::move(title);
    plot.x = niceAxis("L1杆转角 θ1（°）", b.lower.x, b.upper.x, 8, false);
    plot.y = niceAxis(std::move(yTitle), yLow, yHigh, 6, true);
    plot.series = std::move(series);
    plot.references = std::move(references);
    return plot;
}

std::vector<ReportPlot> buildPlots(const Analysis& analysis, LinkageFamily family) {
    const ResultTables& t = analysis.tables;
    const std::vector<RowSpan> spans = rowSpans(analysis, family);
    std::vector<ReportPlot> plots;
    plots.push_back(makePlot(
        "图2  L2、L3杆角位移", "角位移（°）",
        plotSeries(analysis, spans,
                   {{"L2杆 θ2", kCouplerColour, [&](int i) { return t.theta2(i) / kDegree; }},
                    {"L3杆 θ3", kOutputColour, [&](int i) { return t.theta3(i) / kDegree; }}},
                   true)));
    plots.push_back(
        makePlot("图3  L2、L3杆角速度", "角速度（1/s）",
                 plotSeries(analysis, spans,
                            {{"L2杆 ω2", kCouplerColour, [&](int i) { return t.omega2(i); }},
                             {"L3杆 ω3", kOutputColour, [&](int i) { return t.omega3(i); }}},
                            false)));
    plots.push_back(makePlot(
        "图4  L2、L3杆角加速度", "角加速度（1/s²）",
        plotSeries(
            analysis, spans,
            {{"L2杆 α2", kCouplerColour, [&](int i) { return t.alpha2(i); }},
             {"L3杆 α3", kOutputColour, [&](int i) { return static_cast<double>(t.alpha3(i)); }}},
            false)));
    ReportPlot gamma =
        makePlot("图5  传动角", "传动角 γ（°）",
                 plotSeries(analysis, spans,
                            {{"传动角 γ", kTransmissionColour,
                              [&](int i) { return transmissionAngle(t.theta2(i), t.theta3(i)); }}},
                            false),
                 {{kAllowedTransmissionAngle, "许用传动角 40°"}});
    // Transmission angles always lie in 0..90 degrees: a fixed scale compares linkages.
    gamma.y = niceAxis(gamma.y.title, 0, 90, 9, true);
    plots.push_back(std::move(gamma));
    return plots;
}

ReportTable buildTable(const Analysis& analysis, LinkageFamily family) {
    const ResultTables& t = analysis.tables;
    const bool rockerCrank = family == LinkageFamily::RockerCrank;
    ReportTable table;
    table.title = "六、运动参数表";
    if (rockerCrank) {
        table.columns.push_back({"行程", ""});
    }
    const char* const units[] = {"°", "°", "°", "1/s", "1/s", "1/s²", "1/s²"};
    std::size_t column = 0;
    for (const ListingField& heading : listingHeading()) {
        table.columns.push_back({heading.text, units[column++]});
    }
    table.columns.push_back({"传动角γ", "°"});

    bool blanks = false;
    for (const RowSpan& span : rowSpans(analysis, family)) {
        for (int i = span.first; i <= span.last; ++i) {
            std::vector<std::string> row;
            if (rockerCrank) {
                row.push_back(i < static_cast<int>(t.endAngle) ? "去程" : "回程");
            }
            // The listing's texts: its whole-degree loop value, or a rocker-crank's theta1.
            const std::array<double, 7> values = rowValues(t, i, i, rockerCrank);
            row.push_back(rockerCrank ? patternText(values[0]) : plainNumberText(values[0]));
            for (std::size_t k = 1; k < values.size(); ++k) {
                row.push_back(patternText(values[k]));
                blanks = blanks || row.back().empty();
            }
            row.push_back(patternText(transmissionAngle(t.theta2(i), t.theta3(i))));
            table.rows.push_back(std::move(row));
            const bool swingTurns = rockerCrank && i == span.first && i > t.rows().first;
            const bool fifth = std::fmod(std::round(values[0]), 5.0) == 0;
            table.rules.push_back(swingTurns ? RowRule::Strong
                                  : fifth    ? RowRule::Light
                                             : RowRule::None);
        }
    }
    if (blanks) {
        table.note = "空白：该位置L2杆与L3杆共线，角速度与角加速度没有有限值。";
    }
    return table;
}

ReportSection inputSection(const AnalysedLinkage& s) {
    return {"一、输入参数",
            {{"L1（mm）", plainNumberText(s.L1)},
             {"L2（mm）", plainNumberText(s.L2)},
             {"L3（mm）", plainNumberText(s.L3)},
             {"L4（mm）", plainNumberText(s.L4)},
             {"n（r/min）", plainNumberText(s.n)},
             {"M（装配型式）", plainNumberText(s.M)},
             {"ω1（1/s）", plainNumberText(s.omega1)},
             {"机构类型", s.mechanismName}}};
}

}  // namespace

std::vector<CaptionedText> panelLines(const ExecuteOutputs& outputs) {
    std::vector<CaptionedText> lines;
    for (const OutputPanelRow& row : kOutputPanel) {
        const OutputField& field = outputs.*row.field;
        lines.push_back(
            {std::string(row.caption), field.written && !field.text.empty() ? field.text : "—"});
    }
    return lines;
}

ReportModel buildReport(const Analysis& analysis, std::vector<CaptionedText> panel,
                        std::string date, std::optional<CouplerOverlay> coupler) {
    const AnalysedLinkage linkage = analysedLinkage(analysis);
    const FurtherResults results = furtherResults(analysis);
    ReportModel report;
    report.title = kReportTitle;
    report.date = std::move(date);
    report.mechanismName = linkage.mechanismName;
    report.inputs = inputSection(linkage);
    report.panel = {"二、主要运动参数", std::move(panel)};
    report.further = {"三、其他运动参数", furtherResultLines(results)};
    report.figure = buildFigure(analysis, linkage, results, std::move(coupler));
    report.plotsTitle = "五、运动线图";
    report.plots = buildPlots(analysis, results.family);
    report.table = buildTable(analysis, results.family);
    return report;
}

CouplerOverlay couplerOverlay(const Analysis& analysis, CouplerPoint point) {
    CouplerOverlay overlay;
    for (const CouplerPathRow& row : couplerPath(analysis, point)) {
        overlay.path.push_back({row.x, row.y});
    }
    const std::vector<LinkagePose> poses =
        figurePoses(analysis, analysedLinkage(analysis), furtherResults(analysis));
    if (!poses.empty()) {
        // The pose's crank and coupler directions stand for a row's theta1 and theta2, so that P
        // comes from the one formula the path uses; B lies at L1 from A.
        const LinkagePose& pose = poses.front();
        const CouplerPathRow at =
            couplerPathRow(analysis.linkage.L1, 0, point,
                           {.theta1 = std::atan2(pose.b.y, pose.b.x),
                            .theta2 = std::atan2(pose.c.y - pose.b.y, pose.c.x - pose.b.x),
                            .omega2 = 0});
        overlay.point = {at.x, at.y};
    }
    return overlay;
}

ReportRun reportForInputs(const LinkageState& inputs, std::string date) {
    SharedState shared;
    shared.inputs = inputs;
    const ExecuteOutputs outputs = executeAnalysis(shared);
    if (outputs.message != ExecuteMessage::None) {
        return {std::nullopt, executeMessageText(outputs.message)};
    }
    // Limit positions less than a degree apart leave a run without rows: nothing to report.
    if (!shared.analysis || shared.analysis->tables.empty()) {
        return {std::nullopt, messages::runFailed};
    }
    return {buildReport(*shared.analysis, panelLines(outputs), std::move(date)), {}};
}

PlotAxis niceAxis(std::string title, double lo, double hi, int targetTicks, bool extendToTicks) {
    PlotAxis axis;
    axis.title = std::move(title);
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = hi = std::isfinite(lo) ? lo : std::isfinite(hi) ? hi : 0;
    }
    if (lo > hi) {
        std::swap(lo, hi);
    }
    if (!(hi - lo > 1e-12 * std::max(std::fabs(lo), std::fabs(hi)))) {
        const double half = std::fabs(lo) > 0 ? std::fabs(lo) / 10 : 1;
        lo -= half;
        hi += half;
    }
    const double raw = (hi - lo) / std::max(targetTicks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1 - 1e-9)) {
            step = m * power;
            break;
        }
    }
    // A tick within a millionth of a step of an end counts as on it.
    constexpr double kSlack = 1e-6;
    axis.min = extendToTicks ? std::floor(lo / step + kSlack) * step : lo;
    axis.max = extendToTicks ? std::ceil(hi / step - kSlack) * step : hi;
    const double firstTick = std::ceil(axis.min / step - kSlack);
    const double lastTick = std::floor(axis.max / step + kSlack);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    // The relative floor on the span keeps k well inside exact integers; the cap only guards.
    for (double k = firstTick; k <= lastTick && axis.ticks.size() < 100; ++k) {
        const double value = k * step;
        axis.ticks.push_back({value, shortDecimal(value, decimals)});
    }
    return axis;
}

double drawingScaleDenominator(double extent, double room) {
    const double need = extent / room;
    if (!std::isfinite(need) || !(need > 0)) {
        return 1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(need)));
    for (const double m : {1.0, 2.0, 2.5, 4.0, 5.0}) {
        if (m * power >= need * (1 - 1e-12)) {
            return m * power;
        }
    }
    return 10 * power;
}

std::string drawingScaleText(double denominator) {
    if (denominator >= 1) {
        return "比例 1:" + shortDecimal(denominator, 3);
    }
    return "比例 " + shortDecimal(1 / denominator, 3) + ":1";
}

}  // namespace fourbar
