// Motion diagrams window: pixels of each curve in its colour, the axes and clear.
// The curves' geometry is the core's, tested in tests/core/core_test.cpp.
#include <QPushButton>
#include <QTest>

#include "core/motion_parameters.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/toolkit/drawing_area.h"

class DiagramsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Pixels of each curve of the crank-rocker preset in its colour; before any analysis the axes
    // alone, from the origin (a fifth of the width from the left, halfway down) to their ends, and
    // white just beyond them. "清除" erases everything.
    void curvesAndClear_data() {
        QTest::addColumn<bool>("analysed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QList<QPoint>>("points");
        // clang-format off
        QTest::newRow("angle") << true << "Command1" << QColor(0, 0, 255) << QList<QPoint>{{79, 55}, {149, 60}, {237, 15}, {360, 53}};
        QTest::newRow("velocity") << true << "Command2" << QColor(255, 0, 0) << QList<QPoint>{{80, 280}, {149, 74}, {235, 132}};
        QTest::newRow("acceleration") << true << "Command3" << QColor(60, 128, 0) << QList<QPoint>{{148, 125}, {237, 185}, {361, 137}};
        QTest::newRow("axes") << false << "Command1" << QColor(Qt::black) << QList<QPoint>{{79, 149}, {377, 149}, {79, 7}, {79, 290}};
        QTest::newRow("beyond the axes") << false << "Command1" << QColor(Qt::white) << QList<QPoint>{{378, 149}, {79, 6}, {79, 291}, {80, 148}};
        // clang-format on
    }
    void curvesAndClear() {
        fourbar::SharedState state;
        state.inputs = {150, 220, 250, 300, 100, -1};
        QFETCH(bool, analysed);
        if (analysed) {
            executeAnalysis(state);
        }
        fourbar::ui::DiagramsWindow window(state);
        QFETCH(QString, button);
        window.findChild<QPushButton*>(button)->click();
        QFETCH(QList<QPoint>, points);
        for (const QPoint& p : points) {
            QTEST(window.plotArea()->image().pixelColor(p), "colour");
        }
        window.findChild<QPushButton*>("Command5")->click();
        QImage white = window.plotArea()->image();
        white.fill(Qt::white);
        QCOMPARE(window.plotArea()->image(), white);
    }
};

QTEST_MAIN(DiagramsWindowTest)
#include "diagrams_window_test.moc"
