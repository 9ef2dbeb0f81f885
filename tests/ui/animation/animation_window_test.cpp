// Tests of the animation window on the real event loop: keys, the coefficient's fallback, the pace
// of its timer, no tick once it is left, the picture after many steps, line widths at any scale,
// the tour's picture of the range.
#include <QtTest>
#include <QtWidgets>

#include "core/analysis.h"
#include "tests/ui/ui_test_support.h"
#include "ui/animation/animation_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/program_setup.h"

using namespace fourbar;

class AnimationWindowTest : public QObject {
    Q_OBJECT
    SharedState s_;
    std::unique_ptr<ui::AnimationWindow> w_;

    ui::DrawingArea* picture() const { return w_->findChild<ui::DrawingArea*>("Picture1"); }
    const Demonstration& demo() const { return w_->demonstration(); }
    void click(const char* name) { w_->findChild<QPushButton*>(name)->click(); }

    // Lets the window's timer take steps until `steps` since the last "演示": it ticks at most
    // once per pass of the event loop, so the count is met exactly.
    void runSteps(std::uint64_t steps) {
        QDeadlineTimer deadline(20000);
        while (demo().running() && demo().stepsTaken() < steps && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        }
        QCOMPARE(demo().stepsTaken(), steps);
    }

    // The device pixel of the picture at (x, y) mm.
    QPoint devicePixel(double x, double y) const {
        const PictureScale s = pictureScale(demo().drawScale(), 7260, 5280);
        const double ratio = picture()->image().devicePixelRatio();
        return QPoint(int((x - s.left) / (s.right - s.left) * picture()->width() * ratio),
                      int((y - s.top) / (s.bottom - s.top) * picture()->height() * ratio));
    }

  private slots:
    // Qt's Chinese texts, as the application sets them up.
    void initTestCase() { ui::setUpProgram(); }

    void init() {
        s_ = {};
        w_ = std::make_unique<ui::AnimationWindow>(s_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    // The step bar at 3 of 1..10, its arrows one step each as a drag, shown in Text2.
    void asLoaded() {
        auto* bar = w_->findChild<QScrollBar*>("HScroll1");
        QCOMPARE(QList({bar->minimum(), bar->maximum(), bar->value()}), QList({1, 10, 3}));
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(QString::number(demo().frameStep()) + w_->findChild<QLineEdit*>("Text2")->text(),
                 "22");
    }

    // What "演示" draws at, read leniently from the box: no number falls back to 5.
    void coefficient_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("used");
        QTest::newRow("no number") << "abc" << 5.0;
        QTest::newRow("leading number") << "7.5mm" << 7.5;
    }
    void coefficient() {
        QFETCH(QString, typed);
        test::analyse(s_, 150, 220, 250, 300);
        w_->findChild<QLineEdit*>("Text1")->setText(typed);
        click("Command1");
        QTEST(demo().scaleCoefficient(), "used");
    }

    // About 31 steps a second, one every 32 ms, whatever the machine's load within reason. Once the
    // window is left, by "退出" or by its close box, its one timer never ticks again, also when
    // the window is shown again, until "继续".
    void paceAndIdleOnceLeft_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("退出") << false;
        QTest::newRow("close box") << true;
    }
    void paceAndIdleOnceLeft() {
        test::analyse(s_, 150, 220, 250, 300);
        click("Command1");
        QTest::qWait(100);
        const std::uint64_t before = demo().stepsTaken();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(1000);
        const double perSecond = double(demo().stepsTaken() - before) * 1000 / clock.elapsed();
        QVERIFY2(perSecond >= 20 && perSecond <= 45, qPrintable(QString::number(perSecond)));
        const QList<QTimer*> timers = w_->findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1);
        // The measured pace tolerates a busy machine; the timer's own interval is the exact pace.
        QCOMPARE(timers[0]->interval(), 32);
        QSignalSpy ticks(timers[0], &QTimer::timeout);
        QFETCH(bool, closeBox);
        closeBox ? void(w_->close()) : click("Command5");
        QTest::qWait(200);
        w_->show();
        QTest::qWait(100);
        QCOMPARE(ticks.count(), 0);
        click("Command3");
        runSteps(demo().stepsTaken() + 1);
    }

    // Many erase and draw steps leave nothing behind: back at its first position and stopped, the
    // linkage is pictured as a fresh "演示" and "停止" draw it, path included.
    void noTrails_data() {
        QTest::addColumn<LinkageState>("linkage");  // with n 100 and M given
        QTest::addColumn<int>("steps");             // of 10 positions, round to the first position
        QTest::newRow("turning crank") << LinkageState{150, 220, 250, 300, 100, -1} << 36;
        QTest::newRow("double rocker") << LinkageState{300, 150, 220, 250, 100, -1} << 14;
    }
    void noTrails() {
        QFETCH(LinkageState, linkage);
        QFETCH(int, steps);
        test::analyse(s_, linkage.L1, linkage.L2, linkage.L3, linkage.L4, linkage.n, linkage.M);
        s_.couplerPoint = CouplerPoint{100, 30};  // BP mm, angle CBP degrees
        w_->findChild<QScrollBar*>("HScroll1")->setValue(10);
        click("Command1");
        click("Command2");
        const QImage fresh = picture()->image();
        const int first = demo().frameIndex();
        click("Command1");
        runSteps(steps);
        click("Command2");
        QCOMPARE(demo().frameIndex(), first);
        QVERIFY(picture()->image() == fresh);
    }

    // Ground symbols and axes are 1 pixel wide, links 2, in device pixels times the screen's
    // ratio: 2 and 4 at 200 %. In a double rocker over 30..36 degrees C stands straight above D,
    // so CD is upright at x = 300 mm.
    void lineWidths() {
        auto rocker = std::make_shared<Analysis>();
        rocker->linkage = {.L1 = 150, .L2 = 220, .L3 = 250, .L4 = 300};
        rocker->mechanism = Mechanism::DoubleRocker;
        rocker->tables.startAngle = 30;
        rocker->tables.endAngle = 36;
        rocker->tables.resize(30, 36);
        for (int i = 30; i <= 36; ++i) {
            rocker->tables.setRow(i, {.theta1 = i * kDegree, .theta3 = 1.5707965f});
        }
        s_.analysis = rocker;
        click("Command1");
        runSteps(1);  // the axes drawn after the erase pass's bold strokes
        click("Command2");
        const QImage& image = picture()->image();
        const int ratio = qRound(image.devicePixelRatio());
        const auto run = [&](QPoint from, QPoint step, QRgb colour) {  // its width from `from`
            while (image.pixel(from) != colour) {
                from += step;
            }
            int n = 0;
            for (; image.pixel(from) == colour; from += step) {
                ++n;
            }
            return n;
        };
        QCOMPARE(run(devicePixel(300, 125) - QPoint(6 * ratio, 0), {1, 0}, qRgb(255, 255, 0)),
                 2 * ratio);
        QCOMPARE(run(devicePixel(450, 0) - QPoint(0, 6 * ratio), {0, 1}, qRgb(225, 0, 0)), ratio);
    }

    // Without a coupler point, "范围" draws the tour's picture to the pixel (its demonstration's
    // picture is the erase and draw steps' own, checked above).
    void asInTheTour() {
        if (picture()->image().devicePixelRatio() != 1) {
            QSKIP("the tour's pictures are taken at 100 %");
        }
        test::analyse(s_, 150, 220, 250, 300);
        const QRect place(picture()->mapTo(w_.get(), QPoint(0, 0)), picture()->size());
        // As the window shows it: "退出" covers the picture's last column a little.
        const QImage tour(QStringLiteral(FOURBAR_TOUR_DIR "/form2-range.png"));
        click("Command4");
        QVERIFY(w_->grab().toImage().copy(place).convertToFormat(QImage::Format_RGB32) ==
                tour.copy(place).convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(AnimationWindowTest)
#include "animation_window_test.moc"
