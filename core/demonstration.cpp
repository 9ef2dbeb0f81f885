// The demonstration's state and the drawings of its commands and steps: scale, figure, erase pass
// and the coupler path.
#include "core/demonstration.h"

#include <algorithm>
#include <cmath>

#include "core/coupler_path.h"

namespace fourbar {

namespace {

constexpr double kTwipsPerMillimetre = 56.693;  // 1440 twips an inch / 25.4 mm
constexpr double kLinkagePerScreen = 1.4;       // mm of linkage per mm of window at coefficient 1

// The axes, as parts of the picture's span: the x axis from a tenth of the width left of A to
// six tenths right of it, the y axis from a tenth of the height below A to four tenths above.
constexpr double kAxisBehind = 0.1;
constexpr double kXAxisAhead = 0.6;
constexpr double kYAxisAhead = 0.4;

// Pen widths in pixels: axes and ground symbols are thin, links and joints bold.
constexpr int kThin = 1;
constexpr int kBold = 2;
constexpr int kPathWidth = 1;

// How far beyond its line an erased stroke may take pixels of the coupler path: the erasing pen's
// half width (1 pixel), the rounding of both strokes' ends to whole pixels (under 1 pixel each) and
// the path pen's half width (half a pixel), with room to spare.
constexpr double kPathReachPixels = 6;

double pointSegmentDistance(double px, double py, const Segment& s) {
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (s.x1 + t * dx), py - (s.y1 + t * dy));
}

// The signed area of the triangle (a, b, c): which side of ab the point c lies on.
double side(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

double segmentDistance(const Segment& a, const Segment& b) {
    const double d1 = side(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1);
    const double d2 = side(a.x1, a.y1, a.x2, a.y2, b.x2, b.y2);
    const double d3 = side(b.x1, b.y1, b.x2, b.y2, a.x1, a.y1);
    const double d4 = side(b.x1, b.y1, b.x2, b.y2, a.x2, a.y2);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
        return 0;  // they cross
    }
    return std::min({pointSegmentDistance(b.x1, b.y1, a), pointSegmentDistance(b.x2, b.y2, a),
                     pointSegmentDistance(a.x1, a.y1, b), pointSegmentDistance(a.x2, a.y2, b)});
}

}  // namespace

float drawScaleOf(double coefficient) {
    return static_cast<float>(coefficient * kLinkagePerScreen / kTwipsPerMillimetre);
}

double usableCoefficient(double typed, int clientWidthTwips, int clientHeightTwips) {
    const float scale = drawScaleOf(typed);
    const auto across = static_cast<float>(static_cast<double>(scale) * clientWidthTwips);
    const auto down = static_cast<float>(static_cast<double>(scale) * clientHeightTwips);
    if (typed == 0 || scale == 0 || !std::isfinite(across) || !std::isfinite(down)) {
        return kDefaultScaleCoefficient;
    }
    return typed;
}

PictureScale pictureScale(float drawScale, int clientWidthTwips, int clientHeightTwips) {
    const double w = clientWidthTwips;
    const double h = clientHeightTwips;
    // A a third of the width from the left edge and halfway down; the expressions keep the
    // program's own roundings.
    return {
        .left = static_cast<float>(-drawScale * w / 3),
        .top = static_cast<float>(drawScale * h / 2),
        .right = static_cast<float>(2 * drawScale * w / 3),
        .bottom = static_cast<float>(-drawScale * h / 2),
    };
}

// ---- Commands -------------------------------------------------------------------------------

std::optional<Drawing> Demonstration::demonstrate(std::shared_ptr<const Analysis> analysis,
                                                  double typedCoefficient, int frameStep,
                                                  std::optional<CouplerPoint> point,
                                                  const Viewport& view) {
    if (!analysis || !coversAnimation(*analysis)) {
        return std::nullopt;
    }
    Drawing out = startPicture(typedCoefficient, view);
    position_.frameStep = frameStep;
    built_ = std::move(analysis);
    sweep_ = animationSweep(*built_);
    positions_ = demonstrationTables(*built_);
    position_.frameIndex = positions_.range().first;
    hasPosition_ = true;
    running_ = true;
    steps_ = 0;
    buildPath(point);
    // The figure moves over the path.
    out.shapes.insert(out.shapes.end(), path_.begin(), path_.end());
    drawFigure(out, view);
    return out;
}

std::optional<Drawing> Demonstration::range(std::shared_ptr<const Analysis> analysis,
                                            double typedCoefficient,
                                            std::optional<CouplerPoint> point,
                                            const Viewport& view) {
    if (!analysis || !coversAnimation(*analysis)) {
        return std::nullopt;
    }
    // The sampled tables leave the linkage without a current position, so nothing may step on.
    running_ = false;
    hasPosition_ = false;
    Drawing out = startPicture(typedCoefficient, view);
    built_ = std::move(analysis);
    sweep_ = animationSweep(*built_);
    buildPath(point);
    const RangeSamples samples = rangeSamples(*built_);
    positions_.rebuild(samples.tables);
    const int width = figureWidth_;
    for (const Frame& sample : samples.samples) {
        positions_.store(sample.frameIndex, sample.joints);
        axes(out, view, width);
        pivotCircles(out, kDrawingColour, width);
        groundSymbol(out, 0, width);
        groundSymbol(out, built_->linkage.L4, width);
        movingParts(out, sample.joints, kDrawingColour, width);
    }
    position_.frameIndex = samples.frameIndexAfter;
    // Over the figures, which would otherwise hide most of it.
    out.shapes.insert(out.shapes.end(), path_.begin(), path_.end());
    return out;
}

Drawing Demonstration::stop(const Analysis* current) {
    running_ = false;
    Drawing out;
    if (positionCurrent(current)) {
        movingParts(out, positions_.at(position_.frameIndex), kDrawingColour, kBold);
        figureWidth_ = kBold;
    }
    return out;
}

void Demonstration::resume(const Analysis* current) {
    if (!running_ && positionCurrent(current)) {
        running_ = true;
    }
}

Drawing Demonstration::step(const Analysis* current, const Viewport& view) {
    if (!running_) {
        return {};
    }
    if (!positionCurrent(current)) {
        running_ = false;
        return {};
    }
    Drawing out;
    // A turning crank's figure has no axes, and its pivot circles go with it.
    if (sweep_ == Sweep::FullTurn) {
        pivotCircles(out, kBackgroundColour, kBold);
    }
    movingParts(out, positions_.at(position_.frameIndex), kBackgroundColour, kBold);
    const ResultTables& t = built_->tables;
    position_ = nextFrame(sweep_, position_, t.startAngle, t.endAngle);
    repairPath(out, 0, view);
    drawFigure(out, view);
    ++steps_;
    return out;
}

bool Demonstration::positionCurrent(const Analysis* current) const {
    return hasPosition_ && built_ != nullptr && built_.get() == current &&
           positions_.contains(position_.frameIndex);
}

// ---- Drawing --------------------------------------------------------------------------------

Drawing Demonstration::startPicture(double typedCoefficient, const Viewport& view) {
    scaleCoefficient_ = usableCoefficient(typedCoefficient, view.clientWidth, view.clientHeight);
    drawScale_ = drawScaleOf(scaleCoefficient_);
    scale_ = pictureScale(drawScale_, view.clientWidth, view.clientHeight);
    return Drawing{.reset = scale_, .shapes = {}};
}

void Demonstration::buildPath(std::optional<CouplerPoint> point) {
    point_ = point;
    path_.clear();
    if (!point) {
        return;
    }
    const IndexRange sweep = animationRange(*built_);
    std::optional<CouplerPosition> previous;
    for (const CouplerPathRow& row : couplerPath(*built_, *point)) {
        if (!sweep.contains(row.index)) {
            continue;
        }
        const CouplerPosition at{row.x, row.y};
        if (previous) {
            path_.push_back({previous->x, previous->y, at.x, at.y, kCouplerPathColour, kPathWidth});
        }
        previous = at;
    }
    if (path_.empty() && previous) {
        // A sweep of one row: the path is a point.
        path_.push_back(
            {previous->x, previous->y, previous->x, previous->y, kCouplerPathColour, kPathWidth});
    }
}

void Demonstration::drawFigure(Drawing& out, const Viewport& view) {
    // The limited kinds swing about the axes; a turning crank's figure is drawn without them.
    if (sweep_ != Sweep::FullTurn) {
        axes(out, view, kThin);
    }
    groundSymbol(out, 0, kThin);
    groundSymbol(out, built_->linkage.L4, kThin);
    pivotCircles(out, kDrawingColour, kBold);
    movingParts(out, positions_.at(position_.frameIndex), kDrawingColour, kBold);
    figureWidth_ = kBold;
}

void Demonstration::axes(Drawing& out, const Viewport& view, int width) const {
    const double w = view.clientWidth;
    const double h = view.clientHeight;
    out.shapes.push_back(Segment{-kAxisBehind * drawScale_ * w, 0, kXAxisAhead * drawScale_ * w, 0,
                                 kAxisColour, width});
    out.shapes.push_back(Segment{0, -kAxisBehind * drawScale_ * h, 0, kYAxisAhead * drawScale_ * h,
                                 kAxisColour, width});
}

void Demonstration::groundSymbol(Drawing& out, double px, int width) const {
    for (const GroundStroke& s : kGroundSymbol) {
        out.shapes.push_back(Segment{px + s.x1, s.y1, px + s.x2, s.y2, kDrawingColour, width});
    }
}

void Demonstration::pivotCircles(Drawing& out, Rgb colour, int width) const {
    out.shapes.push_back(Circle{0, 0, kJointRadius, colour, width});
    out.shapes.push_back(Circle{built_->linkage.L4, 0, kJointRadius, colour, width});
}

void Demonstration::movingParts(Drawing& out, const JointPositions& j, Rgb colour,
                                int width) const {
    const double L4 = built_->linkage.L4;
    out.shapes.push_back(Segment{0, 0, j.bx, j.by, colour, width});
    out.shapes.push_back(Circle{j.bx, j.by, kJointRadius, colour, width});
    out.shapes.push_back(Segment{j.bx, j.by, j.cx, j.cy, colour, width});
    out.shapes.push_back(Circle{j.cx, j.cy, kJointRadius, colour, width});
    out.shapes.push_back(Segment{j.cx, j.cy, L4, 0, colour, width});
    if (point_) {
        const CouplerPosition p = couplerPointAt(j.bx, j.by, j.cx, j.cy, *point_);
        out.shapes.push_back(Segment{j.bx, j.by, p.x, p.y, colour, width});
        out.shapes.push_back(Segment{j.cx, j.cy, p.x, p.y, colour, width});
    }
}

void Demonstration::repairPath(Drawing& out, std::size_t erasedFrom, const Viewport& view) const {
    if (path_.empty()) {
        return;
    }
    // mm per pixel along the coarser axis; a picture without pixels has every segment redrawn.
    double mmPerPixel = INFINITY;
    if (view.pictureWidth > 0 && view.pictureHeight > 0) {
        mmPerPixel = std::max(std::abs(double(scale_.right) - scale_.left) / view.pictureWidth,
                              std::abs(double(scale_.top) - scale_.bottom) / view.pictureHeight);
    }
    const double reach = kPathReachPixels * mmPerPixel;
    std::vector<bool> crossed(path_.size(), false);
    const std::size_t erasedTo = out.shapes.size();
    for (std::size_t e = erasedFrom; e < erasedTo; ++e) {
        for (std::size_t k = 0; k < path_.size(); ++k) {
            if (crossed[k]) {
                continue;
            }
            if (const auto* s = std::get_if<Segment>(&out.shapes[e])) {
                crossed[k] = segmentDistance(*s, path_[k]) <= reach;
            } else {
                const Circle& c = std::get<Circle>(out.shapes[e]);
                crossed[k] = pointSegmentDistance(c.x, c.y, path_[k]) <= std::abs(c.radius) + reach;
            }
        }
    }
    for (std::size_t k = 0; k < path_.size(); ++k) {
        if (crossed[k]) {
            out.shapes.push_back(path_[k]);
        }
    }
}

}  // namespace fourbar
