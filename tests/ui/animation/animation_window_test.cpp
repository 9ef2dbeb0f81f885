// Tests of the animation window: the positions it shows per sequence of commands and ticks, pixels,
// the refusal, captions, the keyboard, and the timers on the event loop.
#include <QtTest>
#include <QtWidgets>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "tests/ui/ui_test_support.h"
#include "ui/animation/animation_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/program_setup.h"
#include "ui/toolkit/timer.h"

using namespace fourbar;
using ui::AnimationWindow;

namespace {

// What a sequence does, in order: the buttons Command1 to Command5 ("演示", "停止", "继续", "范围"
// and "退出"; the window draws the same whether shown or not), a tick of the erase or the draw
// timer, and an execute of another linkage while the window is hidden.
enum class Act { Demonstrate, Stop, Continue, Range, Exit, Erase, Draw, Execute };
using Script = QList<Act>;

// Tables over startAngle..endAngle with theta1 i degrees and theta3 a quarter turn, L1 150, L3 250
// and L4 300 mm: they place B and C, though the figure does not close.
std::shared_ptr<const Analysis> analysis(Mechanism mechanism, int start = 0, int end = 0) {
    Analysis a;
    a.linkage = {.L1 = 150, .L3 = 250, .L4 = 300};
    a.mechanism = mechanism;
    a.tables.startAngle = start;
    a.tables.endAngle = end;
    a.tables.resize(-90, 360);  // the rows of every kind used here
    for (int i = -90; i <= 360; ++i) {
        a.tables.setRow(i, {.theta1 = i * kDegree, .theta3 = 1.5707965f});
    }
    return std::make_shared<const Analysis>(std::move(a));
}

}  // namespace

class AnimationWindowTest : public QObject {
    Q_OBJECT
    SharedState s_;
    std::unique_ptr<AnimationWindow> w_;
    QList<int> shown_;  // the indices drawn by draw steps, Stop and Range

    void click(const char* name) { w_->findChild<QPushButton*>(name)->click(); }

    void run(const Script& script) {
        for (const Act act : script) {
            if (act < Act::Erase) {
                click(qPrintable(QString("Command%1").arg(int(act) + 1)));
            } else if (act == Act::Execute) {
                s_.analysis = analysis(Mechanism::DoubleRocker, -40, 40);
            } else {
                act == Act::Erase ? w_->eraseStep() : w_->drawStep();
            }
        }
    }

  private slots:
    // Qt's Chinese texts, as the application sets them up.
    void initTestCase() { ui::setUpProgram(); }

    // A fresh window on a fresh state for every test and row. Each erase step must take away the
    // figure drawn last.
    void init() {
        s_ = {};
        shown_.clear();
        w_ = std::make_unique<AnimationWindow>(s_);
        connect(w_.get(), &AnimationWindow::stepTaken, this, [this](auto step, int index) {
            if (step != AnimationWindow::Step::Erase) {
                shown_.append(index);
            } else {
                QVERIFY(shown_.endsWith(index));
            }
        });
    }

    // The step bar stays at 3.
    void sequences_data() {
        QTest::addColumn<std::shared_ptr<const Analysis>>("tables");
        QTest::addColumn<Script>("script");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<bool>("running");
        using enum Act;
        SharedState centred;  // a rocker-crank over 1..59, so its cycle runs 1..117
        centred.inputs = {200, 100, 100, 200, 100, 1};
        executeAnalysis(centred);
        QList<int> range{0, 3};  // then Range's samples of a turning crank, 0 to 350 every 5
        for (int i = 0; i <= 350; i += 5) {
            range << i;
        }
        // clang-format off
        QTest::newRow("turning crank: Stop after an erase draws the new position") << analysis(Mechanism::CrankRockerB)
            << Script{Demonstrate, Erase, Draw, Erase, Stop, Continue, Erase, Draw} << QList{0, 3, 6, 9} << true;
        QTest::newRow("double rocker: Exit, then Continue; Stop redraws") << analysis(Mechanism::DoubleRocker, 30, 36)
            << Script{Demonstrate, Erase, Draw, Exit, Continue, Erase, Draw, Erase, Draw, Stop} << QList{30, 33, 36, 33, 33} << false;
        QTest::newRow("centred rocker-crank, executed") << centred.analysis << Script{Demonstrate, Erase, Draw} << QList{1, 4} << true;
        QTest::newRow("a new analysis stops the cycle") << analysis(Mechanism::DoubleRocker, 30, 36)
            << Script{Demonstrate, Erase, Draw, Erase, Execute, Draw, Continue} << QList{30, 33} << false;
        // Range leaves no current position: Stop draws nothing and Continue starts nothing.
        QTest::newRow("turning crank: Stop and Continue after Range") << analysis(Mechanism::CrankRockerB)
            << Script{Demonstrate, Erase, Draw, Range, Stop, Continue, Draw, Erase} << range << false;
        // clang-format on
    }

    void sequences() {
        QFETCH(std::shared_ptr<const Analysis>, tables);
        QFETCH(Script, script);
        s_.analysis = tables;
        run(script);
        QTEST(shown_, "shown");
        QTEST(w_->eraseTimer()->isTicking() || w_->drawTimer()->isTicking(), "running");
    }

    // Every caption as the window is loaded, the step bar at 3 of 1..10. It opens with its picture
    // focused; Tab from "退出" reaches the step bar, whose Right arrow moves one step as a drag
    // does, shown in the read-only Text2 and its tooltip. Before any analysis Demonstrate refuses
    // with the message.
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
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QCOMPARE(QApplication::focusWidget(), w_->picture());
        w_->findChild<QWidget*>("Command5")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "HScroll1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(w_->frameStep(), 4);
        auto* stepBox = w_->findChild<QLineEdit*>("Text2");
        QCOMPARE(stepBox->text() + '|' + stepBox->toolTip(), "4|4");
        QVERIFY(stepBox->isReadOnly());
        QCOMPARE(test::dialogsDuring([this] { click("Command1"); }),
                 QStringList("四杆机构|请先执行运动分析|确定"));
    }

    // At coefficient 5 the double rocker's B at 30 degrees lands on (199, 119). An erase takes it
    // away, and the screen, copy and save hold the figure until the next draw: an erase alone is
    // never shown. On the real
    // event loop every draw step after these comes from a tick of the draw timer.
    void demonstration() {
        s_.analysis = analysis(Mechanism::DoubleRocker, 30, 36);
        click("Command1");
        QCOMPARE(w_->picture()->image().pixel(199, 119), qRgb(255, 255, 0));
        w_->eraseStep();
        QCOMPARE(w_->picture()->image().pixel(199, 119), qRgb(0, 0, 0));
        QVERIFY(!w_->picture()->updatesEnabled());
        QCOMPARE(w_->picture()->shownImage().pixel(199, 119), qRgb(255, 255, 0));  // copy, save
        w_->drawStep();
        QVERIFY(w_->picture()->updatesEnabled());
        QSignalSpy ticks(w_->drawTimer(), &ui::Timer::tick);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 20, 20000);
        QCOMPARE(shown_.size(), ticks.count() + 2);
    }
};

QTEST_MAIN(AnimationWindowTest)
#include "animation_window_test.moc"
