// The design window's view of a crank-rocker design: reading its boxes, its table's texts, the
// applied lengths and the construction's geometry.
#include "core/design_view.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "core/further_results.h"
#include "core/lenient_number.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace fourbar {

namespace {

constexpr double kPi = std::numbers::pi;

// The swing arc's radius as a part of the rocker, and the limit arc's as a part of AC2, the
// shorter of the two lines it lies between.
constexpr double kSwingArcPart = 0.3;
constexpr double kLimitArcPart = 0.5;
// Degrees between neighbouring points of an arc; at least this many segments per arc.
constexpr double kArcStep = 3;
constexpr int kArcSegments = 8;
// A circle whose diameter exceeds this many times the linkage's extent stays out of the bounding
// box: it is then seen only as an arc through the linkage.
constexpr double kLargestCircle = 4;

std::string fixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return {};
    }
    char buffer[512];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    return {buffer, end};
}

SketchPoint operator+(SketchPoint p, SketchPoint q) {
    return {p.x + q.x, p.y + q.y};
}
SketchPoint operator-(SketchPoint p, SketchPoint q) {
    return {p.x - q.x, p.y - q.y};
}
SketchPoint operator*(double k, SketchPoint p) {
    return {k * p.x, k * p.y};
}

SketchPoint unit(SketchPoint p) {
    const double length = std::hypot(p.x, p.y);
    return length > 0 ? SketchPoint{p.x / length, p.y / length} : SketchPoint{0, 1};
}

SketchPoint direction(double radians) {
    return {std::cos(radians), std::sin(radians)};
}

// The point at `r` from A (the origin) and `s` from D = (l4, 0), above the frame line.
SketchPoint fromBothPivots(double r, double s, double l4) {
    const double x = (r * r - s * s + l4 * l4) / (2 * l4);
    return {x, std::sqrt(std::max(0.0, r * r - x * x))};
}

// The side of a joint away from the links that meet there, where its name stays clear of them;
// where they cancel (two links in line), across them on the side away from `middle`.
SketchPoint awayFrom(SketchPoint joint, std::initializer_list<SketchPoint> ends,
                     SketchPoint middle) {
    SketchPoint sum;
    for (const SketchPoint& end : ends) {
        sum = sum + unit(end - joint);
    }
    if (std::hypot(sum.x, sum.y) >= 0.3) {
        return unit(-1 * sum);
    }
    const SketchPoint u = unit(*ends.begin() - joint);
    const SketchPoint across{-u.y, u.x};
    const SketchPoint outward = joint - middle;
    return across.x * outward.x + across.y * outward.y >= 0 ? across : -1 * across;
}

// The arc at `centre` of radius `r` from the direction of `from` to that of `to`, the short way
// round.
std::vector<SketchPoint> arc(SketchPoint centre, double r, SketchPoint from, SketchPoint to) {
    const double start = std::atan2(from.y - centre.y, from.x - centre.x);
    double span = std::atan2(to.y - centre.y, to.x - centre.x) - start;
    span = std::remainder(span, 2 * kPi);
    const int segments =
        std::max(kArcSegments, static_cast<int>(std::ceil(std::fabs(span) * 180 / kPi / kArcStep)));
    std::vector<SketchPoint> points;
    for (int k = 0; k <= segments; ++k) {
        points.push_back(centre + r * direction(start + span * k / segments));
    }
    return points;
}

// The circle through A (the origin), p and q; none when they lie in line.
std::optional<SketchCircle> circleThroughOrigin(SketchPoint p, SketchPoint q) {
    const double d = 2 * (p.x * q.y - q.x * p.y);
    const double pp = p.x * p.x + p.y * p.y;
    const double qq = q.x * q.x + q.y * q.y;
    const SketchPoint centre{(pp * q.y - qq * p.y) / d, (qq * p.x - pp * q.x) / d};
    const double radius = std::hypot(centre.x, centre.y);
    if (d == 0 || !std::isfinite(radius)) {
        return std::nullopt;
    }
    return SketchCircle{centre, radius};
}

}  // namespace

std::optional<DesignRequest> readDesignRequest(const DesignBoxes& boxes) {
    const std::optional<double> K = leadingNumber(boxes.K);
    const std::optional<double> swing = leadingNumber(boxes.swing);
    const std::optional<double> L3 = leadingNumber(boxes.L3);
    if (!K || !swing || !L3) {
        return std::nullopt;
    }
    DesignRequest request{.K = *K, .swing = *swing, .L3 = *L3, .way = boxes.way};
    if (boxes.way == DesignWay::ByFrame) {
        const std::optional<double> L4 = leadingNumber(boxes.L4);
        if (!L4) {
            return std::nullopt;
        }
        request.L4 = *L4;
    } else if (boxes.way == DesignWay::ByCrank) {
        const std::optional<double> L1 = leadingNumber(boxes.L1);
        if (!L1) {
            return std::nullopt;
        }
        request.L1 = *L1;
    }
    return request;
}

SolutionRow solutionRow(const DesignSolution& s) {
    SolutionRow row;
    const double numbers[] = {
        s.L1, s.L2, s.L3, s.L4, s.limitAngle, s.minTransmissionAngle, s.check.K, s.check.swing};
    const int decimals[] = {4, 4, 4, 4, 3, 3, 6, 4};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        row.cells[i] = fixed(numbers[i], decimals[i]);
        row.exact[i] = plainNumberText(numbers[i]);
    }
    row.belowAllowed = s.minTransmissionAngle < kAllowedTransmissionAngle;
    row.cells[8] = row.belowAllowed ? "小于许用传动角40°" : "";
    return row;
}

std::array<std::string, 4> appliedLengthTexts(const DesignSolution& s) {
    // Beyond 1e15 mm a double holds no thousandths to round (and 1000 times it could overflow).
    const auto rounded = [](double mm) {
        return std::fabs(mm) < 1e15 ? std::round(mm * 1000) / 1000 : mm;
    };
    return {inputNumberText(rounded(s.L1)), inputNumberText(rounded(s.L2)),
            inputNumberText(rounded(s.L3)), inputNumberText(rounded(s.L4))};
}

DesignConstruction designConstruction(const DesignSolution& s) {
    DesignConstruction c;
    c.a = {0, 0};
    c.d = {s.L4, 0};
    c.c1 = fromBothPivots(s.L2 + s.L1, s.L3, s.L4);
    c.c2 = fromBothPivots(s.L2 - s.L1, s.L3, s.L4);
    // B1 lies on AC1 between A and C1; B2 on the line C2A beyond A, since A lies between B2 and
    // C2 when the crank folds back onto the coupler.
    c.b1 = s.L1 * unit(c.c1);
    c.b2 = -s.L1 * unit(c.c2);
    if (s.limitAngle > 0) {
        c.circle = circleThroughOrigin(c.c1, c.c2);
    }
    c.swingArc = arc(c.d, kSwingArcPart * s.L3, c.c1, c.c2);
    if (s.limitAngle > 0) {
        c.limitArc = arc(c.a, kLimitArcPart * (s.L2 - s.L1), c.c1, c.c2);
    }

    SketchPoint lower{c.a.x, c.a.y};
    SketchPoint upper = lower;
    const auto add = [&](SketchPoint p) {
        if (std::isfinite(p.x) && std::isfinite(p.y)) {
            lower = {std::min(lower.x, p.x), std::min(lower.y, p.y)};
            upper = {std::max(upper.x, p.x), std::max(upper.y, p.y)};
        }
    };
    for (const SketchPoint& p : {c.d, c.b1, c.c1, c.b2, c.c2}) {
        add(p);
    }
    const SketchPoint middle = 0.5 * (lower + upper);
    for (const auto* points : {&c.swingArc, &c.limitArc}) {
        for (const SketchPoint& p : *points) {
            add(p);
        }
    }
    const double extent = std::max(upper.x - lower.x, upper.y - lower.y);
    if (c.circle && 2 * c.circle->radius <= kLargestCircle * extent) {
        add(c.circle->centre - SketchPoint{c.circle->radius, c.circle->radius});
        add(c.circle->centre + SketchPoint{c.circle->radius, c.circle->radius});
    }
    c.lower = lower;
    c.upper = upper;

    c.labels = {
        {"A", c.a, awayFrom(c.a, {c.b1, c.b2, c.d}, middle)},
        {"D", c.d, awayFrom(c.d, {c.a, c.c1, c.c2}, middle)},
        {"C1", c.c1, awayFrom(c.c1, {c.b1, c.d}, middle)},
        {"C2", c.c2, awayFrom(c.c2, {c.b2, c.d}, middle)},
        {"B1", c.b1, awayFrom(c.b1, {c.a, c.c1}, middle)},
        {"B2", c.b2, awayFrom(c.b2, {c.a, c.c2}, middle)},
    };
    // The angles' names outside the middle of their arcs.
    const auto arcLabel = [&](const char* name, const std::vector<SketchPoint>& points,
                              SketchPoint centre) {
        const SketchPoint mid = points[points.size() / 2];
        c.labels.push_back({name, mid, unit(mid - centre)});
    };
    arcLabel("ψ", c.swingArc, c.d);
    if (!c.limitArc.empty()) {
        arcLabel("θ", c.limitArc, c.a);
    }
    return c;
}

PlotScale constructionScale(const DesignConstruction& c, double width, double height,
                            double margin) {
    const double roomX = std::max(width - 2 * margin, 1.0);
    const double roomY = std::max(height - 2 * margin, 1.0);
    double perPixel = std::max((c.upper.x - c.lower.x) / roomX, (c.upper.y - c.lower.y) / roomY);
    if (!(perPixel > 0) || !std::isfinite(perPixel)) {
        perPixel = 1;
    }
    const double cx = (c.lower.x + c.upper.x) / 2;
    const double cy = (c.lower.y + c.upper.y) / 2;
    return {.left = cx - perPixel * width / 2,
            .top = cy + perPixel * height / 2,
            .right = cx + perPixel * width / 2,
            .bottom = cy - perPixel * height / 2};
}

}  // namespace fourbar
