// The figure of the linkage in the animation window's picture: scale, axes, ground symbols, joints
// and links, drawn in the drawing colour and erased by drawing over in black.
#pragma once

#include <QColor>

#include "core/position_tables.h"

namespace fourbar::ui {

class DrawingArea;

inline const QColor kDrawingColour{255, 255, 0};
inline const QColor kEraseColour{0, 0, 0};  // also the background
inline const QColor kAxisColour{225, 0, 0};

// Draws on one picture in user coordinates of mm, y up. Every shape uses the picture's current
// draw width; the callers set it where the figure needs a width of its own.
class LinkageFigure {
  public:
    explicit LinkageFigure(DrawingArea& picture) : picture_(picture) {}

    // drawScale in mm of linkage per twip of the window's client area (W x H twips): A lies a third
    // of the width from the left and halfway down. Also sets the black background, clearing.
    void setScale(float drawScale, int clientWidthTwips, int clientHeightTwips);
    // The x axis, then the y axis, in the axis colour, spanning fixed fractions of the picture.
    void axes(float drawScale, int clientWidthTwips, int clientHeightTwips);
    // The ground triangle under the frame pivot (px, 0) with three hatch strokes: 40 across, 26
    // down.
    void groundSymbol(double px);
    // The circle of radius 3 around A, then around D = (L4, 0).
    void pivotCircles(double L4, const QColor& colour);
    // Line AB, the circle around B, line BC, the circle around C and line CD.
    void movingParts(const JointPositions& joints, double L4, const QColor& colour);

    static constexpr double kJointRadius = 3;  // mm, in units of the x axis

  private:
    DrawingArea& picture_;
};

}  // namespace fourbar::ui
