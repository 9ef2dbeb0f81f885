// The motion diagrams window: its widgets, and the curves that core/diagrams lays out, painted.
#include "ui/diagrams/diagrams_window.h"

#include <QColor>

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

// Client size at layout, twips.
constexpr int kClientWidth = 6645;
constexpr int kClientHeight = 4845;

// Every widget of the window; "退出" comes before "清除" in the tab order, though it lies below it.
// clang-format off
constexpr WidgetSpec<DiagramsWindow> kWidgets[] = {
    {WidgetKind::Picture, "Picture1", "", {120, 120, 5895, 4455}, kDefaultFontSpec, 1, nullptr},
    {WidgetKind::Button, "Command1", "角位移", {6180, 120, 375, 735}, kDefaultFontSpec, 2, &DiagramsWindow::onAngleClicked},
    {WidgetKind::Button, "Command2", "角速度", {6180, 1020, 375, 795}, kDefaultFontSpec, 3, &DiagramsWindow::onVelocityClicked},
    {WidgetKind::Button, "Command3", "角加速度", {6180, 1980, 375, 795}, kDefaultFontSpec, 4, &DiagramsWindow::onAccelerationClicked},
    {WidgetKind::Button, "Command5", "清除", {6180, 2940, 375, 735}, kDefaultFontSpec, 6, &DiagramsWindow::onClearClicked},
    {WidgetKind::Button, "Command4", "退出", {6180, 3840, 375, 795}, kDefaultFontSpec, 5, &DiagramsWindow::exitWindow},
};
// clang-format on

}  // namespace

DiagramsWindow::DiagramsWindow(SharedState& state, QWidget* parent)
    : ChildWindow(parent), state_(state) {
    client_ = setupWindow(this, "Form3", QStringLiteral("运动线图"), kClientWidth, kClientHeight);
    setFont(defaultFont());
    buildWidgets<DiagramsWindow>(this, client_, kWidgets);
    plotArea_ = widget<DrawingArea>(this, "Picture1");
    plotArea_->enableSavePicture(true, QStringLiteral("运动线图.png"));
}

void DiagramsWindow::onAngleClicked() {
    draw(DiagramQuantity::Theta3);
}
void DiagramsWindow::onVelocityClicked() {
    draw(DiagramQuantity::Omega3);
}
void DiagramsWindow::onAccelerationClicked() {
    draw(DiagramQuantity::Alpha3);
}

void DiagramsWindow::onClearClicked() {
    plotArea_->clear();
}

void DiagramsWindow::draw(DiagramQuantity quantity) {
    // The scale follows the client size as it stands, in twips.
    const MotionDiagram diagram =
        motionDiagram(quantity, state_, static_cast<double>(client_->width()) * kTwipsPerPixel,
                      static_cast<double>(client_->height()) * kTwipsPerPixel);
    DrawingArea& area = *plotArea_;
    const PlotScale& s = diagram.scale;
    area.setScale(s.left, s.top, s.right, s.bottom);
    for (const PlotSegment& axis : {diagram.xAxis, diagram.yAxis}) {
        area.line(axis.from.x, axis.from.y, axis.to.x, axis.to.y);
    }
    const QColor colour(diagram.colour.red, diagram.colour.green, diagram.colour.blue);
    // Segment by segment: a polyline primitive could join and end the segments on other pixels.
    for (const Polyline& polyline : diagram.curve) {
        for (std::size_t i = 1; i < polyline.size(); ++i) {
            area.line(polyline[i - 1].x, polyline[i - 1].y, polyline[i].x, polyline[i].y, colour);
        }
    }
}

}  // namespace fourbar::ui
