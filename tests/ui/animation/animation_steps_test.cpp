// Tests of the animation cycle: displayed positions, Stop, Continue, Exit, refusals and the stop
// when the analysed linkage changed under a running animation.
#include <sys/resource.h>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "animation_fixture.h"
#include "core/messages.h"
#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/timer.h"

using namespace fourbar;
using namespace fourbar::test;
using Step = AnimationWindow::Step;

namespace {

QList<int> series(int from, int step, int to) {
    QList<int> out;
    for (int i = from; i <= to; i += step) {
        out.append(i);
    }
    return out;
}

}  // namespace

class AnimationStepsTest : public QObject {
    Q_OBJECT

  private slots:
    void displayedPositions_data();
    void displayedPositions();
    void scrollBarTurnsDoubleRockerUp();
    void stopRightAfterErase();
    void exitReopenContinue();
    void noCurrentPosition();
    void coefficient_data();
    void coefficient();
    void refusals_data();
    void refusals();
    void stopsWhenAnalysisChanged_data();
    void stopsWhenAnalysisChanged();
    void realEventLoop();
    void throughTheApplication();
};

void AnimationStepsTest::displayedPositions_data() {
    QTest::addColumn<int>("kind");  // 0 crank-driven, 1 double rocker, 2 rocker-crank
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("crank step 3") << 0 << 0 << 0 << 3 << series(0, 3, 357) + QList{0, 3, 6};
    QTest::newRow("crank step 7") << 0 << 0 << 0 << 7 << series(0, 7, 357) + QList{0, 7};
    QTest::newRow("crank step 10") << 0 << 0 << 0 << 10 << series(0, 10, 350) + QList{0, 10};
    QTest::newRow("double rocker 30..36")
        << 1 << 30 << 36 << 3 << QList{30, 33, 36, 33, 30, 30, 33, 36, 33, 30, 30, 33};
    QTest::newRow("double rocker 30..35")
        << 1 << 30 << 35 << 3 << QList{30, 33, 35, 32, 30, 33, 35, 32, 30};
    QTest::newRow("double rocker -40..40 step 10")
        << 1 << -40 << 40 << 10 << QList{-40, -30, -20, -10, 0, 10, 20, 30, 40, 30, 20};
    QTest::newRow("rocker-crank 20..150, showing its last index")
        << 2 << 20 << 150 << 2 << series(20, 2, 280) + QList{20, 22};
    QTest::newRow("rocker-crank 20..150")
        << 2 << 20 << 150 << 3 << series(20, 3, 278) + QList{20, 23};
}

void AnimationStepsTest::displayedPositions() {
    QFETCH(int, kind);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, step);
    QFETCH(QList<int>, shown);

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
    w.findChild<QScrollBar*>("HScroll1")->setValue(step);
    StepLog log(w);
    w.onCommand1Clicked();
    cycle(w, static_cast<int>(shown.size()) - 1);

    QCOMPARE(log.of(Step::Draw), shown);
    // Each erase removes the figure the previous draw put up.
    for (qsizetype k = 0; k < log.steps.size(); ++k) {
        QCOMPARE(log.steps[k], k % 2 == 0 ? Step::Draw : Step::Erase);
        if (k % 2 == 1) {
            QCOMPARE(log.indices[k], log.indices[k - 1]);
        }
    }
    QVERIFY(w.timer1()->isTicking());
    QVERIFY(w.timer2()->isTicking());
}

void AnimationStepsTest::scrollBarTurnsDoubleRockerUp() {
    SharedState s;
    setLengths(s);
    doubleRocker(s, 0, 60);
    AnimationWindow w(s);
    StepLog log(w);
    w.onCommand1Clicked();  // step 3: 0, 3, ..., 57, 60, 57, ...
    cycle(w, 31);
    QCOMPARE(log.of(Step::Draw).mid(19, 13),
             (QList{57, 60, 57, 54, 51, 48, 45, 42, 39, 36, 33, 30, 27}));
    QCOMPARE(w.frameStep(), -3);

    w.findChild<QScrollBar*>("HScroll1")->setValue(10);
    QCOMPARE(w.findChild<QLineEdit*>("Text2")->text(), QString("10"));
    log.clear();
    cycle(w, 5);
    QCOMPARE(log.of(Step::Draw), (QList{37, 47, 57, 60, 50}));
}

void AnimationStepsTest::stopRightAfterErase() {
    SharedState s;
    setLengths(s);
    crankDriven(s);
    AnimationWindow w(s);
    StepLog log(w);
    w.onCommand1Clicked();
    cycle(w, 2);
    w.onTimer1Tick();  // erases 6 and moves on to 9
    w.onCommand2Clicked();
    QVERIFY(!w.timer1()->isEnabled());
    QVERIFY(!w.timer2()->isEnabled());
    QCOMPARE(log.steps.last(), Step::Redraw);
    QCOMPARE(log.indices.last(), 9);
    QCOMPARE(w.frameIndex(), 9);

    log.clear();
    w.onCommand3Clicked();
    QVERIFY(w.timer1()->isTicking());
    QCOMPARE(w.timer1()->interval(), 3);
    QVERIFY(!w.timer2()->isEnabled());  // the erase step starts it
    cycle(w);
    QCOMPARE(log.steps, (QList{Step::Erase, Step::Draw}));
    QCOMPARE(log.indices, (QList{9, 12}));
}

void AnimationStepsTest::exitReopenContinue() {
    SharedState s;
    setLengths(s);
    doubleRocker(s, 30, 36);
    AnimationWindow w(s);
    QSignalSpy exits(&w, &AnimationWindow::exitRequested);
    StepLog log(w);
    w.show();
    w.onCommand1Clicked();
    cycle(w, 3);  // 30, 33, 36, 33
    w.findChild<QPushButton*>("Command5")->click();
    QCOMPARE(exits.count(), 1);
    QVERIFY(w.isHidden());
    QVERIFY(!w.timer1()->isTicking());
    QVERIFY(!w.timer2()->isTicking());

    w.show();
    QVERIFY(!w.timer1()->isTicking());
    log.clear();
    w.onCommand3Clicked();
    cycle(w, 3);
    QCOMPARE(log.of(Step::Draw), (QList{30, 30, 33}));
    QCOMPARE(log.of(Step::Erase), (QList{33, 30, 30}));

    // The title bar's close button does what "退出" does.
    w.close();
    QCOMPARE(exits.count(), 2);
    QVERIFY(w.isHidden());
    QVERIFY(!w.timer1()->isTicking());
}

void AnimationStepsTest::noCurrentPosition() {
    SharedState s;
    setLengths(s);
    doubleRocker(s, 30, 35);
    AnimationWindow w(s);
    StepLog log(w);
    w.onCommand2Clicked();
    w.onCommand3Clicked();
    QVERIFY(log.steps.isEmpty());
    QVERIFY(!w.timer1()->isTicking());

    // Range while running stops the cycle and leaves no current position.
    w.onCommand1Clicked();
    cycle(w);
    w.onCommand4Clicked();
    QVERIFY(!w.timer1()->isTicking());
    QVERIFY(!w.timer2()->isTicking());
    QCOMPARE(w.frameIndex(), 36);
    log.clear();
    w.onCommand2Clicked();
    w.onCommand3Clicked();
    w.onTimer1Tick();  // a tick that was already due stops instead of erasing at 36
    w.onTimer2Tick();
    QVERIFY(log.steps.isEmpty());
    QVERIFY(!w.timer1()->isTicking());

    w.onCommand1Clicked();
    QCOMPARE(log.of(Step::Draw), QList{30});
}

void AnimationStepsTest::coefficient_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("coefficient");
    QTest::addColumn<float>("drawScale");
    QTest::newRow("empty") << "" << 5.0 << 0.123472f;
    QTest::newRow("zero") << "0" << 5.0 << 0.123472f;
    QTest::newRow("not a number") << "abc" << 5.0 << 0.123472f;
    QTest::newRow("ten, leading blank") << " 10xyz" << 10.0 << 0.246944f;
    QTest::newRow("negative") << "-5" << -5.0 << -0.123472f;
    QTest::newRow("underflows single precision") << "1e-60" << 5.0 << 0.123472f;
    QTest::newRow("overflows single precision") << "1e60" << 5.0 << 0.123472f;
}

void AnimationStepsTest::coefficient() {
    QFETCH(QString, text);
    QFETCH(double, coefficient);
    QFETCH(float, drawScale);
    SharedState s;
    setLengths(s);
    crankDriven(s);
    AnimationWindow w(s);
    auto* text1 = w.findChild<ui::InputBox*>("Text1");
    text1->setText(text);
    w.onCommand1Clicked();
    QCOMPARE(w.scaleCoefficient(), coefficient);
    QVERIFY(std::abs(w.drawScale() - drawScale) < 1e-6f);
    QCOMPARE(w.findChild<QLineEdit*>("Text2")->text(), QString("3"));

    emit text1->focusReset();
    QCOMPARE(w.scaleCoefficient(), 0.0);
}

void AnimationStepsTest::refusals_data() {
    QTest::addColumn<int>("setup");
    QTest::newRow("no analysis yet") << 0;
    QTest::newRow("name cleared after a double-rocker run") << 1;
    QTest::newRow("full-turn tables under a double-rocker name") << 2;
    QTest::newRow("rocker-crank range beyond the tables") << 3;
}

void AnimationStepsTest::refusals() {
    QFETCH(int, setup);
    SharedState s;
    setLengths(s);
    if (setup == 1) {
        doubleRocker(s, 30, 36);
        s.linkage.mechanismName.clear();
    } else if (setup == 2) {
        crankDriven(s);
        s.linkage.mechanismName = std::string(names::doubleRocker);
        s.tables.startAngle = -10;
        s.tables.endAngle = 40;
    } else if (setup == 3) {
        doubleRocker(s, 20, 150);
        s.linkage.mechanismName = std::string(names::rockerCrankA);
    }
    AnimationWindow w(s);
    StepLog log(w);
    for (const char* command : {"Command1", "Command4"}) {
        QString seen;
        expectMessage(&seen);
        w.findChild<QPushButton*>(command)->click();
        QCOMPARE(seen, QString::fromUtf8(messages::analyseFirst.data()));
        QVERIFY(w.positionTables().range().empty());
        QVERIFY(!w.hasCurrentPosition());
        QVERIFY(!w.timer1()->isTicking());
        QCOMPARE(w.scaleCoefficient(), 0.0);
    }
    QVERIFY(log.steps.isEmpty());
}

void AnimationStepsTest::stopsWhenAnalysisChanged_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("new range") << 0;
    QTest::newRow("new kind") << 1;
    QTest::newRow("name cleared") << 2;
}

void AnimationStepsTest::stopsWhenAnalysisChanged() {
    QFETCH(int, change);
    SharedState s;
    setLengths(s);
    doubleRocker(s, 30, 36);
    AnimationWindow w(s);
    StepLog log(w);
    w.onCommand1Clicked();
    cycle(w);
    w.onTimer1Tick();
    if (change == 0) {
        doubleRocker(s, -40, 40);
    } else if (change == 1) {
        rockerCrank(s, 30, 36);
    } else {
        s.linkage.mechanismName.clear();
    }
    log.clear();
    w.onTimer2Tick();
    w.onTimer1Tick();
    QVERIFY(log.steps.isEmpty());
    QVERIFY(!w.timer1()->isTicking());
    QVERIFY(!w.timer2()->isTicking());
    w.onCommand3Clicked();  // Continue has nothing to go on with
    QVERIFY(!w.timer1()->isTicking());
    w.onCommand2Clicked();
    QVERIFY(log.steps.isEmpty());
}

// On the real event loop: the toolkit's timers alternate the erase and the draw step, and the
// linkage moves on. The pace is printed, not asserted; FOURBAR_ANIMATION_SECONDS runs it longer.
void AnimationStepsTest::realEventLoop() {
    SharedState s;
    QVERIFY(crankRockerPreset(s));
    AnimationWindow w(s);
    StepLog log(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const double seconds = qEnvironmentVariableIsSet("FOURBAR_ANIMATION_SECONDS")
                               ? qEnvironmentVariable("FOURBAR_ANIMATION_SECONDS").toDouble()
                               : 1.0;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer clock;
    clock.start();
    w.onCommand1Clicked();
    QTest::qWait(static_cast<int>(seconds * 1000));
    const double elapsed = clock.elapsed() / 1000.0;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    w.onCommand2Clicked();

    const auto cpu = [](const rusage& r) {
        return r.ru_utime.tv_sec + r.ru_stime.tv_sec +
               (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    const QList<int> draws = log.of(Step::Draw);
    qInfo("%lld steps in %.2f s: %.1f steps/s, CPU %.1f %% of one core",
          static_cast<long long>(draws.size()), elapsed, draws.size() / elapsed,
          100 * (cpu(after) - cpu(before)) / elapsed);

    QVERIFY(draws.size() >= 3);
    QCOMPARE(log.steps.last(), Step::Redraw);
    for (qsizetype k = 0; k + 1 < log.steps.size(); ++k) {
        QCOMPARE(log.steps[k], k % 2 == 0 ? Step::Draw : Step::Erase);
    }
    for (qsizetype k = 1; k < draws.size(); ++k) {
        QCOMPARE(draws[k], (draws[k - 1] + 3) % 360 < 3 ? 0 : draws[k - 1] + 3);
    }
}

// The user's road: the crank-rocker preset, confirm, execute, "动态  演示", "演示", "停止", "退出".
void AnimationStepsTest::throughTheApplication() {
    ui::Application app;
    ui::MainWindow& main = app.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.findChild<QAction*>("crankrocker")->trigger();
    main.findChild<QPushButton*>("Command1")->click();
    main.findChild<QPushButton*>("Command7")->click();
    QCOMPARE(app.state().linkage.mechanismName, std::string(names::crankRockerB));
    main.findChild<QPushButton*>("Command6")->click();
    AnimationWindow* w = app.animationWindow();
    QVERIFY(w != nullptr);
    QVERIFY(w->isVisible());
    QVERIFY(main.isHidden());

    StepLog log(*w);
    w->findChild<QPushButton*>("Command1")->click();
    QTRY_VERIFY(log.of(AnimationWindow::Step::Draw).size() >= 4);
    w->findChild<QPushButton*>("Command2")->click();
    QCOMPARE(log.of(AnimationWindow::Step::Draw).mid(0, 4), (QList{0, 3, 6, 9}));
    w->findChild<QPushButton*>("Command5")->click();
    QVERIFY(w->isHidden());
    QVERIFY(main.isVisible());
}

QTEST_MAIN(AnimationStepsTest)
#include "animation_steps_test.moc"
