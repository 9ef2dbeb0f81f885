// What the design window shows of a crank-rocker design: the request read from its boxes, the
// refusals, each solution as a row of texts, the lengths "应用" writes, and the textbook
// construction of a solution laid out for drawing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/crank_rocker_design.h"
#include "core/diagrams.h"

namespace fourbar {

// The texts of the design window's boxes and the way chosen.
struct DesignBoxes {
    std::string K;
    std::string swing;  // degrees
    std::string L3;     // mm
    DesignWay way = DesignWay::ByFrame;
    std::string L4;  // mm; read for ByFrame only
    std::string L1;  // mm; read for ByCrank only
};

// The request the boxes give, each the number its text begins with; nullopt when a box the way
// reads does not begin with a number (an empty box is not 0 here). Values out of range are left
// to designCrankRocker to refuse.
std::optional<DesignRequest> readDesignRequest(const DesignBoxes& boxes);

// The headings of the solution table's columns, in the order of SolutionRow::cells.
inline constexpr std::array<std::string_view, 9> kSolutionColumns{{
    "L1(mm)",
    "L2(mm)",
    "L3(mm)",
    "L4(mm)",
    "极位夹角θ(度)",
    "最小传动角(度)",
    "校核K",
    "校核摆角(度)",
    "备注",
}};

// One solution as the table lists it.
struct SolutionRow {
    // L1..L4 with 4 decimals, the limit angle and the minimum transmission angle with 3, the K the
    // analysis gives back with 6 and its swing with 4; then the remark.
    std::array<std::string, 9> cells;
    // The eight numbers with 15 significant digits (numberText), for a closer look.
    std::array<std::string, 8> exact;
    bool belowAllowed = false;  // the minimum transmission angle is below 40 degrees
};

SolutionRow solutionRow(const DesignSolution& solution);

// L1..L4 as "应用" writes them into the main window's boxes: rounded to 0.001 mm and written as
// the presets write their numbers (inputNumberText): " 60", " 61.499".
std::array<std::string, 4> appliedLengthTexts(const DesignSolution& solution);

// A point of the construction, in mm: A at the origin, D at (L4, 0), y up.
struct SketchPoint {
    double x = 0;
    double y = 0;
    bool operator==(const SketchPoint&) const = default;
};

struct SketchCircle {
    SketchPoint centre;
    double radius = 0;  // mm
};

// A name placed beside its point, on the side `away` (a unit vector) points to.
struct SketchLabel {
    std::string text;
    SketchPoint at;
    SketchPoint away;
};

// The textbook construction of a crank-rocker from K and the swing: the rocker DC in its two limit
// positions DC1 (crank and coupler stretched in line, AC1 = L2 + L1) and DC2 (folded,
// AC2 = L2 - L1) with the swing between them, the circle through C1, C2 and A on which C1C2 is
// seen under the limit angle theta, and the linkage in both limit positions, A-B1-C1 and A-B2-C2.
// C1 and C2 lie above the frame line.
struct DesignConstruction {
    SketchPoint a;
    SketchPoint d;
    SketchPoint b1;
    SketchPoint c1;
    SketchPoint b2;
    SketchPoint c2;
    // Through C1, C2 and A; none when K = 1 puts A on the line C1C2 (or the circle is too large
    // for double precision).
    std::optional<SketchCircle> circle;
    std::vector<SketchPoint> swingArc;  // at D, from DC1 to DC2
    std::vector<SketchPoint> limitArc;  // at A, from AC1 to AC2; empty for K = 1
    // A, D, C1, C2, B1, B2, then "ψ" beside the swing arc and "θ" beside the limit arc.
    std::vector<SketchLabel> labels;
    // The bounding box of the points, the arcs and the circle; a circle far larger than the
    // linkage (K near 1) is left out, so that the linkage is not drawn tiny.
    SketchPoint lower;
    SketchPoint upper;
};

DesignConstruction designConstruction(const DesignSolution& solution);

// The user coordinates of the corners of an area of width x height pixels that shows the
// construction's bounding box whole, centred, at one scale on both axes (y up), with `margin`
// pixels free on every side for the labels.
PlotScale constructionScale(const DesignConstruction& construction, double width, double height,
                            double margin);

}  // namespace fourbar
