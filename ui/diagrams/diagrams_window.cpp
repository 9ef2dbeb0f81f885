// The motion diagrams window: layout, the three curve commands, clear and exit.
#include "ui/diagrams/diagrams_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <cmath>
#include <optional>

#include "core/linkage.h"
#include "core/result_tables.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

// What one curve button plots: a table of the output link, its scale maximum and its colour.
struct DiagramCurve {
    double (*value)(const ResultTables& tables, int row);
    double (*maximum)(const Maxima& maxima);
    QColor colour;
};

namespace {

// Client size at layout, twips.
constexpr int kClientWidth = 6645;
constexpr int kClientHeight = 4845;

const DiagramCurve kAngleCurve{[](const ResultTables& t, int i) -> double { return t.theta3(i); },
                               [](const Maxima& m) -> double { return m.theta3; },
                               QColor(0, 0, 255)};
const DiagramCurve kVelocityCurve{[](const ResultTables& t, int i) { return t.omega3(i); },
                                  [](const Maxima& m) { return m.omega3; }, QColor(255, 0, 0)};
const DiagramCurve kAccelerationCurve{
    [](const ResultTables& t, int i) -> double { return t.alpha3(i); },
    [](const Maxima& m) -> double { return m.alpha3; }, QColor(60, 128, 0)};

// The line primitive takes its coordinates in single precision; without a colour the line is
// drawn in the foreground colour.
void line(DrawingArea& area, double x1, double y1, double x2, double y2,
          std::optional<QColor> colour = std::nullopt) {
    const auto f = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    if (colour) {
        area.line(f(x1), f(y1), f(x2), f(y2), *colour);
    } else {
        area.line(f(x1), f(y1), f(x2), f(y2));
    }
}

}  // namespace

DiagramsWindow::DiagramsWindow(SharedState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    setupWindow(this, "Form3", QStringLiteral("运动线图"), kClientWidth, kClientHeight);
    const QFont font = defaultFont();
    setFont(font);

    picture1_ = makeDrawingArea(this, "Picture1", {120, 120, 5895, 4455});
    auto* command1 =
        makeButton(this, "Command1", QStringLiteral("角位移"), {6180, 120, 375, 735}, font);
    auto* command2 =
        makeButton(this, "Command2", QStringLiteral("角速度"), {6180, 1020, 375, 795}, font);
    auto* command3 =
        makeButton(this, "Command3", QStringLiteral("角加速度"), {6180, 1980, 375, 795}, font);
    auto* command5 =
        makeButton(this, "Command5", QStringLiteral("清除"), {6180, 2940, 375, 735}, font);
    auto* command4 =
        makeButton(this, "Command4", QStringLiteral("退出"), {6180, 3840, 375, 795}, font);

    setTabOrder(picture1_, command1);
    setTabOrder(command1, command2);
    setTabOrder(command2, command3);
    setTabOrder(command3, command4);
    setTabOrder(command4, command5);

    connect(command1, &QPushButton::clicked, this, &DiagramsWindow::onCommand1Clicked);
    connect(command2, &QPushButton::clicked, this, &DiagramsWindow::onCommand2Clicked);
    connect(command3, &QPushButton::clicked, this, &DiagramsWindow::onCommand3Clicked);
    connect(command4, &QPushButton::clicked, this, &DiagramsWindow::onCommand4Clicked);
    connect(command5, &QPushButton::clicked, this, &DiagramsWindow::onCommand5Clicked);
}

void DiagramsWindow::onCommand1Clicked() {
    drawCurve(kAngleCurve);
}
void DiagramsWindow::onCommand2Clicked() {
    drawCurve(kVelocityCurve);
}
void DiagramsWindow::onCommand3Clicked() {
    drawCurve(kAccelerationCurve);
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

void DiagramsWindow::drawCurve(const DiagramCurve& curve) {
    // W and H: the client size in the window's scale units (twips).
    const double w = static_cast<double>(width()) * kTwipsPerPixel;
    const double h = static_cast<double>(height()) * kTwipsPerPixel;

    DrawingArea& area = *picture1_;
    area.setScale(-w / 5, h / 2, 4 * w / 5, -h / 2);
    line(area, 0, 0, 3.8 * w / 5, 0);
    line(area, 0, -0.95 * h / 2, 0, 0.95 * h / 2);

    // Without an analysis, a usable maximum, rows or x scale the axes stay alone, without a
    // message.
    if (!state_.analysis) {
        return;
    }
    const ResultTables& tables = state_.analysis->tables;
    const float k = static_cast<float>((0.9 * h / 2) / curve.maximum(state_.maxima));
    const MechanismKind kind = state_.analysis->kind;
    const IndexRange range = kindRange(kind, tables);
    const double start = tables.startAngle;
    const double end = tables.endAngle;
    if (!std::isfinite(k) || k == 0 || range.empty() ||
        (kind != MechanismKind::FullTurn && end == start)) {
        return;
    }
    const double axisLength = 0.9 * 4 * w / 5;  // the whole analysed range spans 0.72 W
    auto x = [&](int row) -> double {
        if (kind == MechanismKind::FullTurn) {
            return row * axisLength / 360;
        }
        // Rows past endAngle belong to the return swing, which runs back towards the origin.
        const double swing =
            (kind == MechanismKind::RockerCrank && row > end) ? 2 * end - row : row;
        return (swing - start) * axisLength / (end - start);
    };
    // A full turn ends at row 359: row 360 repeats the pose of row 0.
    const int lastSegment = kind == MechanismKind::FullTurn ? 358 : range.last - 1;

    for (int i = range.first; i <= lastSegment; ++i) {
        // Only rows the tables hold are read: the kind may have been decided from lengths that
        // were confirmed after the last run.
        if (!tables.holds(i) || !tables.holds(i + 1)) {
            continue;
        }
        const double y1 = curve.value(tables, i) * k;
        const double y2 = curve.value(tables, i + 1) * k;
        // An entry without a value breaks the curve.
        if (std::isfinite(static_cast<float>(y1)) && std::isfinite(static_cast<float>(y2))) {
            line(area, x(i), y1, x(i + 1), y2, curve.colour);
        }
    }
}

}  // namespace fourbar::ui
