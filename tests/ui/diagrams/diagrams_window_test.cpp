// Motion diagrams window: pixels of each curve in its colour, the axes, clear and captions.
// The curves' geometry is the core's, tested in tests/core/core_test.cpp.
#include <QPushButton>
#include <QTest>

#include "core/motion_parameters.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/widget_table.h"

using fourbar::ui::DiagramsWindow;

class DiagramsWindowTest : public QObject {
    Q_OBJECT

    fourbar::SharedState state_;
    std::unique_ptr<DiagramsWindow> window_;
    void click(const char* name) { fourbar::ui::widget<QPushButton>(window_.get(), name)->click(); }
    QColor pixel(QPoint p) const { return window_->plotArea()->image().pixelColor(p); }

  private slots:
    void init() {
        state_ = {};
        window_ = std::make_unique<DiagramsWindow>(state_);
    }

    // Pixels of each curve of the crank-rocker preset in its colour; before any analysis the axes
    // alone, from the origin (a fifth of the width from the left, halfway down) to their ends.
    // "清除" erases everything.
    void curvesAndClear() {
        const std::tuple<bool, const char*, QColor, QList<QPoint>> rows[] = {
            {true, "Command1", QColor(0, 0, 255), {{79, 55}, {149, 60}, {237, 15}, {360, 53}}},
            {true, "Command2", QColor(255, 0, 0), {{80, 280}, {149, 74}, {235, 132}}},
            {true, "Command3", QColor(60, 128, 0), {{148, 125}, {237, 185}, {361, 137}}},
            {false, "Command1", Qt::black, {{79, 149}, {377, 149}, {79, 7}, {79, 290}}},
            {false, "Command1", Qt::white, {{378, 149}, {79, 6}, {79, 291}, {80, 148}}}};
        for (const auto& [analysed, button, colour, points] : rows) {
            init();
            state_.inputs = {150, 220, 250, 300, 100, -1};
            if (analysed) {
                executeAnalysis(state_);
            }
            click(button);
            for (const QPoint& p : points) {
                QCOMPARE(pixel(p), colour);
            }
            click("Command5");
            QImage white = window_->plotArea()->image();
            white.fill(Qt::white);
            QCOMPARE(window_->plotArea()->image(), white);
        }
    }

    void captions() {
        QCOMPARE(window_->windowTitle(), "运动线图");
        // clang-format off
        const std::pair<const char*, const char*> rows[] = {{"Command1", "角位移"}, {"Command2", "角速度"},
            {"Command3", "角加速度"}, {"Command4", "退出"}, {"Command5", "清除"}};
        // clang-format on
        for (const auto& [name, caption] : rows) {
            QCOMPARE(fourbar::ui::widget<QPushButton>(window_.get(), name)->text(), caption);
        }
    }
};

QTEST_MAIN(DiagramsWindowTest)
#include "diagrams_window_test.moc"
