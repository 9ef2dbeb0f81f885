// The animation window's demonstration as plain data: its state through Demonstrate, Stop,
// Continue, Range and the timer's steps, and the drawing each of them asks for.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "core/animation.h"
#include "core/colour.h"
#include "core/coupler_point.h"
#include "core/position_tables.h"
#include "core/shared_state.h"

namespace fourbar {

// ---- Drawing data ---------------------------------------------------------------------------

inline constexpr Rgb kDrawingColour{255, 255, 0};  // links, joint circles, ground symbols
inline constexpr Rgb kBackgroundColour{0, 0, 0};   // erasing draws a figure over in it
inline constexpr Rgb kAxisColour{225, 0, 0};       // red at 225, not 255
inline constexpr Rgb kCouplerPathColour{255, 0, 255};

// A straight stroke in the linkage plane: mm, A at the origin, y up.
struct Segment {
    double x1 = 0;  // mm
    double y1 = 0;  // mm
    double x2 = 0;  // mm
    double y2 = 0;  // mm
    Rgb colour;
    int width = 1;  // pixels of the pen
    bool operator==(const Segment&) const = default;
};

// A circle in the linkage plane; its radius is measured along the picture's x axis.
struct Circle {
    double x = 0;       // mm, centre
    double y = 0;       // mm
    double radius = 0;  // mm
    Rgb colour;
    int width = 1;  // pixels of the pen
    bool operator==(const Circle&) const = default;
};

using Shape = std::variant<Segment, Circle>;

// The picture's user coordinates: x of its left and right edges, y of its top and bottom edges,
// each held in single precision. A negative coefficient makes left > right and top < bottom.
struct PictureScale {
    float left = 0;  // mm
    float top = 0;
    float right = 0;
    float bottom = 0;
    bool operator==(const PictureScale&) const = default;
};

// What one command or step draws on the picture, in this order.
struct Drawing {
    // When set, the picture is first emptied to kBackgroundColour and given this scale.
    std::optional<PictureScale> reset;
    std::vector<Shape> shapes;
};

// Where the drawing goes.
struct Viewport {
    // The window's client area, twips (7260 x 5280 as laid out): the scale and the axes are
    // fractions of it, read again at every drawing.
    int clientWidth = 0;
    int clientHeight = 0;
    // The picture, logical pixels: how near an erased stroke must pass the coupler path to take
    // some of its pixels.
    int pictureWidth = 0;
    int pictureHeight = 0;
};

// ---- Figure geometry ------------------------------------------------------------------------

// The scale coefficient used for 0 and for any value that gives no usable scale.
inline constexpr double kDefaultScaleCoefficient = 5;

// mm of linkage per twip of the window's client area, in single precision:
// coefficient x 1.4 / 56.693. 56.693 twips make a millimetre (1440 twips an inch over 25.4 mm),
// so a coefficient c draws c x 1.4 mm of linkage per millimetre of the laid-out window: the
// program's fixed factor 1.4 makes the default 5 show 7 mm of linkage per mm.
float drawScaleOf(double coefficient);

// The coefficient Demonstrate and Range draw at for the value typed (read leniently): 0, and a
// value whose picture over a client of w x h twips would have no extent or no finite bounds in
// single precision, give 5. A negative value is kept: it turns the figure by 180 degrees.
double usableCoefficient(double typed, int clientWidthTwips, int clientHeightTwips);

// The picture's coordinates at drawScale over a client of w x h twips: A lies a third of the width
// from the left edge and halfway down; the picture spans drawScale w mm across and drawScale h
// down.
PictureScale pictureScale(float drawScale, int clientWidthTwips, int clientHeightTwips);

// Joint circles: radius in mm (along the x axis), so they grow and shrink with the scale.
inline constexpr double kJointRadius = 3;

// The ground symbol under a frame pivot (px, 0), as offsets from it in mm: a triangle from the
// pivot down to a base 40 long and 16 below it, then three hatch strokes at 45 degrees below the
// base, each 10 to the left and 10 down (26 down in all).
struct GroundStroke {
    double x1, y1, x2, y2;  // mm from the pivot
};
inline constexpr double kGroundSymbolWidth = 40;  // mm, the base
inline constexpr GroundStroke kGroundSymbol[] = {
    {0, 0, -10, -16},     {0, 0, 10, -16},    {-20, -16, 20, -16},
    {-10, -16, -20, -26}, {0, -16, -10, -26}, {10, -16, 0, -26},
};

// ---- The demonstration ----------------------------------------------------------------------

// The animation window's state and rules. Demonstrate builds the position tables of the whole
// cycle of the linkage's sweep and starts the cycle; each step erases the figure, advances
// frameIndex by the advance rule (nextFrame) and draws the figure at the new position, in one
// drawing, so that no half-erased figure is ever shown. Range superimposes sampled positions.
//
// The demonstration keeps the analysis its tables were built from: a step, Stop or Continue after
// another execute made a new analysis works on nothing (and a step stops the cycle) instead of
// drawing tables that belong to no current linkage. `current` is the analysis the program holds
// now.
//
// With a coupler point, every figure adds the segments BP and CP to BC, and Demonstrate and Range
// draw P's whole path in kCouplerPathColour, 1 pixel wide; a step draws again the stretches of the
// path its erase pass crossed, before the new figure. The point in use is the one given to the
// last Demonstrate or Range, so that each erase takes away exactly what was drawn.
class Demonstration {
  public:
    // "演示": clears the picture to the scale of the coefficient, fills the position tables over
    // the sweep, draws the path and the first figure and starts the cycle (afresh when it runs).
    // nullopt, with nothing changed, when `analysis` is null or does not hold every row of the
    // sweep: the window then asks for an analysis.
    std::optional<Drawing> demonstrate(std::shared_ptr<const Analysis> analysis,
                                       double typedCoefficient, int frameStep,
                                       std::optional<CouplerPoint> point, const Viewport& view);
    // "范围": stops the cycle and superimposes the sampled positions (rangeSamples) at the width
    // the last figure left, 1 before any demonstration and 2 after, then the path. The tables
    // then hold only the samples and frameIndex lies past them: Stop and Continue do nothing until
    // the next Demonstrate. nullopt, with nothing changed, as for Demonstrate.
    std::optional<Drawing> range(std::shared_ptr<const Analysis> analysis, double typedCoefficient,
                                 std::optional<CouplerPoint> point, const Viewport& view);
    // "停止": ends the cycle and draws the moving parts again at frameIndex.
    Drawing stop(const Analysis* current);
    // "继续": runs the cycle again from frameIndex; nothing while it runs or without a current
    // position.
    void resume(const Analysis* current);
    // One tick of the cycle: erase, advance, repair the path, draw. Empty when the cycle is not
    // running; without a current position it ends the cycle instead.
    Drawing step(const Analysis* current, const Viewport& view);
    // The window is left: the cycle ends; everything else stays for its next showing.
    void leave() { running_ = false; }

    // The scroll bar's value; takes effect at the next step and turns a double rocker that moved
    // back towards startAngle forward again.
    void setFrameStep(int frameStep) { position_.frameStep = frameStep; }
    // The coefficient's box got the focus: 0 until the next Demonstrate or Range reads it.
    void resetCoefficient() { scaleCoefficient_ = 0; }

    bool running() const { return running_; }
    int frameIndex() const { return position_.frameIndex; }  // position index, 16-bit range
    int frameStep() const { return position_.frameStep; }    // signed: the double rocker negates it
    double scaleCoefficient() const { return scaleCoefficient_; }
    float drawScale() const { return drawScale_; }  // mm of linkage per twip of the client area
    const PositionTables& positionTables() const { return positions_; }
    // True from a Demonstrate until the next Range, while the analysis is `current`: Stop and
    // Continue have a position to work on.
    bool positionCurrent(const Analysis* current) const;
    // The pen width the last figure left: Range draws at it.
    int drawWidth() const { return figureWidth_; }
    // Steps taken since the last Demonstrate.
    std::uint64_t stepsTaken() const { return steps_; }
    // P's path as Demonstrate and Range drew it, in index order; empty without a point.
    const std::vector<Segment>& couplerPathSegments() const { return path_; }

  private:
    // Common to Demonstrate and Range: the coefficient, the scale and the reset of the picture.
    Drawing startPicture(double typedCoefficient, const Viewport& view);
    void buildPath(std::optional<CouplerPoint> point);

    void drawFigure(Drawing& out, const Viewport& view);
    void axes(Drawing& out, const Viewport& view, int width) const;
    void groundSymbol(Drawing& out, double px, int width) const;
    void pivotCircles(Drawing& out, Rgb colour, int width) const;
    void movingParts(Drawing& out, const JointPositions& joints, Rgb colour, int width) const;
    // The path segments that the shapes from `erasedFrom` on come near, drawn again.
    void repairPath(Drawing& out, std::size_t erasedFrom, const Viewport& view) const;

    std::shared_ptr<const Analysis> built_;  // the analysis the tables were built from
    Sweep sweep_ = Sweep::FullTurn;
    PositionTables positions_;
    FramePosition position_{0, 0};
    double scaleCoefficient_ = 0;
    float drawScale_ = 0;
    PictureScale scale_;
    std::optional<CouplerPoint> point_;
    std::vector<Segment> path_;
    int figureWidth_ = 1;
    bool hasPosition_ = false;
    bool running_ = false;
    std::uint64_t steps_ = 0;
};

}  // namespace fourbar
