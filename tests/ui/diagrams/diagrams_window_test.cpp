// Motion diagrams window: the curves' pixels in their colours, the axes, clear, exit, the layout
// and the captions.
#include <QMap>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/motion_parameters.h"
#include "ui/application.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar;
using fourbar::ui::DiagramsWindow;
using fourbar::ui::widget;

namespace {

// The crank-rocker (L1 150, L3 250) or the rocker-crank (L1 250, L3 150) preset, executed.
void execute(SharedState& state, double L1, double L3) {
    state.inputs = {L1, 220, L3, 300, 100, 0, -1, {}, 0};
    QVERIFY(executeAnalysis(state).message == ExecuteMessage::None);
}

// How many pixels of the plot have each colour.
QMap<QRgb, int> colours(const DiagramsWindow& w) {
    const QImage image = w.plotArea()->image().convertToFormat(QImage::Format_RGB32);
    QMap<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++count[image.pixel(x, y)];
        }
    }
    return count;
}

void click(const DiagramsWindow& w, const char* button) {
    widget<QPushButton>(&w, button)->click();
}

constexpr int kPlotPixels = 393 * 297;
constexpr int kAxesPixels = 299 + 284 - 1;  // the x axis, the y axis, and where they cross
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

}  // namespace

class DiagramsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void curve_data();
    void curve();
    void axesOnlyBeforeAnyAnalysis();
    void curvesStayUntilCleared();
    void displacementDiagramOfTheMainWindow();
    void exit_data();
    void exit();
    void layout_data();
    void layout();
    void caption_data();
    void caption();
};

// One button on a fresh window: pixels on the curve (in the plot's image) and how many pixels the
// curve covers; the rest is the axes and the white background.
void DiagramsWindowTest::curve_data() {
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("L3");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<QPoint>>("onCurve");
    QTest::addColumn<int>("curvePixels");
    QTest::addColumn<int>("axesPixels");  // black pixels the curve leaves uncovered

    QTest::newRow("angle") << 150.0 << 250.0 << "Command1" << QColor(0, 0, 255)
                           << QList<QPoint>{{79, 55}, {149, 60}, {237, 15}, {360, 53}} << 311
                           << 581;
    QTest::newRow("velocity") << 150.0 << 250.0 << "Command2" << QColor(255, 0, 0)
                              << QList<QPoint>{{80, 280}, {149, 74}, {235, 132}} << 516 << 579;
    QTest::newRow("acceleration") << 150.0 << 250.0 << "Command3" << QColor(60, 128, 0)
                                  << QList<QPoint>{{148, 125}, {237, 185}, {361, 137}} << 572
                                  << 564;
    // Forward from the y axis to the right end of the range, then back on the return swing.
    QTest::newRow("rocker-crank")
        << 250.0 << 150.0 << "Command1" << QColor(0, 0, 255)
        << QList<QPoint>{{80, 22}, {217, 127}, {361, 95}, {217, 76}, {79, 36}} << 698 << 579;
}

void DiagramsWindowTest::curve() {
    QFETCH(double, L1);
    QFETCH(double, L3);
    QFETCH(QString, button);
    QFETCH(QColor, colour);
    QFETCH(QList<QPoint>, onCurve);
    QFETCH(int, curvePixels);
    QFETCH(int, axesPixels);
    SharedState state;
    execute(state, L1, L3);
    DiagramsWindow w(state);
    click(w, qPrintable(button));
    for (const QPoint& p : onCurve) {
        QCOMPARE(w.plotArea()->image().pixelColor(p), colour);
    }
    const QMap<QRgb, int> count = colours(w);
    QCOMPARE(count.value(colour.rgb()), curvePixels);
    QCOMPARE(count.value(kBlack), axesPixels);
    QCOMPARE(count.value(kWhite), kPlotPixels - curvePixels - axesPixels);
}

// The axes cross at the origin, a fifth of the width from the left and halfway down.
void DiagramsWindowTest::axesOnlyBeforeAnyAnalysis() {
    SharedState state;
    DiagramsWindow w(state);
    click(w, "Command1");
    const QImage& image = w.plotArea()->image();
    for (const QPoint end : {QPoint(79, 149), QPoint(377, 149), QPoint(79, 7), QPoint(79, 290)}) {
        QCOMPARE(image.pixelColor(end), QColor(Qt::black));
    }
    for (const QPoint past : {QPoint(378, 149), QPoint(79, 6), QPoint(79, 291)}) {
        QCOMPARE(image.pixelColor(past), QColor(Qt::white));
    }
    QCOMPARE(colours(w),
             (QMap<QRgb, int>{{kBlack, kAxesPixels}, {kWhite, kPlotPixels - kAxesPixels}}));
}

// Each button draws over what is there; "清除" erases everything, axes included.
void DiagramsWindowTest::curvesStayUntilCleared() {
    SharedState state;
    execute(state, 150, 250);
    DiagramsWindow w(state);
    for (const char* button : {"Command1", "Command2", "Command3"}) {
        click(w, button);
    }
    const QMap<QRgb, int> drawn = colours(w);
    QCOMPARE(drawn.size(), 5);
    for (const QColor curve : {QColor(0, 0, 255), QColor(255, 0, 0), QColor(60, 128, 0)}) {
        QVERIFY(drawn.value(curve.rgb()) > 250);
    }
    click(w, "Command5");
    QCOMPARE(colours(w), (QMap<QRgb, int>{{kWhite, kPlotPixels}}));
}

// The main window's "位移图" opens the window with the angle curve.
void DiagramsWindowTest::displacementDiagramOfTheMainWindow() {
    ui::Application app;
    execute(app.state(), 150, 250);
    app.showDisplacementDiagram();
    QVERIFY(app.diagramsWindow()->isVisible());
    QCOMPARE(colours(*app.diagramsWindow()).value(qRgb(0, 0, 255)), 311);
}

void DiagramsWindowTest::exit_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("退出") << false;
    QTest::newRow("close box") << true;
}

// Either way the window hides itself, keeps its drawing, and asks once for the main window.
void DiagramsWindowTest::exit() {
    QFETCH(bool, closeBox);
    SharedState state;
    DiagramsWindow w(state);
    w.show();
    click(w, "Command1");
    QSignalSpy exitRequested(&w, &DiagramsWindow::exitRequested);
    if (closeBox) {
        QVERIFY(!w.close());
    } else {
        click(w, "Command4");
    }
    QVERIFY(!w.isVisible());
    QCOMPARE(exitRequested.count(), 1);
    QCOMPARE(colours(w).value(kBlack), kAxesPixels);
}

// Pixel rectangles of the twip layout (15 twips to the pixel).
void DiagramsWindowTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Picture1") << "Picture1" << QRect(8, 8, 393, 297);
    QTest::newRow("Command1") << "Command1" << QRect(412, 8, 25, 49);
    QTest::newRow("Command5") << "Command5" << QRect(412, 196, 25, 49);
    QTest::newRow("Command4") << "Command4" << QRect(412, 256, 25, 53);
}

void DiagramsWindowTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    SharedState state;
    DiagramsWindow w(state);
    QCOMPARE(w.size(), QSize(443, 323));
    QCOMPARE(widget<QWidget>(&w, qPrintable(name))->geometry(), geometry);
    // "退出" comes before "清除" in the tab order, though it lies below it.
    QCOMPARE(widget<QWidget>(&w, "Command3")->nextInFocusChain(), widget<QWidget>(&w, "Command4"));
    QCOMPARE(widget<QWidget>(&w, "Command4")->nextInFocusChain(), widget<QWidget>(&w, "Command5"));
}

// Every caption of the window: its title and its five buttons.
void DiagramsWindowTest::caption_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form3") << "Form3"
                           << "运动线图";
    QTest::newRow("Command1") << "Command1"
                              << "角位移";
    QTest::newRow("Command2") << "Command2"
                              << "角速度";
    QTest::newRow("Command3") << "Command3"
                              << "角加速度";
    QTest::newRow("Command4") << "Command4"
                              << "退出";
    QTest::newRow("Command5") << "Command5"
                              << "清除";
}

void DiagramsWindowTest::caption() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    SharedState state;
    DiagramsWindow w(state);
    QCOMPARE(w.findChildren<QPushButton*>().size(), 5);
    QCOMPARE(w.objectName(), QString("Form3"));
    QCOMPARE(name == "Form3" ? w.windowTitle() : widget<QPushButton>(&w, qPrintable(name))->text(),
             caption);
}

QTEST_MAIN(DiagramsWindowTest)
#include "diagrams_window_test.moc"
