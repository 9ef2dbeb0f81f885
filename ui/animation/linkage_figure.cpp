// Drawing of the linkage figure in the animation window's picture.
#include "ui/animation/linkage_figure.h"

#include "ui/toolkit/drawing_area.h"

namespace fourbar::ui {

void LinkageFigure::setScale(float drawScale, int clientWidthTwips, int clientHeightTwips) {
    const double w = clientWidthTwips;
    const double h = clientHeightTwips;
    // Each bound is held in single precision, as the scale the picture was given.
    const auto left = static_cast<float>(-drawScale * w / 3);
    const auto top = static_cast<float>(drawScale * h / 2);
    const auto right = static_cast<float>(2 * drawScale * w / 3);
    const auto bottom = static_cast<float>(-drawScale * h / 2);
    picture_.setScale(left, top, right, bottom);
    picture_.setBackColor(kEraseColour);
}

void LinkageFigure::axes(float drawScale, int clientWidthTwips, int clientHeightTwips) {
    const double w = clientWidthTwips;
    const double h = clientHeightTwips;
    picture_.line(-0.1 * drawScale * w, 0, 0.6 * drawScale * w, 0, kAxisColour);
    picture_.line(0, -0.1 * drawScale * h, 0, 0.4 * drawScale * h, kAxisColour);
}

void LinkageFigure::groundSymbol(double px) {
    const QColor& c = kDrawingColour;
    picture_.line(px, 0, px - 10, -16, c);
    picture_.line(px, 0, px + 10, -16, c);
    picture_.line(px - 20, -16, px + 20, -16, c);
    picture_.line(px - 10, -16, px - 20, -26, c);
    picture_.line(px, -16, px - 10, -26, c);
    picture_.line(px + 10, -16, px, -26, c);
}

void LinkageFigure::pivotCircles(double L4, const QColor& colour) {
    picture_.circle(0, 0, kJointRadius, colour);
    picture_.circle(L4, 0, kJointRadius, colour);
}

void LinkageFigure::movingParts(const JointPositions& j, double L4, const QColor& colour) {
    picture_.line(0, 0, j.bx, j.by, colour);
    picture_.circle(j.bx, j.by, kJointRadius, colour);
    picture_.line(j.bx, j.by, j.cx, j.cy, colour);
    picture_.circle(j.cx, j.cy, kJointRadius, colour);
    picture_.line(j.cx, j.cy, L4, 0, colour);
}

}  // namespace fourbar::ui
