// The motion diagrams: mapping the output link's tables onto the plot.
#include "core/diagrams.h"

#include <cmath>

namespace fourbar {

namespace {

PlotPoint singlePrecision(double x, double y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

// The table value of `quantity` at `row` and the running maximum it is scaled to.
double value(DiagramQuantity quantity, const ResultTables& tables, int row) {
    switch (quantity) {
        case DiagramQuantity::Theta3:
            return tables.theta3(row);
        case DiagramQuantity::Omega3:
            return tables.omega3(row);
        case DiagramQuantity::Alpha3:
            return tables.alpha3(row);
    }
    return 0;
}

double maximum(DiagramQuantity quantity, const Maxima& maxima) {
    switch (quantity) {
        case DiagramQuantity::Theta3:
            return maxima.theta3;
        case DiagramQuantity::Omega3:
            return maxima.omega3;
        case DiagramQuantity::Alpha3:
            return maxima.alpha3;
    }
    return 0;
}

Rgb colour(DiagramQuantity quantity) {
    switch (quantity) {
        case DiagramQuantity::Theta3:
            return {0, 0, 255};
        case DiagramQuantity::Omega3:
            return {255, 0, 0};
        case DiagramQuantity::Alpha3:
            return {60, 128, 0};
    }
    return {};
}

}  // namespace

MotionDiagram motionDiagram(DiagramQuantity quantity, const SharedState& state, double clientWidth,
                            double clientHeight) {
    const double w = clientWidth;
    const double h = clientHeight;
    MotionDiagram diagram;
    diagram.scale = {-w / 5, h / 2, 4 * w / 5, -h / 2};
    diagram.xAxis = {singlePrecision(0, 0), singlePrecision(3.8 * w / 5, 0)};
    diagram.yAxis = {singlePrecision(0, -0.95 * h / 2), singlePrecision(0, 0.95 * h / 2)};
    diagram.colour = colour(quantity);

    if (!state.analysis) {
        return diagram;
    }
    const Analysis& analysis = *state.analysis;
    const ResultTables& tables = analysis.tables;
    // Single precision on purpose: the curves users compare against were scaled with it.
    const float k = static_cast<float>((0.9 * h / 2) / maximum(quantity, state.maxima));
    const Sweep sweep = analysis.sweep;
    const IndexRange range = analysis.sweepRows();
    const double start = tables.startAngle;
    const double end = tables.endAngle;
    if (!std::isfinite(k) || k == 0 || range.empty() ||
        (sweep != Sweep::FullTurn && end == start)) {
        return diagram;
    }
    const double axisLength = 0.9 * 4 * w / 5;  // the whole analysed range spans 0.72 W
    auto x = [&](int row) -> double {
        if (sweep == Sweep::FullTurn) {
            return row * axisLength / 360;
        }
        // Rows past endAngle belong to the return swing, which runs back towards the origin.
        const double swing = (sweep == Sweep::RockerCrank && row > end) ? 2 * end - row : row;
        return (swing - start) * axisLength / (end - start);
    };
    auto point = [&](int row) {
        return singlePrecision(x(row), value(quantity, tables, row) * static_cast<double>(k));
    };
    // A full turn ends at row 359: row 360 repeats the pose of row 0.
    const int lastSegment = sweep == Sweep::FullTurn ? 358 : range.last - 1;

    Polyline run;
    auto endRun = [&] {
        if (!run.empty()) {
            diagram.curve.push_back(std::move(run));
            run.clear();
        }
    };
    for (int i = range.first; i <= lastSegment; ++i) {
        // A run that could not close the loop left no rows to read.
        if (!tables.holds(i) || !tables.holds(i + 1)) {
            endRun();
            continue;
        }
        const PlotPoint from = point(i);
        const PlotPoint to = point(i + 1);
        // An entry without a value breaks the curve.
        if (!std::isfinite(from.y) || !std::isfinite(to.y)) {
            endRun();
            continue;
        }
        if (run.empty()) {
            run.push_back(from);
        }
        run.push_back(to);
    }
    endRun();
    return diagram;
}

}  // namespace fourbar
