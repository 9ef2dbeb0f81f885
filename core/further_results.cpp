// Transmission angles, a crank-rocker's limit positions and the peaks of the rows.
#include "core/further_results.h"

#include <cmath>
#include <functional>

#include "core/analysis.h"
#include "core/number_text.h"

namespace fourbar {

namespace {

double degrees(double radians) {
    return radians / kDegree;
}

// An angle in degrees brought into [0, 360).
double normalisedDegrees(double value) {
    const double r = std::fmod(value, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// +1 when the output-link joint C lies above the frame line on the rows' assembly branch, -1 when
// below; 0 without rows. A crank-rocker's C never crosses the frame line, so the row farthest from
// it decides.
double outputSide(const ResultTables& tables) {
    const IndexRange rows = tables.rows();
    double farthest = 0;
    for (int i = rows.first; i <= rows.last; ++i) {
        const double s = std::sin(static_cast<double>(tables.theta3(i)));
        if (std::fabs(s) > std::fabs(farthest)) {
            farthest = s;
        }
    }
    return farthest > 0 ? 1.0 : farthest < 0 ? -1.0 : 0.0;
}

std::optional<LimitPositions> limitPositions(const AnalysedLinkage& s, const ResultTables& tables) {
    const double side = outputSide(tables);
    // The crank angles, from the frame, of the line AC when crank and coupler lie in line: the
    // same two triangles the panel's K is computed from.
    const double stretched = degrees(triangleAngle(s.L1 + s.L2, s.L4, s.L3));
    const double folded = degrees(triangleAngle(s.L2 - s.L1, s.L4, s.L3));
    if (side == 0 || !std::isfinite(stretched) || !std::isfinite(folded)) {
        return std::nullopt;
    }
    // Folded, the crank points away from C: half a turn from the line AC.
    return LimitPositions{
        .angle = std::fabs(folded - stretched),
        .stretchedCrankAngle = normalisedDegrees(side * stretched),
        .foldedCrankAngle = normalisedDegrees(180 + side * folded),
    };
}

// The extreme of value(i) over `rows` of the tables: the largest when `largest`, else the
// smallest; the first row wins a tie. NaN values never count.
std::optional<RowExtreme> rowExtreme(const ResultTables& tables, IndexRange rows,
                                     const std::function<double(int)>& value, bool largest) {
    std::optional<RowExtreme> best;
    double other = 0;  // the opposite extreme, to tell a constant quantity
    for (int i = rows.first; i <= rows.last; ++i) {
        const double v = value(i);
        if (std::isnan(v)) {
            continue;
        }
        if (!best) {
            best = RowExtreme{v, i, std::nullopt};
            other = v;
            continue;
        }
        if (largest ? v > best->value : v < best->value) {
            *best = {v, i, std::nullopt};
        }
        if (largest ? v < other : v > other) {
            other = v;
        }
    }
    if (best && other != best->value) {
        best->crankAngle = crankAngleOfRow(tables, best->row);
    }
    return best;
}

// Appends a result's value line and, when it has one, its crank-angle line.
void appendExtreme(std::vector<CaptionedText>& lines, const std::optional<RowExtreme>& extreme,
                   const char* valueCaption, const char* angleCaption) {
    if (!extreme) {
        return;
    }
    if (valueCaption != nullptr) {
        lines.push_back({valueCaption, numberText(extreme->value)});
    }
    if (extreme->crankAngle) {
        lines.push_back({angleCaption, numberText(*extreme->crankAngle)});
    }
}

}  // namespace

AnalysedLinkage analysedLinkage(const Analysis& analysis) {
    const LinkageState& s = analysis.linkage;
    AnalysedLinkage out{s.L1,
                        s.L2,
                        s.L3,
                        s.L4,
                        s.n,
                        s.M,
                        analysis.omega1,
                        std::string(mechanismName(analysis.mechanism))};
    if (analysis.sweep == Sweep::DoubleRocker) {
        out.family = LinkageFamily::DoubleRocker;
    } else if (analysis.sweep == Sweep::RockerCrank) {
        out.family = LinkageFamily::RockerCrank;
    } else if (analysis.mechanism == Mechanism::Parallelogram) {
        out.family = LinkageFamily::Parallelogram;
    } else if (isCrankRocker(analysis.mechanism) && !isShortestLink(s.L4, analysis.shortestLink)) {
        out.family = LinkageFamily::CrankRocker;
    }
    return out;
}

double transmissionAngle(double theta2, double theta3) {
    // |cos| folds the angle between the two lines into [0, 90] degrees.
    return degrees(std::acos(std::fabs(std::cos(theta2 - theta3))));
}

double crankAngleOfRow(const ResultTables& tables, int i) {
    return degrees(tables.theta1(i));
}

FurtherResults furtherResults(const Analysis& analysis) {
    const ResultTables& t = analysis.tables;
    FurtherResults r;
    const AnalysedLinkage linkage = analysedLinkage(analysis);
    r.family = linkage.family;
    if (r.family == LinkageFamily::CrankRocker) {
        r.limits = limitPositions(linkage, t);
    }
    // A full turn's row 360 repeats the pose of row 0 (up to rounding, which could otherwise make
    // 360 the crank angle of an extreme that belongs to 0).
    IndexRange rows = t.rows();
    if (analysis.sweep == Sweep::FullTurn && rows.last == 360) {
        rows.last = 359;
    }
    r.minTransmission = rowExtreme(
        t, rows, [&](int i) { return transmissionAngle(t.theta2(i), t.theta3(i)); }, false);
    r.maxOmega2 = rowExtreme(
        t, rows, [&](int i) { return std::fabs(t.omega2(i)); }, true);
    r.maxAlpha2 = rowExtreme(
        t, rows, [&](int i) { return std::fabs(t.alpha2(i)); }, true);
    r.maxOmega3 = rowExtreme(
        t, rows, [&](int i) { return std::fabs(t.omega3(i)); }, true);
    r.maxAlpha3 = rowExtreme(
        t, rows, [&](int i) { return std::fabs(static_cast<double>(t.alpha3(i))); }, true);
    return r;
}

std::vector<CaptionedText> furtherResultLines(const FurtherResults& results) {
    std::vector<CaptionedText> lines;
    if (results.limits) {
        lines.push_back({"极位夹角（度）", numberText(results.limits->angle)});
        lines.push_back(
            {"拉直共线极位曲柄转角（度）", numberText(results.limits->stretchedCrankAngle)});
        lines.push_back(
            {"重叠共线极位曲柄转角（度）", numberText(results.limits->foldedCrankAngle)});
    }
    appendExtreme(lines, results.minTransmission, "各位置最小传动角（度）",
                  "最小传动角时L1杆转角（度）");
    appendExtreme(lines, results.maxOmega2, "L2杆最大角速度（1/s）",
                  "L2杆最大角速度时L1杆转角（度）");
    appendExtreme(lines, results.maxAlpha2, "L2杆最大角加速度（1/s²）",
                  "L2杆最大角加速度时L1杆转角（度）");
    // The output link's maxima are on the panel already: only where they occur.
    appendExtreme(lines, results.maxOmega3, nullptr, "L3杆最大角速度时L1杆转角（度）");
    appendExtreme(lines, results.maxAlpha3, nullptr, "L3杆最大角加速度时L1杆转角（度）");
    return lines;
}

}  // namespace fourbar
