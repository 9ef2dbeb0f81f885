// The motion diagrams: the scale, the axes and each curve of the output link, in the plot's user
// coordinates.
#pragma once

#include <vector>

#include "core/colour.h"
#include "core/shared_state.h"

namespace fourbar {

// The output-link quantity a curve plots.
enum class DiagramQuantity {
    Theta3,  // angle, blue
    Omega3,  // angular velocity, red
    Alpha3,  // angular acceleration, dark green
};

// A point in the plot's user units (twips of the window's client area), rounded to single
// precision, as the line primitive takes its coordinates.
struct PlotPoint {
    float x = 0;
    float y = 0;
    bool operator==(const PlotPoint&) const = default;
};

struct PlotSegment {
    PlotPoint from;
    PlotPoint to;
    bool operator==(const PlotSegment&) const = default;
};

// User coordinates of the plot's top-left and bottom-right corners: y runs upwards.
struct PlotScale {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool operator==(const PlotScale&) const = default;
};

// One consecutive run of points; drawn as the segments between neighbours.
using Polyline = std::vector<PlotPoint>;

// What a curve command draws: the scale, then the axes in the foreground colour, then the curve in
// its colour. A curve without polylines leaves the axes alone.
struct MotionDiagram {
    PlotScale scale;
    PlotSegment xAxis;
    PlotSegment yAxis;
    std::vector<Polyline> curve;  // each of at least two points
    Rgb colour;
};

// The diagram of `quantity` for a client area of clientWidth x clientHeight twips. The curve comes
// from state.analysis (its sweep, rows, startAngle and endAngle), scaled to state.maxima so that
// 0.9 of the half height stands for the largest magnitude since the last clear; the whole analysed
// range spans 0.72 of the width. It is broken wherever a value is missing (NaN) or does not fit
// single precision. The axes come alone before any analysis, when the maximum gives no usable
// scale factor, when the sweep's range is empty, and for a limited sweep whose range has no width.
MotionDiagram motionDiagram(DiagramQuantity quantity, const SharedState& state, double clientWidth,
                            double clientHeight);

}  // namespace fourbar
