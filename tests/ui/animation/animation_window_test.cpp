// Tests of the animation window on the real event loop: captions and keys, the coefficient's
// fallback, the pace of its timer, no tick once it is left, the picture after many steps, line
// widths at any scale, the coupler triangle and path, the tour's pictures and the path's CSV.
#include <QtTest>
#include <QtWidgets>

#include "core/analysis.h"
#include "core/coupler_path.h"
#include "core/motion_parameters.h"
#include "tests/ui/ui_test_support.h"
#include "ui/animation/animation_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/program_setup.h"

using namespace fourbar;
using ui::AnimationWindow;

namespace {

using AnalysisPtr = std::shared_ptr<const Analysis>;

AnalysisPtr execute(LinkageState inputs) {
    SharedState s;
    s.inputs = inputs;
    executeAnalysis(s);
    return s.analysis;
}

const LinkageState kCrankRocker{150, 220, 250, 300, 100, -1};
const LinkageState kCentredRockerCrank{200, 100, 100, 200, 100, 1};
constexpr CouplerPoint kPoint{100, 30};  // BP mm, angle CBP degrees

// A double rocker over 30..36 degrees with C straight above D: L1 150, L3 250, L4 300 mm.
AnalysisPtr rockerWithUprightOutput() {
    Analysis a;
    a.linkage = {.L1 = 150, .L2 = 220, .L3 = 250, .L4 = 300};
    a.mechanism = Mechanism::DoubleRocker;
    a.tables.startAngle = 30;
    a.tables.endAngle = 36;
    a.tables.resize(30, 36);
    for (int i = 30; i <= 36; ++i) {
        a.tables.setRow(i, {.theta1 = i * kDegree, .theta3 = 1.5707965f});
    }
    return std::make_shared<const Analysis>(std::move(a));
}

}  // namespace

class AnimationWindowTest : public QObject {
    Q_OBJECT
    SharedState s_;
    std::unique_ptr<AnimationWindow> w_;

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
        w_ = std::make_unique<AnimationWindow>(s_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }

    // Every caption as the window is loaded, the step bar at 3 of 1..10. It opens with its picture
    // focused; Tab from "退出" reaches the step bar, whose arrows move one step as a drag does,
    // shown in the read-only Text2. Before any analysis Demonstrate refuses with the message.
    void asLoaded() {
        QCOMPARE(w_->windowTitle(), "动态演示");
        const std::pair<const char*, const char*> captions[] = {
            {"Label1", "比例系数"}, {"Command1", "演示"}, {"Command2", "停止"},
            {"Command3", "继续"},   {"Command4", "范围"}, {"Command5", "退出"}};
        for (const auto& [name, caption] : captions) {
            QCOMPARE(w_->findChild<QWidget*>(name)->property("text").toString(), caption);
        }
        const auto* bar = w_->findChild<QScrollBar*>("HScroll1");
        QCOMPARE(QList({bar->minimum(), bar->maximum(), bar->value()}), QList({1, 10, 3}));
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QCOMPARE(QApplication::focusWidget(), picture());
        w_->findChild<QWidget*>("Command5")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "HScroll1");
        auto* stepBox = w_->findChild<QLineEdit*>("Text2");
        QVERIFY(stepBox->isReadOnly());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QString::number(demo().frameStep()) + '|' + stepBox->text(), "4|4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QString::number(demo().frameStep()) + '|' + stepBox->text(), "2|2");
        QCOMPARE(test::dialogsDuring([this] { click("Command1"); }),
                 QStringList("四杆机构|请先执行运动分析|确定"));
    }

    // What "演示" draws at, read leniently from the box: no number falls back to 5 (the numbers
    // that do are the core's rows). Clicking into the box empties it and the coefficient.
    void coefficient_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("used");
        QTest::newRow("empty") << "" << 5.0;
        QTest::newRow("no number") << "abc" << 5.0;
        QTest::newRow("negative: turned") << "-5" << -5.0;
        QTest::newRow("leading number") << "7.5mm" << 7.5;
    }
    void coefficient() {
        QFETCH(QString, typed);
        s_.analysis = execute(kCrankRocker);
        auto* box = w_->findChild<QLineEdit*>("Text1");
        box->setText(typed);
        click("Command1");
        QTEST(demo().scaleCoefficient(), "used");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text() + QString::number(demo().scaleCoefficient()), "0");
    }

    // About 31 steps a second, one every 32 ms, whatever the machine's load within reason.
    void pace() {
        s_.analysis = execute(kCrankRocker);
        click("Command1");
        QTest::qWait(100);
        const std::uint64_t before = demo().stepsTaken();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(1000);
        const double perSecond = double(demo().stepsTaken() - before) * 1000 / clock.elapsed();
        QVERIFY2(perSecond >= 20 && perSecond <= 45, qPrintable(QString::number(perSecond)));
    }

    // Once the window is left, by "退出" or by its close box, its one timer never ticks again,
    // also when the window is shown again, until "继续".
    void idleOnceLeft_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("退出") << false;
        QTest::newRow("close box") << true;
    }
    void idleOnceLeft() {
        QFETCH(bool, closeBox);
        s_.analysis = execute(kCrankRocker);
        click("Command1");
        runSteps(2);
        const QList<QTimer*> timers = w_->findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1);
        QSignalSpy ticks(timers[0], &QTimer::timeout);
        closeBox ? void(w_->close()) : click("Command5");
        QVERIFY(!w_->isVisible());
        const std::uint64_t steps = demo().stepsTaken();
        QTest::qWait(200);
        w_->show();
        QTest::qWait(100);
        QCOMPARE(ticks.count(), 0);
        QCOMPARE(demo().stepsTaken(), steps);
        click("Command3");
        runSteps(steps + 1);
    }

    // Many erase and draw steps leave nothing behind: back at its first position and stopped, the
    // linkage is pictured as a fresh "演示" and "停止" draw it, path included.
    void noTrails_data() {
        QTest::addColumn<AnalysisPtr>("analysis");
        QTest::addColumn<int>("frameStep");
        QTest::addColumn<int>("steps");  // round to the first position
        QTest::addColumn<bool>("point");
        const AnalysisPtr crank = execute(kCrankRocker);
        const AnalysisPtr centred = execute(kCentredRockerCrank);
        QTest::newRow("turning crank") << crank << 10 << 36 << false;
        QTest::newRow("turning crank, coupler point") << crank << 10 << 36 << true;
        QTest::newRow("double rocker, coupler point")
            << execute({300, 150, 220, 250, 100, -1}) << 10 << 14 << true;
        QTest::newRow("centred rocker-crank, coupler point") << centred << 10 << 12 << true;
    }
    void noTrails() {
        QFETCH(AnalysisPtr, analysis);
        QFETCH(int, frameStep);
        QFETCH(int, steps);
        QFETCH(bool, point);
        s_.analysis = analysis;
        s_.couplerPoint = point ? std::optional(kPoint) : std::nullopt;
        w_->findChild<QScrollBar*>("HScroll1")->setValue(frameStep);
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
    // ratio: 2 and 4 at 200 %. C stands straight above D, so CD is upright at x = 300 mm.
    void lineWidths() {
        s_.analysis = rockerWithUprightOutput();
        click("Command1");
        runSteps(1);  // the axes drawn after the erase pass's bold strokes
        click("Command2");
        const QImage& image = picture()->image();
        const int ratio = qRound(image.devicePixelRatio());
        const auto run = [&](QPoint from, QPoint step, QRgb colour) {
            while (image.pixel(from) != colour) {
                from += step;
            }
            int n = 0;
            for (; image.pixel(from) == colour; from += step) {
                ++n;
            }
            return n;
        };
        const QPoint link = devicePixel(300, 125) - QPoint(6 * ratio, 0);
        const QPoint axis = devicePixel(450, 0) - QPoint(0, 6 * ratio);
        QCOMPARE(run(link, {1, 0}, qRgb(255, 255, 0)), 2 * ratio);
        QCOMPARE(run(axis, {0, 1}, qRgb(225, 0, 0)), ratio);
    }

    // With a coupler point the figure is the triangle B-C-P and P's path is drawn in magenta, whole
    // while the figure moves (without one, asInTheTour).
    void couplerPicture() {
        s_.analysis = execute(kCrankRocker);
        s_.couplerPoint = kPoint;
        click("Command1");
        runSteps(20);
        click("Command2");
        const JointPositions j = demo().positionTables().at(60);
        const CouplerPosition p = couplerPointAt(j.bx, j.by, j.cx, j.cy, kPoint);
        const QImage& image = picture()->image();
        QCOMPARE(image.pixel(devicePixel((j.bx + p.x) / 2, (j.by + p.y) / 2)), qRgb(255, 255, 0));
        QCOMPARE(image.pixel(devicePixel((j.cx + p.x) / 2, (j.cy + p.y) / 2)), qRgb(255, 255, 0));
        const Segment& far = demo().couplerPathSegments().at(240);  // 180 degrees from the figure
        QCOMPARE(image.pixel(devicePixel(far.x1, far.y1)), qRgb(255, 0, 255));
    }

    // Without a coupler point, "范围" and a demonstration stopped after 20 steps draw the tour's
    // pictures to the pixel, also after a point was set and removed again.
    void asInTheTour() {
        if (picture()->image().devicePixelRatio() != 1) {
            QSKIP("the tour's pictures are taken at 100 %");
        }
        s_.analysis = execute(kCrankRocker);
        s_.couplerPoint = kPoint;
        click("Command4");
        s_.couplerPoint.reset();
        const QRect place(picture()->mapTo(w_.get(), QPoint(0, 0)), picture()->size());
        // As the window shows it: "退出" covers the picture's last column a little.
        const auto shown = [&] {
            return w_->grab().toImage().copy(place).convertToFormat(QImage::Format_RGB32);
        };
        const auto tour = [&place](const char* file) {
            return QImage(QStringLiteral(FOURBAR_TOUR_DIR "/") + file)
                .copy(place)
                .convertToFormat(QImage::Format_RGB32);
        };
        click("Command4");
        QVERIFY(shown() == tour("form2-range.png"));
        click("Command1");
        runSteps(20);
        click("Command2");
        QVERIFY(shown() == tour("form2-demonstration.png"));
    }

    // "导出连杆点轨迹CSV..." asks for an analysis, then for a point; then it proposes
    // "连杆点轨迹.csv" and writes the path's CSV.
    void exportCouplerCsv() {
        QTemporaryDir dir;
        const QString file = dir.filePath("path.csv");
        auto* action = picture()->findChild<QAction*>("exportCouplerCsv");
        QCOMPARE(action->text(), "导出连杆点轨迹CSV...");
        QVERIFY(picture()->actions().contains(action));
        const auto trigger = [&] { return test::dialogsDuring([&] { action->trigger(); }, file); };
        QCOMPARE(trigger(), QStringList("四杆机构|请先执行运动分析|确定"));
        s_.analysis = execute(kCrankRocker);
        QCOMPARE(trigger(), QStringList("四杆机构|请先设置连杆点|确定"));
        s_.couplerPoint = kPoint;
        QCOMPARE(trigger().value(0).section('|', 1), "连杆点轨迹.csv|保存(&S)");
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(),
                 QByteArray::fromStdString(couplerPathCsv(*s_.analysis, kPoint)));
    }
};

QTEST_MAIN(AnimationWindowTest)
#include "animation_window_test.moc"
