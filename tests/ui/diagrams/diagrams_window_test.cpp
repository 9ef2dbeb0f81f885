// Motion diagrams window: curves checked by the pixels of the plot's backing image.
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "core/shared_state.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/toolkit/drawing_area.h"

using fourbar::SharedState;
using fourbar::ui::DiagramsWindow;

namespace {

// The plot's scale at the window's layout size (6645 x 4845 twips).
constexpr double kHalfHeightReach = 2180.25;  // 0.45 H: where a value equal to its maximum lies
constexpr double kFullTurnStep = 13.29;       // x per row of a full turn: 0.72 W / 360
constexpr double kAngleAxis = 4784.4;         // 0.72 W: x of the last row of a limited range

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(60, 128, 0);
const QColor kAxis(0, 0, 0);

void runPreset(SharedState& s, double l1, double l2, double l3, double l4) {
    s.linkage = {l1, l2, l3, l4, 100, 0, -1, {}, 0};
    QCOMPARE(int(fourbar::executeAnalysis(s.linkage, s.tables).message),
             int(fourbar::ExecuteMessage::None));
}

// True when a pixel within `radius` of the image point of (x, y) has the colour.
bool colourNear(const DiagramsWindow& w, double x, double y, const QColor& colour, int radius = 1) {
    const QImage& image = w.plot()->image();
    const QPointF p = w.plot()->toPixels(x, y);
    for (int dx = -radius; dx <= radius; ++dx) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const QPoint q(int(std::lround(p.x())) + dx, int(std::lround(p.y())) + dy);
            if (image.valid(q) && image.pixelColor(q) == colour) {
                return true;
            }
        }
    }
    return false;
}

// Pixel rows of the topmost and bottommost pixel in the colour; count of such pixels.
struct Extent {
    int top = std::numeric_limits<int>::max();
    int bottom = -1;
    int count = 0;
};
Extent extentOf(const DiagramsWindow& w, const QColor& colour) {
    const QImage& image = w.plot()->image();
    Extent e;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
                ++e.count;
            }
        }
    }
    return e;
}

void click(DiagramsWindow& w, const char* name) {
    w.findChild<QPushButton*>(name)->click();
}

}  // namespace

class DiagramsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void layout();
    void curves_data();
    void curves();
    void overlayAndClear();
    void axesOnly_data();
    void axesOnly();
    void valueWithoutNumberBreaksCurve();
    void rockerCrankLoopCloses();
    void exit();
};

void DiagramsWindowTest::layout() {
    SharedState s;
    DiagramsWindow w(s);
    QCOMPARE(w.objectName(), QString("Form3"));
    QCOMPARE(w.windowTitle(), QString("运动线图"));
    QCOMPARE(w.size(), QSize(443, 323));
    QCOMPARE(w.plot()->objectName(), QString("Picture1"));
    QCOMPARE(w.plot()->geometry(), QRect(8, 8, 393, 297));
    QCOMPARE(w.findChild<QPushButton*>("Command4")->geometry(), QRect(412, 256, 25, 53));
    QCOMPARE(w.findChild<QPushButton*>("Command5")->text(), QString("清除"));
    QCOMPARE(w.findChild<QPushButton*>("Command3")->font().pixelSize(), 11);  // 8.25 pt
}

void DiagramsWindowTest::curves_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("角位移") << "Command1" << kBlue;
    QTest::newRow("角速度") << "Command2" << kRed;
    QTest::newRow("角加速度") << "Command3" << kGreen;
}

void DiagramsWindowTest::curves() {
    QFETCH(QString, button);
    QFETCH(QColor, colour);
    SharedState s;
    runPreset(s, 150, 220, 250, 300);
    DiagramsWindow w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(w, qPrintable(button));

    const auto& t = s.tables;
    auto value = [&](int row) {
        return button == "Command1"   ? double(t.theta3(row))
               : button == "Command2" ? t.omega3(row)
                                      : double(t.alpha3(row));
    };
    const double maximum = button == "Command1"   ? double(t.maxTheta3)
                           : button == "Command2" ? t.maxOmega3
                                                  : double(t.maxAlpha3);
    const float k = float(kHalfHeightReach / maximum);
    for (int row : {0, 45, 90, 180, 270, 359}) {
        QVERIFY2(colourNear(w, row * kFullTurnStep, value(row) * k, colour),
                 qPrintable(QString("row %1").arg(row)));
    }
    // Row 360 is not drawn: nothing of the curve lies right of row 359 (x = 4771.11).
    const int lastColumn = int(std::lround(w.plot()->toPixels(359 * kFullTurnStep, 0).x()));
    const QImage& image = w.plot()->image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = lastColumn + 2; x < image.width(); ++x) {
            QVERIFY(image.pixelColor(x, y) != colour);
        }
    }
    // The curve's largest magnitude reaches 0.45 H above or below the axis.
    const Extent e = extentOf(w, colour);
    const double top = w.plot()->toPixels(0, kHalfHeightReach).y();
    const double bottom = w.plot()->toPixels(0, -kHalfHeightReach).y();
    QVERIFY(std::min(std::abs(e.top - top), std::abs(e.bottom - bottom)) <= 1.0);
    // The axes in the foreground colour: out to 0.76 W and +-0.475 H.
    QVERIFY(colourNear(w, 5000, 0, kAxis, 0));
    QVERIFY(!colourNear(w, 5100, 0, kAxis, 0));
    QVERIFY(colourNear(w, 0, 2290, kAxis, 0));
    QVERIFY(colourNear(w, 0, -2290, kAxis, 0));
}

void DiagramsWindowTest::overlayAndClear() {
    SharedState s;
    runPreset(s, 150, 220, 250, 300);
    DiagramsWindow w(s);
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        click(w, name);
    }
    for (const QColor& colour : {kBlue, kRed, kGreen, kAxis}) {
        QVERIFY(extentOf(w, colour).count > 300);
    }
    // The angle curve of a crank-rocker lies wholly above the horizontal axis.
    QVERIFY(extentOf(w, kBlue).bottom < w.plot()->toPixels(0, 0).y());

    click(w, "Command5");
    QCOMPARE(extentOf(w, w.plot()->backColor()).count,
             w.plot()->image().width() * w.plot()->image().height());
    click(w, "Command2");
    QCOMPARE(extentOf(w, kBlue).count, 0);
    QVERIFY(extentOf(w, kRed).count > 300);
}

void DiagramsWindowTest::axesOnly_data() {
    QTest::addColumn<int>("setup");
    QTest::newRow("maximum 0") << 0;
    QTest::newRow("maximum not finite") << 1;
    QTest::newRow("no rows") << 2;
    QTest::newRow("double rocker of zero width") << 3;
}

void DiagramsWindowTest::axesOnly() {
    QFETCH(int, setup);
    SharedState s;
    runPreset(s, 150, 220, 250, 300);
    switch (setup) {
        case 0:
            s.tables.resetMaxima();
            break;
        case 1:
            s.tables.maxTheta3 = std::numeric_limits<float>::infinity();
            break;
        case 2:
            s.tables.clearRows();
            break;
        case 3:
            s.linkage.mechanismName = "双摇杆机构";
            s.tables.startAngle = s.tables.endAngle = 30;
            break;
    }
    DiagramsWindow w(s);
    click(w, "Command1");
    QCOMPARE(extentOf(w, kBlue).count, 0);
    QVERIFY(colourNear(w, 2000, 0, kAxis, 0));
    QVERIFY(colourNear(w, 0, 1000, kAxis, 0));
}

void DiagramsWindowTest::valueWithoutNumberBreaksCurve() {
    SharedState s;
    s.tables.resize(0, 360);
    for (int i = 0; i <= 360; ++i) {
        const double omega3 = (i >= 100 && i <= 105) ? std::nan("") : 1.0;
        s.tables.setRow(i, {i * fourbar::kDegree, 0, 0, 0, omega3, 0, 0});
    }
    s.tables.maxOmega3 = 1;
    DiagramsWindow w(s);
    click(w, "Command2");
    QVERIFY(colourNear(w, 50 * kFullTurnStep, kHalfHeightReach, kRed, 0));
    QVERIFY(colourNear(w, 98 * kFullTurnStep, kHalfHeightReach, kRed, 0));
    QVERIFY(!colourNear(w, 102.5 * kFullTurnStep, kHalfHeightReach, kRed, 1));
    QVERIFY(colourNear(w, 107 * kFullTurnStep, kHalfHeightReach, kRed, 0));
}

void DiagramsWindowTest::rockerCrankLoopCloses() {
    SharedState s;
    runPreset(s, 250, 220, 150, 300);
    const auto& t = s.tables;
    const int first = int(t.startAngle);
    const int turn = int(t.endAngle);
    const int last = 2 * turn - first;
    QCOMPARE(t.rows().first, first);
    QCOMPARE(t.rows().last, last);
    DiagramsWindow w(s);
    click(w, "Command1");
    const float k = float(kHalfHeightReach / t.maxTheta3);
    // Forward swing from x = 0 out to 0.72 W, return swing back to x = 0.
    QVERIFY(colourNear(w, 0, t.theta3(first) * k, kBlue));
    QVERIFY(colourNear(w, kAngleAxis, t.theta3(turn) * k, kBlue));
    QVERIFY(colourNear(w, 0, t.theta3(last) * k, kBlue));
    const int middle = (first + turn) / 2;
    const double xMiddle = (middle - first) * kAngleAxis / (turn - first);
    QVERIFY(colourNear(w, xMiddle, t.theta3(middle) * k, kBlue));
    QVERIFY(colourNear(w, xMiddle, t.theta3(2 * turn - middle) * k, kBlue));
    // Both swings start and end on the vertical axis and stay right of it.
    const Extent blue = extentOf(w, kBlue);
    QVERIFY(blue.count > 300);
    const int axisColumn = int(std::lround(w.plot()->toPixels(0, 0).x()));
    const QImage& image = w.plot()->image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < axisColumn; ++x) {
            QVERIFY(image.pixelColor(x, y) != kBlue);
        }
    }
}

void DiagramsWindowTest::exit() {
    SharedState s;
    DiagramsWindow w(s);
    w.show();
    QSignalSpy exits(&w, &DiagramsWindow::exitRequested);
    click(w, "Command4");
    QVERIFY(w.isHidden());
    w.show();
    w.close();
    QVERIFY(w.isHidden());
    QCOMPARE(exits.size(), 2);
}

QTEST_MAIN(DiagramsWindowTest)
#include "diagrams_window_test.moc"
