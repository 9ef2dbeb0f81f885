// The motion diagrams window: layout, the three curve commands, clear and exit.
#include "ui/diagrams/diagrams_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <cmath>

#include "core/linkage.h"
#include "core/result_tables.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

// Client size at layout, twips.
constexpr int kClientWidth = 6645;
constexpr int kClientHeight = 4845;

// Single precision is how the line primitive takes its coordinates.
void segment(DrawingArea& area, double x1, double y1, double x2, double y2, const QColor& colour) {
    area.line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
              static_cast<float>(y2), colour);
}

void axisSegment(DrawingArea& area, double x1, double y1, double x2, double y2) {
    area.line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
              static_cast<float>(y2));
}

}  // namespace

DiagramsWindow::DiagramsWindow(SharedState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    setupWindow(this, "Form3", QStringLiteral("运动线图"), kClientWidth, kClientHeight);
    const QFont font = defaultFont();
    setFont(font);

    picture1_ = makeDrawingArea(this, "Picture1", {120, 120, 5895, 4455});
    command1_ = makeButton(this, "Command1", QStringLiteral("角位移"), {6180, 120, 375, 735}, font);
    command2_ =
        makeButton(this, "Command2", QStringLiteral("角速度"), {6180, 1020, 375, 795}, font);
    command3_ =
        makeButton(this, "Command3", QStringLiteral("角加速度"), {6180, 1980, 375, 795}, font);
    command5_ = makeButton(this, "Command5", QStringLiteral("清除"), {6180, 2940, 375, 735}, font);
    command4_ = makeButton(this, "Command4", QStringLiteral("退出"), {6180, 3840, 375, 795}, font);

    setTabOrder(picture1_, command1_);
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, command3_);
    setTabOrder(command3_, command4_);
    setTabOrder(command4_, command5_);

    connect(command1_, &QPushButton::clicked, this, &DiagramsWindow::onCommand1Clicked);
    connect(command2_, &QPushButton::clicked, this, &DiagramsWindow::onCommand2Clicked);
    connect(command3_, &QPushButton::clicked, this, &DiagramsWindow::onCommand3Clicked);
    connect(command4_, &QPushButton::clicked, this, &DiagramsWindow::onCommand4Clicked);
    connect(command5_, &QPushButton::clicked, this, &DiagramsWindow::onCommand5Clicked);
}

void DiagramsWindow::onCommand1Clicked() {
    drawCurve(Quantity::Angle);
}
void DiagramsWindow::onCommand2Clicked() {
    drawCurve(Quantity::Velocity);
}
void DiagramsWindow::onCommand3Clicked() {
    drawCurve(Quantity::Acceleration);
}

void DiagramsWindow::onCommand4Clicked() {
    hide();
    emit exitRequested();
}

void DiagramsWindow::onCommand5Clicked() {
    picture1_->clear();
}

void DiagramsWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCommand4Clicked();
}

void DiagramsWindow::drawCurve(Quantity quantity) {
    const ResultTables& tables = state_.tables;

    // W and H: the client size in the window's scale units (twips).
    const double w = static_cast<double>(width()) * kTwipsPerPixel;
    const double h = static_cast<double>(height()) * kTwipsPerPixel;

    DrawingArea& area = *picture1_;
    area.setScale(-w / 5, h / 2, 4 * w / 5, -h / 2);
    axisSegment(area, 0, 0, 3.8 * w / 5, 0);
    axisSegment(area, 0, -0.95 * h / 2, 0, 0.95 * h / 2);

    double maximum = 0;
    QColor colour;
    switch (quantity) {
        case Quantity::Angle:
            maximum = tables.maxTheta3;
            colour = kAngleColour;
            break;
        case Quantity::Velocity:
            maximum = tables.maxOmega3;
            colour = kVelocityColour;
            break;
        case Quantity::Acceleration:
            maximum = tables.maxAlpha3;
            colour = kAccelerationColour;
            break;
    }
    // Without a usable maximum no vertical scale exists: the axes stay alone, without a message.
    const float k = static_cast<float>((0.9 * h / 2) / maximum);
    if (!std::isfinite(k) || k == 0) {
        return;
    }
    auto value = [&](int row) -> double {
        switch (quantity) {
            case Quantity::Angle:
                return tables.theta3(row);
            case Quantity::Velocity:
                return tables.omega3(row);
            case Quantity::Acceleration:
                return tables.alpha3(row);
        }
        return 0;
    };

    const MechanismKind kind = kindFromNameAndLengths(state_.linkage);
    const IndexRange range = kindRange(kind, tables);
    if (range.empty()) {
        return;
    }
    const double axisLength = 0.9 * 4 * w / 5;  // the whole analysed range spans 0.72 W
    const double start = tables.startAngle;
    const double end = tables.endAngle;
    int lastSegment = range.last - 1;
    auto x = [&](int row) -> double { return row * axisLength / 360; };
    auto xLimited = [&](int row) -> double {
        // Rows past endAngle belong to the return swing, which runs back towards the origin.
        const double swing =
            (kind == MechanismKind::RockerCrank && row > end) ? 2 * end - row : row;
        return (swing - start) * axisLength / (end - start);
    };
    if (kind == MechanismKind::FullTurn) {
        lastSegment = 358;  // rows 0 to 359: row 360 repeats the pose of row 0
    } else if (!(end - start != 0) || !std::isfinite(axisLength / (end - start))) {
        return;  // a limited range of zero width has no x scale
    }

    for (int i = range.first; i <= lastSegment; ++i) {
        // Only rows the tables hold are read: the kind may have been decided from lengths that
        // were confirmed after the last run.
        if (!tables.holds(i) || !tables.holds(i + 1)) {
            continue;
        }
        const double y1 = value(i) * k;
        const double y2 = value(i + 1) * k;
        // An entry without a value breaks the curve.
        if (!std::isfinite(static_cast<float>(y1)) || !std::isfinite(static_cast<float>(y2))) {
            continue;
        }
        const double x1 = kind == MechanismKind::FullTurn ? x(i) : xLimited(i);
        const double x2 = kind == MechanismKind::FullTurn ? x(i + 1) : xLimited(i + 1);
        segment(area, x1, y1, x2, y2, colour);
    }
}

}  // namespace fourbar::ui
