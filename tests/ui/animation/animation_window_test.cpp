// Tests of the animation window: the positions it shows per sequence of commands and ticks, picture
// pixels, captions, refusals, the timers on the event loop, and the centred rocker-crank through
// the application.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>

#include "core/analysis.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/timer.h"

using namespace fourbar;
using ui::AnimationWindow;
using Step = AnimationWindow::Step;
using Kind = MechanismKind;

namespace {

// What a test does to the window, in order.
enum class Act {
    Demonstrate,  // "演示"
    Stop,         // "停止"
    Continue,     // "继续"
    Range,        // "范围"
    Reopen,       // "退出", then shown again
    Erase,        // the erase timer's tick
    Draw,         // the draw timer's tick
    Cycle,        // an erase tick, then a draw tick
    StepTo10,     // the scroll bar to 10
    NewRange,     // another execute while hidden: a double rocker over -40..40
    NewKind,      // another execute while hidden: a rocker-crank over -40..40
};

struct Do {
    Act act;
    int times = 1;
};
using Script = QList<Do>;

// Result tables of one kind over startAngle..endAngle, as a run leaves them.
struct Tables {
    Kind kind;
    int start = 0;
    int end = 0;
};

// Tables as a run of the kind leaves them, with L1 150, L3 250, L4 300 mm, theta1 i degrees (2 end
// - i on the return swing), theta3 a quarter turn.
std::shared_ptr<const Analysis> analysis(Tables t) {
    const std::string_view name[] = {names::crankRockerB, names::doubleRocker, names::rockerCrankB};
    Analysis a;
    a.linkage = {.L1 = 150, .L3 = 250, .L4 = 300, .mechanismName = std::string(name[int(t.kind)])};
    const bool turning = t.kind == Kind::FullTurn;
    a.tables.resize(turning ? 0 : t.start, turning                        ? 360
                                           : t.kind == Kind::DoubleRocker ? t.end
                                                                          : 2 * t.end - t.start);
    for (int i = a.tables.rows().first; i <= a.tables.rows().last; ++i) {
        const bool returning = t.kind == Kind::RockerCrank && i > t.end;
        a.tables.setRow(
            i, {.theta1 = (returning ? 2 * t.end - i : i) * kDegree, .theta3 = 1.5707965f});
    }
    a.tables.startAngle = t.start;
    a.tables.endAngle = t.end;
    return std::make_shared<const Analysis>(std::move(a));
}

// first, first + step, ... up to last.
QList<int> every(int first, int step, int last) {
    QList<int> out;
    for (int i = first; i <= last; i += step) {
        out.append(i);
    }
    return out;
}

// Every step the window reports; each erase must remove the figure last shown.
struct StepLog {
    QList<int> shown;  // indices drawn by draw steps, Stop and Range
    int draws = 0;     // draw steps, Demonstrate's first draw included
    int erases = 0;
    bool erased = false;  // the last step was an erase
    explicit StepLog(AnimationWindow& w) {
        QObject::connect(&w, &AnimationWindow::stepTaken, &w, [this](Step step, int index) {
            QVERIFY(step != Step::Erase || (!erased && !shown.isEmpty() && shown.last() == index));
            erased = step == Step::Erase;
            draws += step == Step::Draw;
            erases += erased;
            erased ? void() : shown.append(index);
        });
    }
};

bool running(const AnimationWindow& w) {
    return w.eraseTimer()->isTicking() || w.drawTimer()->isTicking();
}

void click(const QWidget& window, const char* name) {
    window.findChild<QPushButton*>(name)->click();
}

void run(AnimationWindow& w, SharedState& s, const Script& script) {
    // The buttons of the first five acts, in their order.
    const char* const buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
    for (const auto [act, times] : script) {
        for (int k = 0; k < times; ++k) {
            if (act <= Act::Reopen) {
                click(w, buttons[static_cast<int>(act)]);
            }
            act == Act::Reopen ? w.show() : void();
            act == Act::Erase || act == Act::Cycle ? w.eraseStep() : void();
            act == Act::Draw || act == Act::Cycle ? w.drawStep() : void();
            act == Act::StepTo10 ? w.findChild<QScrollBar*>("HScroll1")->setValue(10) : void();
            if (act == Act::NewRange || act == Act::NewKind) {
                s.analysis = analysis(
                    {act == Act::NewRange ? Kind::DoubleRocker : Kind::RockerCrank, -40, 40});
            }
            // Stop, Exit and Range leave both timers off.
            if (act == Act::Stop || act == Act::Reopen || act == Act::Range) {
                QVERIFY(!running(w));
            }
        }
    }
}

// Pixels of one colour in column x, rows y0 to y1 of the 417 x 309 picture.
struct Probe {
    int x, y0, y1;
    QColor colour;
    int count;
};

}  // namespace

Q_DECLARE_METATYPE(Do)
Q_DECLARE_METATYPE(Tables)
Q_DECLARE_METATYPE(Probe)

class AnimationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void captions();
    void sequences_data();
    void sequences();
    void pixels_data();
    void pixels();
    void refusals_data();
    void refusals();
    void timers();
    void centredRockerCrank();
};

// Every caption as the window is loaded; the two text boxes are empty.
void AnimationWindowTest::captions() {
    SharedState s;
    AnimationWindow w(s);
    QCOMPARE(w.windowTitle(), "动态演示");
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "比例系数"}, {"Command1", "演示"}, {"Command2", "停止"}, {"Command3", "继续"},
        {"Command4", "范围"},   {"Command5", "退出"}, {"Text1", ""},        {"Text2", ""}};
    for (const auto& [name, caption] : captions) {
        QCOMPARE(w.findChild<QWidget*>(name)->property("text").toString(), caption);
    }
    const auto* bar = w.findChild<QScrollBar*>("HScroll1");
    QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->value()}), QList<int>({1, 10, 3}));
}

// The scroll bar at 3 throughout, unless the script moves it.
void AnimationWindowTest::sequences_data() {
    QTest::addColumn<Tables>("tables");
    QTest::addColumn<Script>("script");
    QTest::addColumn<QList<int>>("shown");  // by draw steps, Stop and Range
    QTest::addColumn<bool>("stillRunning");
    QTest::addColumn<int>("frameIndex");

    using enum Act;
    const Tables turning{Kind::FullTurn};
    const Tables rocking{Kind::DoubleRocker, 30, 36};
    QTest::newRow("scroll bar turns a double rocker up")
        << Tables{Kind::DoubleRocker, 0, 60}
        << Script{{Demonstrate}, {Cycle, 25}, {StepTo10}, {Cycle, 2}}
        << every(0, 3, 60) + QList<int>{57, 54, 51, 48, 45, 55, 60} << true << 60;
    QTest::newRow("Stop after an erase draws the new position")
        << turning << Script{{Demonstrate}, {Cycle, 2}, {Erase}, {Stop}, {Continue}, {Cycle}}
        << QList<int>{0, 3, 6, 9, 12} << true << 12;
    QTest::newRow("Exit, reopen, Continue")
        << rocking << Script{{Demonstrate}, {Cycle, 3}, {Reopen}, {Continue}, {Cycle, 3}}
        << QList<int>{30, 33, 36, 33, 30, 30, 33} << true << 33;
    for (const auto& [name, act] : {std::pair{"new range", NewRange}, {"new kind", NewKind}}) {
        QTest::newRow(name) << rocking << Script{{Demonstrate}, {Cycle}, {Erase},   {act},
                                                 {Draw},        {Erase}, {Continue}}
                            << QList<int>{30, 33} << false << 36;
    }
    QTest::newRow("Range, rocker-crank") << Tables{Kind::RockerCrank, 20, 150} << Script{{Range}}
                                         << every(20, 2, 280) << false << 282;
    // Range leaves no current position: Stop draws nothing and Continue starts nothing.
    const Script afterRange{{Stop}, {Continue}, {Demonstrate}, {Cycle}, {Range},
                            {Stop}, {Continue}, {Draw},        {Erase}};
    QTest::newRow("no position after Range, double rocker")
        << Tables{Kind::DoubleRocker, 30, 35} << afterRange << QList<int>{30, 33, 30, 32, 34}
        << false << 36;
    QTest::newRow("no position after Range, turning crank")
        << turning << afterRange << QList<int>{0, 3} + every(0, 5, 350) << false << 355;
}

void AnimationWindowTest::sequences() {
    QFETCH(Tables, tables);
    QFETCH(Script, script);
    SharedState s;
    s.analysis = analysis(tables);
    AnimationWindow w(s);
    StepLog log(w);
    run(w, s, script);
    QTEST(log.shown, "shown");
    QTEST(running(w), "stillRunning");
    QTEST(w.frameIndex(), "frameIndex");
}

// At coefficient 5, B at 30 degrees lands on (199, 119), at 36 on (196, 112), B = (150, 0) on
// (209, 155) and (-150, 0) on (69, 155); the y axis passes (139, 62) and the x axis (118, 155). At
// coefficient 1 the top of the circle around A fills column 139, rows 145 to 151.
void AnimationWindowTest::pixels_data() {
    QTest::addColumn<Tables>("tables");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<Script>("script");
    QTest::addColumn<Probe>("probe");

    using enum Act;
    const Tables turning{Kind::FullTurn};
    const Tables rocking{Kind::DoubleRocker, 30, 36};
    const Tables rockerCrank{Kind::RockerCrank, 20, 150};
    const QColor yellow(255, 255, 0);
    const QColor axis(225, 0, 0);
    const Script demonstrate{{Demonstrate}};
    const Script erase{{Demonstrate}, {Erase}};
    QTest::newRow("B erased") << rocking << "" << erase << Probe{199, 119, 119, Qt::black, 1};
    QTest::newRow("Stop after an erase")
        << rocking << "" << Script{{Demonstrate}, {Erase}, {Draw}, {Erase}, {Stop}}
        << Probe{196, 112, 112, yellow, 1};
    QTest::newRow("no axes, turning crank")
        << turning << "" << demonstrate << Probe{139, 62, 62, axis, 0};
    QTest::newRow("axes, rocker-crank")
        << rockerCrank << "" << erase << Probe{139, 62, 62, axis, 1};
    QTest::newRow("scale -5 turns the figure")
        << turning << "-5" << demonstrate << Probe{69, 155, 155, yellow, 1};
    QTest::newRow("no number gives 5")
        << turning << "abc" << demonstrate << Probe{209, 155, 155, yellow, 1};
    QTest::newRow("no single-precision scale gives 5")
        << turning << "1e-60" << demonstrate << Probe{209, 155, 155, yellow, 1};
    // At index 270 the return swing's crank stands at 30 degrees; at 270 degrees AB would run down.
    QTest::newRow("return swing at its stored crank angle")
        << rockerCrank << "" << Script{{StepTo10}, {Demonstrate}, {Cycle, 25}}
        << Probe{139, 215, 235, yellow, 0};
    QTest::newRow("Range, nothing below the rocker-crank's frame")
        << rockerCrank << "" << Script{{Range}} << Probe{139, 215, 235, yellow, 0};
    QTest::newRow("turning crank's erase takes the pivots")
        << turning << "1" << erase << Probe{139, 145, 151, yellow, 0};
    QTest::newRow("double rocker's erase keeps the pivots")
        << rocking << "1" << erase << Probe{139, 145, 151, yellow, 2};
    QTest::newRow("Range first, width 1")
        << rocking << "" << Script{{Range}} << Probe{118, 150, 160, axis, 1};
    QTest::newRow("Range after Stop, width 2")
        << rocking << "" << Script{{Demonstrate}, {Stop}, {Range}} << Probe{118, 150, 160, axis, 2};
}

void AnimationWindowTest::pixels() {
    QFETCH(Tables, tables);
    QFETCH(QString, coefficient);
    QFETCH(Script, script);
    QFETCH(Probe, probe);
    SharedState s;
    s.analysis = analysis(tables);
    AnimationWindow w(s);
    w.findChild<QLineEdit*>("Text1")->setText(coefficient);
    run(w, s, script);
    int count = 0;
    for (int y = probe.y0; y <= probe.y1; ++y) {
        count += w.picture()->image().pixel(probe.x, y) == probe.colour.rgb();
    }
    QCOMPARE(count, probe.count);
    // The screen holds between an erase and the next draw: an erase alone is never shown.
    QCOMPARE(w.picture()->updatesEnabled(), script.last().act != Act::Erase);
}

// Demonstrate and Range refuse with the message, and read nothing, before any analysis and after
// a run that could not close the loop (tables without rows).
void AnimationWindowTest::refusals_data() {
    QTest::addColumn<bool>("executed");
    QTest::addColumn<QString>("command");
    for (const bool executed : {false, true}) {
        for (const char* command : {"Command1", "Command4"}) {
            QTest::addRow("%s, %s", command, executed ? "run failed" : "no run")
                << executed << command;
        }
    }
}

void AnimationWindowTest::refusals() {
    QFETCH(bool, executed);
    QFETCH(QString, command);
    SharedState s;
    if (executed) {
        s.inputs = {.L1 = 100,
                    .L2 = 200,
                    .L3 = 100.000001,
                    .L4 = 200,
                    .n = 100,
                    .M = -1,
                    .mechanismName = {}};
        executeAnalysis(s);
        QVERIFY(s.analysis && s.analysis->tables.empty());
    }
    AnimationWindow w(s);
    StepLog log(w);
    QString seen;
    QTimer::singleShot(50, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = box ? box->text() : QString();
        box ? box->accept() : void();
    });
    click(w, command.toLatin1().constData());
    QCOMPARE(seen, QString::fromUtf8(messages::analyseFirst.data()));
    QVERIFY(log.shown.isEmpty() && w.positionTables().range().empty() && !running(w));
}

// On the real event loop, with Continue pressed again and again while the cycle runs: every draw
// step after Demonstrate's first comes from a tick of the draw timer, every erase step from one of
// the erase timer, and they alternate; after Stop neither ticks.
void AnimationWindowTest::timers() {
    SharedState s;
    s.analysis = analysis({Kind::FullTurn});
    AnimationWindow w(s);
    StepLog log(w);
    int eraseTicks = 0;
    int drawTicks = 0;
    connect(w.eraseTimer(), &ui::Timer::tick, &w, [&] { ++eraseTicks; });
    connect(w.drawTimer(), &ui::Timer::tick, &w, [&] { ++drawTicks; });
    QTimer presser;
    connect(&presser, &QTimer::timeout, &w, &AnimationWindow::onContinueClicked);
    presser.start(7);
    click(w, "Command1");
    QTRY_VERIFY_WITH_TIMEOUT(drawTicks >= 20, 20000);
    presser.stop();
    click(w, "Command2");
    QCOMPARE(log.draws, drawTicks + 1);
    QCOMPARE(log.erases, eraseTicks);
    QVERIFY(log.draws - log.erases == 0 || log.draws - log.erases == 1);
    const int ticks = eraseTicks + drawTicks;
    QTest::qWait(50);
    QCOMPARE(eraseTicks + drawTicks, ticks);
}

// The user's road for the centred rocker-crank: its lengths typed into the boxes, "确 定", "执行",
// "动态  演示", "演示", 400 steps at 3, "停止", "范围", "退出". The figure runs from startAngle 1
// through both swings (up to 2 endAngle - startAngle = 117; step 3 reaches 115) and back to 1.
void AnimationWindowTest::centredRockerCrank() {
    ui::Application app;
    ui::MainWindow& main = app.mainWindow();
    const char* const inputs[] = {"200", "100", "100", "200", "100", "1"};
    for (int box = 0; box < 6; ++box) {
        main.findChild<QLineEdit*>(QString("Text%1").arg(box + 1))->setText(inputs[box]);
    }
    for (const char* command : {"Command1", "Command7", "Command6"}) {
        click(main, command);
    }
    QCOMPARE(main.findChild<QLineEdit*>("Text8")->text(), "正置摇杆曲柄机构");
    AnimationWindow& w = *app.animationWindow();
    StepLog log(w);
    run(w, app.state(), {{Act::Demonstrate}, {Act::Cycle, 400}, {Act::Stop}});
    QCOMPARE(log.shown.mid(0, 40), every(1, 3, 115) + QList<int>{1});
    QCOMPARE(*std::min_element(log.shown.begin(), log.shown.end()), 1);
    run(w, app.state(), {{Act::Range}});
    click(w, "Command5");
    QVERIFY(w.isHidden() && main.isVisible());
}

QTEST_MAIN(AnimationWindowTest)
#include "animation_window_test.moc"
