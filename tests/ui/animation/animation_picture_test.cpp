// Tests of the animation window's picture: scale, figure, erasing, axes and the range of motion.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "animation_fixture.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/timer.h"

using namespace fourbar;
using namespace fourbar::test;

namespace {

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kAxisRed = qRgb(225, 0, 0);

QRgb pixelAt(const AnimationWindow& w, int x, int y) {
    return w.picture()->image().pixel(x, y);
}

// Pixels of `colour` in column x between rows y0 and y1 inclusive.
int countInColumn(const AnimationWindow& w, int x, int y0, int y1, QRgb colour) {
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        n += pixelAt(w, x, y) == colour ? 1 : 0;
    }
    return n;
}

void setCoefficient(AnimationWindow& w, const QString& text) {
    w.findChild<ui::InputBox*>("Text1")->setText(text);
}

}  // namespace

class AnimationPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void scale_data();
    void scale();
    void eraseStep();
    void pivotCirclesAfterErase_data();
    void pivotCirclesAfterErase();
    void axes_data();
    void axes();
    void range_data();
    void range();
    void rangeDrawWidth();
    void presets_data();
    void presets();
    void rangeScreenshot_data();
    void rangeScreenshot();
};

// With A at the origin and B = (150, 0): the picture's bounds and where B lands, in pixels of the
// 417 x 309 picture (row 155 holds the frame line).
void AnimationPictureTest::scale_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("bx");
    QTest::addColumn<int>("outward");  // pixels past B, away from A

    QTest::newRow("5") << "5" << -298.80 << 325.97 << 209 << 6;
    QTest::newRow("10") << "10" << -597.60 << 651.94 << 174 << 6;
    QTest::newRow("-5, turned by 180 degrees") << "-5" << 298.80 << -325.97 << 69 << -6;
}

void AnimationPictureTest::scale() {
    QFETCH(QString, text);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(int, bx);
    QFETCH(int, outward);
    SharedState s;
    setLengths(s);
    crankDriven(s);
    AnimationWindow w(s);
    setCoefficient(w, text);
    w.onCommand1Clicked();

    const ui::DrawingArea& p = *w.picture();
    QVERIFY(std::abs(p.scaleLeft() - left) < 0.01);
    QVERIFY(std::abs(p.scaleRight() + 2 * left) < 0.01);
    QVERIFY(std::abs(p.scaleTop() - top) < 0.01);
    QVERIFY(std::abs(p.scaleBottom() + top) < 0.01);
    QVERIFY(countInColumn(w, bx, 153, 157, kYellow) > 0);
    QCOMPARE(countInColumn(w, bx + outward, 150, 160, kYellow), 0);
    QCOMPARE(p.backColor(), QColor(0, 0, 0));
}

// Double rocker from 30 degrees: B = (129.9, 75) lands on pixel (199, 119) at coefficient 5.
void AnimationPictureTest::eraseStep() {
    SharedState s;
    setLengths(s);
    doubleRocker(s, 30, 36);
    AnimationWindow w(s);
    w.onCommand1Clicked();
    QCOMPARE(pixelAt(w, 199, 119), kYellow);
    QCOMPARE(w.drawWidth(), 2);

    w.onTimer1Tick();
    QCOMPARE(pixelAt(w, 199, 119), kBlack);
    QVERIFY(!w.picture()->updatesEnabled());  // an erase step alone never reaches the screen

    w.onTimer2Tick();
    QVERIFY(w.picture()->updatesEnabled());
    QCOMPARE(pixelAt(w, 199, 119), kBlack);  // B has moved on to 33 degrees: (198, 116)
    QCOMPARE(pixelAt(w, 198, 116), kYellow);

    w.onTimer1Tick();
    w.onCommand2Clicked();  // Stop shows the figure at the new position
    QVERIFY(w.picture()->updatesEnabled());
    QCOMPARE(pixelAt(w, 196, 112), kYellow);  // 36 degrees
}

// A small linkage at coefficient 1 makes the joint circles 7 pixels wide; D = (60, 0) lands on
// column 279, and rows 140 to 151 hold only the top of its circle.
void AnimationPictureTest::pivotCirclesAfterErase_data() {
    QTest::addColumn<bool>("crankDriven");
    QTest::addColumn<bool>("pivotsRemain");
    QTest::newRow("dongtai2 erases them") << true << false;
    QTest::newRow("demonstrate2 keeps them") << false << true;
}

void AnimationPictureTest::pivotCirclesAfterErase() {
    QFETCH(bool, crankDriven);
    QFETCH(bool, pivotsRemain);
    SharedState s;
    setLengths(s, 20, 30, 60);
    if (crankDriven) {
        setTables(s, names::doubleCrank, 0, 360, 0, 0, 0.0f);
    } else {
        setTables(s, names::doubleRocker, 0, 40, 0, 40, 0.0f);
    }
    AnimationWindow w(s);
    setCoefficient(w, "1");
    w.onCommand1Clicked();
    QVERIFY(countInColumn(w, 279, 140, 151, kYellow) > 0);
    w.onTimer1Tick();
    QCOMPARE(countInColumn(w, 279, 140, 151, kYellow) > 0, pivotsRemain);
    w.onTimer2Tick();
    QVERIFY(countInColumn(w, 279, 140, 151, kYellow) > 0);
}

// The x axis passes (-44.8, 0), pixel (118, 155); the y axis passes (0, 195.5), pixel (139, 62).
void AnimationPictureTest::axes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("withAxes");
    QTest::newRow("crank-driven") << 0 << false;
    QTest::newRow("double rocker") << 1 << true;
    QTest::newRow("rocker-crank") << 2 << true;
}

void AnimationPictureTest::axes() {
    QFETCH(int, kind);
    QFETCH(bool, withAxes);
    SharedState s;
    setLengths(s);
    if (kind == 0) {
        crankDriven(s);
    } else if (kind == 1) {
        doubleRocker(s, 30, 36);
    } else {
        rockerCrank(s, 20, 150);
    }
    AnimationWindow w(s);
    w.onCommand1Clicked();
    QCOMPARE(countInColumn(w, 118, 150, 160, kAxisRed) > 0, withAxes);
    QCOMPARE(pixelAt(w, 139, 62) == kAxisRed, withAxes);
    cycle(w);  // erasing leaves the axes alone
    QCOMPARE(pixelAt(w, 139, 62) == kAxisRed, withAxes);
}

void AnimationPictureTest::range_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("frameIndexAfter");

    QTest::newRow("crank-driven") << 0 << 0 << 0 << 71 << 5 << 355;
    QTest::newRow("double rocker 30..35") << 1 << 30 << 35 << 3 << 2 << 36;
    QTest::newRow("double rocker -40..40") << 1 << -40 << 40 << 41 << 2 << 42;
    QTest::newRow("rocker-crank 20..150") << 2 << 20 << 150 << 131 << 2 << 282;
}

void AnimationPictureTest::range() {
    QFETCH(int, kind);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, count);
    QFETCH(int, step);
    QFETCH(int, frameIndexAfter);
    SharedState s;
    setLengths(s);
    if (kind == 0) {
        crankDriven(s);
    } else if (kind == 1) {
        doubleRocker(s, start, end);
    } else {
        rockerCrank(s, start, end);
    }
    AnimationWindow w(s);
    w.findChild<QScrollBar*>("HScroll1")->setValue(7);
    const QString text2 = w.findChild<QLineEdit*>("Text2")->text();
    w.onCommand4Clicked();

    const ui::PositionTables& t = w.positionTables();
    QCOMPARE(t.range(), kindRange(kindFromName(s.linkage.mechanismName), s.tables));
    QList<int> drawn;
    for (int i = t.range().first; i <= t.range().last; ++i) {
        if (t.jointBX(i) != 0 || t.jointBY(i) != 0) {
            drawn.append(i);
        }
    }
    QCOMPARE(drawn.size(), count);
    QCOMPARE(drawn.first(), t.range().first);
    QCOMPARE(drawn.last(), t.range().first + (count - 1) * step);
    QCOMPARE(drawn.last() - drawn.first(), (count - 1) * step);
    QCOMPARE(w.frameIndex(), frameIndexAfter);
    QCOMPARE(w.frameStep(), 7);  // Range neither reads the scroll bar nor writes Text2
    QCOMPARE(w.findChild<QLineEdit*>("Text2")->text(), text2);
    QVERIFY(!w.timer1()->isTicking());

    const int i = drawn[1];
    const double theta1 = kind == 0 ? static_cast<float>(i * kDegree) : s.tables.theta1(i);
    QCOMPARE(t.jointBX(i), 150 * std::cos(theta1));
    QCOMPARE(t.jointCY(i), static_cast<float>(250 * std::sin(s.tables.theta3(i))));
    if (kind == 2) {
        QCOMPARE(t.jointBY(200), 150 * std::sin(100 * kDegree));  // return swing
    }
}

// Range draws at whatever width the last drawing left: the x axis is 1 pixel high on a fresh
// window and 2 after a demonstration.
void AnimationPictureTest::rangeDrawWidth() {
    SharedState s;
    setLengths(s);
    doubleRocker(s, 30, 35);
    AnimationWindow w(s);
    w.onCommand4Clicked();
    QCOMPARE(w.drawWidth(), 1);
    QCOMPARE(countInColumn(w, 118, 150, 160, kAxisRed), 1);

    w.onCommand1Clicked();
    w.onCommand2Clicked();
    w.onCommand4Clicked();
    QCOMPARE(w.drawWidth(), 2);
    QCOMPARE(countInColumn(w, 118, 150, 160, kAxisRed), 2);
}

void AnimationPictureTest::presets_data() {
    QTest::addColumn<QList<double>>("lengths");
    QTest::newRow("crank-rocker") << QList<double>{150, 220, 250, 300};
    QTest::newRow("rocker-crank") << QList<double>{250, 220, 150, 300};
    QTest::newRow("double crank") << QList<double>{220, 250, 300, 150};
    QTest::newRow("double rocker 1") << QList<double>{300, 150, 220, 250};
    QTest::newRow("double rocker 2") << QList<double>{220, 150, 300, 100};
    QTest::newRow("double rocker 3") << QList<double>{300, 150, 220, 100};
    QTest::newRow("double rocker 4") << QList<double>{150, 300, 100, 220};
}

// Every preset animates through more than a whole cycle, stops with its figure shown, and draws
// its range, always inside the tables it built.
void AnimationPictureTest::presets() {
    QFETCH(QList<double>, lengths);
    SharedState s;
    QVERIFY(runPreset(s, lengths[0], lengths[1], lengths[2], lengths[3]));
    AnimationWindow w(s);
    StepLog log(w);
    w.onCommand1Clicked();
    cycle(w, 400);
    w.onCommand2Clicked();
    const ui::JointPositions j = w.positionTables().at(w.frameIndex());
    QCOMPARE(log.steps.last(), AnimationWindow::Step::Redraw);
    QVERIFY(QSet<int>(log.indices.begin(), log.indices.end()).size() > 10);
    const QPointF b = w.picture()->toPixels(j.bx, j.by);
    QCOMPARE(pixelAt(w, qRound(b.x()), qRound(b.y())), kYellow);
    w.onCommand4Clicked();
    QVERIFY(!w.hasCurrentPosition());
}

// Writes the window with its range picture for three presets to $FOURBAR_SHOTS (see
// scripts/screenshot-range.sh).
void AnimationPictureTest::rangeScreenshot_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<double>>("lengths");
    QTest::newRow("crank-rocker") << "range-crank-rocker.png" << QList<double>{150, 220, 250, 300};
    QTest::newRow("rocker-crank") << "range-rocker-crank.png" << QList<double>{250, 220, 150, 300};
    QTest::newRow("double rocker 1")
        << "range-double-rocker.png" << QList<double>{300, 150, 220, 250};
}

void AnimationPictureTest::rangeScreenshot() {
    const QString dir = qEnvironmentVariable("FOURBAR_SHOTS");
    if (dir.isEmpty()) {
        QSKIP("set FOURBAR_SHOTS to a directory to write the range pictures");
    }
    QFETCH(QString, file);
    QFETCH(QList<double>, lengths);
    SharedState s;
    QVERIFY(runPreset(s, lengths[0], lengths[1], lengths[2], lengths[3]));
    AnimationWindow w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.onCommand4Clicked();
    QDir().mkpath(dir);
    QVERIFY(w.grab().save(QDir(dir).filePath(file)));
}

QTEST_MAIN(AnimationPictureTest)
#include "animation_picture_test.moc"
