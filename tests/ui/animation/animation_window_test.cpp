// Tests of the animation window: displayed positions, picture pixels, range of motion, refusals and
// the presets through the application, one of them on the real event loop.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <ctime>

#include "core/analysis.h"
#include "core/messages.h"
#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/timer.h"

using namespace fourbar;
using ui::AnimationWindow;
using Step = AnimationWindow::Step;

namespace {

// Tables as a run of the kind leaves them (0 crank-driven, 1 double rocker, 2 rocker-crank), with
// L1 150, L3 250, L4 300 mm, theta1 i degrees (2 end - i on the return swing), theta3 pi/2.
Analysis analysis(int kind, int start, int end) {
    const std::string_view name[] = {names::crankRockerB, names::doubleRocker, names::rockerCrankB};
    Analysis a;
    a.linkage = {.L1 = 150, .L3 = 250, .L4 = 300, .mechanismName = std::string(name[kind])};
    const int first = kind == 0 ? 0 : start;
    const int last = kind == 0 ? 360 : kind == 1 ? end : 2 * end - start;
    a.tables.resize(first, last);
    for (int i = first; i <= last; ++i) {
        a.tables.setRow(i, {.theta1 = (kind == 2 && i >= end ? 2 * end - i : i) * kDegree,
                            .theta3 = 1.5707965f});
    }
    a.tables.startAngle = start;
    a.tables.endAngle = end;
    return a;
}
void analyse(SharedState& s, int kind, int start, int end) {
    s.analysis = std::make_shared<const Analysis>(analysis(kind, start, end));
}

// Whole numbers, "a:s:b" standing for a, a + s, ... up to b.
QList<int> ints(const QStringList& fields) {
    QList<int> out;
    for (const QString& f : fields) {
        const QStringList p = f.split(':');
        for (int i = p[0].toInt(); i <= p.last().toInt(); i += p.size() > 1 ? p[1].toInt() : 1) {
            out.append(i);
        }
    }
    return out;
}

// Every step the window reports; each erase must remove the figure last shown.
struct StepLog {
    QList<int> shown;     // indices drawn, by draw steps, Stop and Range
    bool erased = false;  // the last step was an erase
    explicit StepLog(AnimationWindow& w) {
        QObject::connect(&w, &AnimationWindow::stepTaken, &w, [this](Step step, int index) {
            QVERIFY(step != Step::Erase || (!erased && !shown.isEmpty() && shown.last() == index));
            erased = step == Step::Erase;
            erased ? void() : shown.append(index);
        });
    }
};

// D Demonstrate, s Stop, k Continue, r Range, x Exit (and show again), e erase tick, d draw tick,
// c both, t scroll bar to 10; a new analysis while hidden: n another range, m another kind, z the
// name cleared. A number before a letter repeats it.
void run(AnimationWindow& w, SharedState& s, const QString& script) {
    int times = 0;
    for (const QChar ch : script) {
        for (int k = 0; !ch.isDigit() && k < std::max(times, 1); ++k) {
            const int button = QString("Dskrx").indexOf(ch) + 1;
            button ? w.findChild<QPushButton*>(QString("Command%1").arg(button))->click() : void();
            QString("ec").contains(ch) ? w.eraseStep() : void();
            QString("dc").contains(ch) ? w.drawStep() : void();
            ch == 'x' ? w.show() : void();
            ch == 't' ? w.findChild<QScrollBar*>("HScroll1")->setValue(10) : void();
            ch == 'n' || ch == 'm' ? analyse(s, ch == 'n' ? 1 : 2, -40, 40) : void();
            if (ch == 'z') {
                Analysis a = *s.analysis;
                a.linkage.mechanismName.clear();
                s.analysis = std::make_shared<const Analysis>(a);
            }
            QVERIFY(!QString("sxr").contains(ch) ||
                    !(w.eraseTimer()->isTicking() || w.drawTimer()->isTicking()));
        }
        times = ch.isDigit() ? 10 * times + ch.digitValue() : 0;
    }
}

}  // namespace

class AnimationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void sequences_data();
    void sequences();
    void pixels_data();
    void pixels();
    void refusals();
    void presets();
};

// kind, start, end, step, script, cycle still running, frameIndex at the end; then the positions
// shown by draw steps, Stop and Range.
void AnimationWindowTest::sequences_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("crank 3") << "0 0 0 3 D121c 1 3   0:3:357 0 3";
    QTest::newRow("crank 7") << "0 0 0 7 D53c 1 7   0:7:357 0 7";
    QTest::newRow("crank 10") << "0 0 0 10 D37c 1 10   0:10:350 0 10";
    QTest::newRow("double rocker 30..36")
        << "1 30 36 3 D11c 1 33   30:3:36 33 30 30:3:36 33 30 30 33";
    QTest::newRow("double rocker 30..35") << "1 30 35 3 D8c 1 30   30 33 35 32 30 33 35 32 30";
    QTest::newRow("double rocker -40..40") << "1 -40 40 10 D10c 1 20   -40:10:40 30 20";
    QTest::newRow("rocker-crank restart") << "2 20 150 3 D88c 1 23   20:3:278 20 23";
    QTest::newRow("rocker-crank last index") << "2 20 150 2 D132c 1 22   20:2:280 20 22";
    QTest::newRow("scroll bar turns up") << "1 0 60 3 D25ct2c 1 60   0:3:60 57 54 51 48 45 55 60";
    QTest::newRow("Stop after erase") << "0 0 0 3 D2cesk1c 1 12   0 3 6 9 12";
    QTest::newRow("Exit, reopen, Continue") << "1 30 36 3 D3cxk3c 1 33   30 33 36 33 30 30 33";
    QTest::newRow("new range") << "1 30 36 3 Dcendek 0 36   30 33";
    QTest::newRow("new kind") << "1 30 36 3 Dcemdek 0 36   30 33";
    QTest::newRow("name cleared") << "1 30 36 3 Dcezdek 0 36   30 33";
    QTest::newRow("Range, crank-driven") << "0 0 0 3 r 0 355   0:5:350";
    QTest::newRow("Range, double rocker -40..40") << "1 -40 40 3 r 0 42   -40:2:40";
    QTest::newRow("Range, rocker-crank") << "2 20 150 3 r 0 282   20:2:280";
    QTest::newRow("no position after Range") << "1 30 35 3 skDcrskde 0 36   30 33 30 32 34";
}

void AnimationWindowTest::sequences() {
    QFETCH(QString, row);
    const QStringList f = row.split(' ', Qt::SkipEmptyParts);
    SharedState s;
    analyse(s, f[0].toInt(), f[1].toInt(), f[2].toInt());
    AnimationWindow w(s);
    w.findChild<QScrollBar*>("HScroll1")->setValue(f[3].toInt());
    StepLog log(w);
    run(w, s, f[4]);
    QCOMPARE(log.shown, ints(f.mid(7)));
    QCOMPARE(w.eraseTimer()->isTicking() || w.drawTimer()->isTicking(), f[5] == "1");
    QCOMPARE(w.frameIndex(), f[6].toInt());
}

// kind, start, end, Text1 (_ empty), script; then the count of pixels of a colour in column x, rows
// y0 to y1 of the 417 x 309 picture. At coefficient 5, B at 30 degrees lands on (199, 119), at 33
// on (198, 116), at 36 on (196, 112), B = (150, 0) on (209, 155), (-150, 0) on (69, 155) and (0,
// -150) on (139, 226); the y axis passes (139, 62) and the x axis (118, 155). At coefficient 1 the
// top of the circle around A fills column 139, rows 145 to 151.
void AnimationWindowTest::pixels_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("B drawn") << "1 30 36 _ D   199 119 119 #ff0 1";
    QTest::newRow("B erased") << "1 30 36 _ De   199 119 119 #000 1";
    QTest::newRow("Stop after erase") << "1 30 36 _ Dedes   196 112 112 #ff0 1";
    QTest::newRow("no axes, crank") << "0 0 0 _ D   139 62 62 #e10000 0";
    QTest::newRow("axes, double rocker") << "1 30 36 _ De   139 62 62 #e10000 1";
    QTest::newRow("axes, rocker-crank") << "2 20 150 _ De   139 62 62 #e10000 1";
    QTest::newRow("scale 5") << "0 0 0 5 D   209 155 155 #ff0 1";
    QTest::newRow("scale 5, past B") << "0 0 0 5 D   215 150 160 #ff0 0";
    QTest::newRow("scale 10, past B") << "0 0 0 10 D   180 150 160 #ff0 0";
    QTest::newRow("scale -5") << "0 0 0 -5 D   69 155 155 #ff0 1";
    QTest::newRow("garbage gives 5") << "0 0 0 abc D   209 155 155 #ff0 1";
    QTest::newRow("no single-precision scale gives 5") << "0 0 0 1e-60 D   209 155 155 #ff0 1";
    QTest::newRow("Range, rocker-crank's return swing") << "2 20 150 _ r   139 215 235 #ff0 0";
    QTest::newRow("Range, empty gives 5, B at 180 degrees") << "0 0 0 _ r   69 155 155 #ff0 1";
    QTest::newRow("dongtai2 erases pivots") << "0 0 0 1 De   139 145 151 #ff0 0";
    QTest::newRow("demonstrate2 keeps pivots") << "1 30 36 1 De   139 145 151 #ff0 2";
    QTest::newRow("Range first, width 1") << "1 30 36 _ r   118 150 160 #e10000 1";
    QTest::newRow("Range after Stop, width 2") << "1 30 36 _ Dsr   118 150 160 #e10000 2";
}

void AnimationWindowTest::pixels() {
    QFETCH(QString, row);
    const QStringList f = row.split(' ', Qt::SkipEmptyParts);
    SharedState s;
    analyse(s, f[0].toInt(), f[1].toInt(), f[2].toInt());
    AnimationWindow w(s);
    w.findChild<QLineEdit*>("Text1")->setText(f[3] == "_" ? "" : f[3]);
    run(w, s, f[4]);
    int count = 0;
    for (int y = f[6].toInt(); y <= f[7].toInt(); ++y) {
        count += w.picture()->image().pixel(f[5].toInt(), y) == QColor(f[8]).rgb();
    }
    QCOMPARE(count, f[9].toInt());
    QCOMPARE(w.picture()->updatesEnabled(), !f[4].endsWith('e'));  // an erase alone is not shown
}

// Tables that do not cover the kind's range: no run yet, the name cleared after a double-rocker
// run, full-turn tables under the double-rocker name, double-rocker tables under a rocker-crank
// name. Demonstrate and Range refuse and read nothing.
void AnimationWindowTest::refusals() {
    const std::string_view name[] = {"", "", names::doubleRocker, names::rockerCrankA};
    for (int setup = 0; setup < 4; ++setup) {
        SharedState s;
        Analysis a = analysis(setup == 2 ? 0 : 1, setup == 2 ? -10 : 30, 36);
        setup == 0 ? a.tables.clearRows() : void();
        a.linkage.mechanismName = std::string(name[setup]);
        s.analysis = setup == 0 ? nullptr : std::make_shared<const Analysis>(a);
        AnimationWindow w(s);
        StepLog log(w);
        for (const char* command : {"Command1", "Command4"}) {
            QString seen;
            QTimer::singleShot(50, &w, [&seen] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                seen = box->text();
                box->accept();
            });
            w.findChild<QPushButton*>(command)->click();
            QCOMPARE(seen, QString::fromUtf8(messages::analyseFirst.data()));
        }
        QVERIFY(log.shown.isEmpty() && w.positionTables().range().empty());
    }
}

// The user's road for every preset: the preset, "确 定", "执行", "动态  演示", "演示", 400 steps,
// "停止", "范围", "退出". Last the crank-rocker runs about a second on the real event loop
// (FOURBAR_ANIMATION_MS sets another time) while Continue is pressed again and again: erase and
// draw steps still alternate. Pace and CPU time are printed, not asserted.
void AnimationWindowTest::presets() {
    for (const char* preset : {"crankrocker", "rockercrank", "doublecrank", "doublerocker1",
                               "doublerocker2", "doublerocker3", "doublerocker4", ""}) {
        const bool eventLoop = *preset == 0;
        ui::Application app;
        ui::MainWindow& main = app.mainWindow();
        main.findChild<QAction*>(eventLoop ? "crankrocker" : preset)->trigger();
        for (const char* command : {"Command1", "Command7", "Command6"}) {
            main.findChild<QPushButton*>(command)->click();
        }
        AnimationWindow& w = *app.animationWindow();
        StepLog log(w);
        const std::clock_t cpu = std::clock();
        run(w, app.state(), eventLoop ? "D" : "D400c");
        QTimer presser;
        QObject::connect(&presser, &QTimer::timeout, &w, &AnimationWindow::onContinueClicked);
        presser.start(7);
        QTest::qWait(eventLoop ? qEnvironmentVariable("FOURBAR_ANIMATION_MS", "1000").toInt() : 0);
        qInfo("%s: %lld steps, %.0f ms of CPU", preset, static_cast<long long>(log.shown.size()),
              (std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        QVERIFY(QSet<int>(log.shown.begin(), log.shown.end()).size() > 10);
        run(w, app.state(), "srx");
    }
}

QTEST_MAIN(AnimationWindowTest)
#include "animation_window_test.moc"
