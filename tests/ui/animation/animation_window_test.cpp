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
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/timer.h"

using namespace fourbar;
using ui::AnimationWindow;
using Step = AnimationWindow::Step;

namespace {

// Tables as a run of the kind leaves them (0 crank-driven, 1 double rocker, 2 rocker-crank), with
// L1 150, L3 250, L4 300 mm, theta1 i degrees (2 end - i on the return swing), theta3 pi/2.
void analyse(SharedState& s, int kind, int start, int end) {
    const std::string_view name[] = {names::crankRockerB, names::doubleRocker, names::rockerCrankB};
    s.linkage = {
        .L1 = 150, .L2 = 220, .L3 = 250, .L4 = 300, .mechanismName = std::string(name[kind])};
    start = kind == 0 ? 0 : start;
    const int last = kind == 0 ? 360 : kind == 1 ? end : 2 * end - start;
    s.tables.resize(start, last);
    for (int i = start; i <= last; ++i) {
        s.tables.setRow(i, {.theta1 = (kind == 2 && i >= end ? 2 * end - i : i) * kDegree,
                            .theta3 = 1.5707965f});
    }
    s.tables.startAngle = start;
    s.tables.endAngle = end;
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

// Rows of a table as name and blank-separated fields, for a `_data` function.
template <std::size_t N>
void addRows(const char* const (&rows)[N][2]) {
    QTest::addColumn<QStringList>("f");
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << QString(row[1]).split(' ', Qt::SkipEmptyParts);
    }
}

// Every step the window reports; each erase must remove the figure last shown.
struct StepLog {
    QList<Step> steps;
    QList<int> shown;  // indices drawn, by draw steps and by Stop
    explicit StepLog(AnimationWindow& w) {
        QObject::connect(&w, &AnimationWindow::stepTaken, &w, [this](Step step, int index) {
            const bool erase = step == Step::Erase;
            QVERIFY(!erase ||
                    (!steps.isEmpty() && steps.last() != Step::Erase && shown.last() == index));
            steps.append(step);
            erase ? void() : shown.append(index);
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
            const int button = QString("Dskrx").indexOf(ch);
            if (button >= 0) {
                w.findChild<QPushButton*>(QString("Command%1").arg(button + 1))->click();
            }
            QString("ec").contains(ch) ? w.onTimer1Tick() : void();
            QString("dc").contains(ch) ? w.onTimer2Tick() : void();
            ch == 'x' ? w.show() : void();
            ch == 't' ? w.findChild<QScrollBar*>("HScroll1")->setValue(10) : void();
            ch == 'n' || ch == 'm' ? analyse(s, ch == 'n' ? 1 : 2, -40, 40) : void();
            ch == 'z' ? s.linkage.mechanismName.clear() : void();
            QVERIFY(!QString("sxr").contains(ch) ||
                    !(w.timer1()->isTicking() || w.timer2()->isTicking()));
            QVERIFY(ch != 'k' || !w.timer1()->isTicking() ||
                    (w.timer1()->interval() == 3 && !w.timer2()->isEnabled()));
        }
        times = ch.isDigit() ? 10 * times + ch.digitValue() : 0;
    }
}

// Pixels of `colour` in column x, rows y0 to y1 of the picture.
int pixelsIn(const AnimationWindow& w, int x, int y0, int y1, QRgb colour) {
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        n += w.picture()->image().pixel(x, y) == colour ? 1 : 0;
    }
    return n;
}

}  // namespace

class AnimationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void sequences_data();
    void sequences();
    void pixels_data();
    void pixels();
    void range_data();
    void range();
    void refusals();
    void presets_data();
    void presets();
};

// kind, start, end, step, script, cycle still running; then the positions shown.
void AnimationWindowTest::sequences_data() {
    static const char* const rows[][2] = {
        {"crank 3", "0 0 0 3 D121c 1   0:3:357 0 3"},
        {"crank 7", "0 0 0 7 D53c 1    0:7:357 0 7"},
        {"crank 10", "0 0 0 10 D37c 1  0:10:350 0 10"},
        {"double rocker 30..36", "1 30 36 3 D11c 1   30 33 36 33 30 30 33 36 33 30 30 33"},
        {"double rocker 30..35", "1 30 35 3 D8c 1    30 33 35 32 30 33 35 32 30"},
        {"double rocker -40..40", "1 -40 40 10 D10c 1   -40:10:40 30 20"},
        {"rocker-crank restart", "2 20 150 3 D88c 1   20:3:278 20 23"},
        {"rocker-crank last index", "2 20 150 2 D132c 1   20:2:280 20 22"},
        {"scroll bar turns it up", "1 0 60 3 D25ct2c 1   0:3:60 57 54 51 48 45 55 60"},
        {"Stop after erase", "0 0 0 3 D2cesk1c 1   0 3 6 9 12"},
        {"Exit, reopen, Continue", "1 30 36 3 D3cxk3c 1   30 33 36 33 30 30 33"},
        {"no position, Range", "1 30 35 3 skDcrskde 0   30 33"},
        {"new range ", "1 30 36 3 Dcendek 0   30 33"},
        {"new kind ", "1 30 36 3 Dcemdek 0   30 33"},
        {"name cleared ", "1 30 36 3 Dcezdek 0   30 33"},
    };
    addRows(rows);
}

void AnimationWindowTest::sequences() {
    QFETCH(QStringList, f);
    SharedState s;
    analyse(s, f[0].toInt(), f[1].toInt(), f[2].toInt());
    AnimationWindow w(s);
    w.findChild<QScrollBar*>("HScroll1")->setValue(f[3].toInt());
    StepLog log(w);
    run(w, s, f[4]);
    QCOMPARE(log.shown, ints(f.mid(6)));
    QCOMPARE(w.timer1()->isTicking() || w.timer2()->isTicking(), f[5] == "1");
}

// kind (double rocker 30..36, rocker-crank 20..150), Text1 (_ empty), script; then the count of
// pixels of a colour (y yellow, k black, r axis red) in column x, rows y0 to y1 of the 417 x 309
// picture. At coefficient 5, B at 30 degrees lands on (199, 119), at 33 on (198, 116), at 36 on
// (196, 112), B = (150, 0) on (209, 155); the y axis passes (139, 62) and the x axis (118, 155).
// At coefficient 1 the top of the circle around A fills column 139, rows 145 to 151.
void AnimationWindowTest::pixels_data() {
    static const char* const rows[][2] = {
        {"B drawn", "1 _ D   199 119 119 y 1"},
        {"B erased", "1 _ De   199 119 119 k 1"},
        {"B moved on", "1 _ Ded   198 116 116 y 1"},
        {"Stop after erase", "1 _ Dedes   196 112 112 y 1"},
        {"no axes, crank", "0 _ D   139 62 62 r 0"},
        {"axes, double rocker", "1 _ De   139 62 62 r 1"},
        {"axes, rocker-crank", "2 _ De   139 62 62 r 1"},
        {"scale 5", "0 5 D   209 155 155 y 1"},
        {"scale 5, past B", "0 5 D   215 150 160 y 0"},
        {"scale 10", "0 10 D   174 155 155 y 1"},
        {"scale 10, past B", "0 10 D   180 150 160 y 0"},
        {"scale -5", "0 -5 D   69 155 155 y 1"},
        {"scale -5, past B", "0 -5 D   63 150 160 y 0"},
        {"0 gives 5", "0 0 D   215 150 160 y 0"},
        {"garbage gives 5", "0 abc D   209 155 155 y 1"},
        {"no single-precision scale gives 5", "0 1e-60 D   215 150 160 y 0"},
        {"Range, empty gives 5", "0 _ r   215 150 160 y 0"},
        {"dongtai2 erases pivots", "0 1 De   139 145 151 y 0"},
        {"demonstrate2 keeps pivots", "1 1 De   139 145 151 y 2"},
        {"rocrankdemo2 keeps pivots", "2 1 De   139 145 151 y 2"},
        {"Range first, width 1", "1 _ r   118 150 160 r 1"},
        {"Range after Stop, width 2", "1 _ Dsr   118 150 160 r 2"},
    };
    addRows(rows);
}

void AnimationWindowTest::pixels() {
    QFETCH(QStringList, f);
    SharedState s;
    const int kind = f[0].toInt();
    analyse(s, kind, kind == 1 ? 30 : 20, kind == 1 ? 36 : 150);
    AnimationWindow w(s);
    w.findChild<ui::InputBox*>("Text1")->setText(f[1] == "_" ? "" : f[1]);
    run(w, s, f[2]);
    const QRgb colour[] = {qRgb(255, 255, 0), qRgb(0, 0, 0), qRgb(225, 0, 0)};
    const QList<int> n = ints(f.mid(3, 3));
    QCOMPARE(pixelsIn(w, n[0], n[1], n[2], colour[QString("ykr").indexOf(f[6])]), f[7].toInt());
    QCOMPARE(w.picture()->updatesEnabled(), !f[2].endsWith('e'));  // an erase alone is not shown
}

// kind, start, end, figures drawn, sample step, frameIndex left past the end.
void AnimationWindowTest::range_data() {
    static const char* const rows[][2] = {
        {"crank-driven", "0 0 0 71 5 355"},
        {"double rocker 30..35", "1 30 35 3 2 36"},
        {"double rocker -40..40", "1 -40 40 41 2 42"},
        {"rocker-crank 20..150", "2 20 150 131 2 282"},
    };
    addRows(rows);
}

void AnimationWindowTest::range() {
    QFETCH(QStringList, f);
    const QList<int> n = ints(f);
    SharedState s;
    analyse(s, n[0], n[1], n[2]);
    AnimationWindow w(s);
    w.findChild<QScrollBar*>("HScroll1")->setValue(7);
    run(w, s, "r");
    QCOMPARE(w.frameIndex(), n[5]);
    QVERIFY(w.frameStep() == 7 && w.findChild<QLineEdit*>("Text2")->text() == "7");
    // The sampled entries hold their joints; the others stay 0.
    const ui::PositionTables& t = w.positionTables();
    QCOMPARE(t.range(), kindRange(kindFromName(s.linkage.mechanismName), s.tables));
    for (int i = t.range().first; i <= t.range().last; ++i) {
        const int k = i - t.range().first;
        const bool drawn = k % n[4] == 0 && k / n[4] < n[3];
        const double theta1 = n[0] == 0 ? static_cast<float>(i * kDegree) : s.tables.theta1(i);
        QCOMPARE(t.jointBX(i), drawn ? 150 * std::cos(theta1) : 0.0);
        QCOMPARE(t.jointBY(i), drawn ? 150 * std::sin(theta1) : 0.0);
        QCOMPARE(t.jointCY(i), drawn ? 250.0f : 0.0f);
    }
}

// Tables that do not cover the kind's range: no run yet, the name cleared after a double-rocker
// run, full-turn tables under the double-rocker name, double-rocker tables under a rocker-crank
// name. Demonstrate and Range refuse and read nothing.
void AnimationWindowTest::refusals() {
    for (const int setup : {0, 1, 2, 3}) {
        SharedState s;
        analyse(s, setup == 2 ? 0 : 1, 30, 36);
        s.tables.resize(0, setup == 0 ? -1 : setup == 2 ? 360 : 36);
        const std::string_view name[] = {"", "", names::doubleRocker, names::rockerCrankA};
        s.linkage.mechanismName = std::string(name[setup]);
        AnimationWindow w(s);
        StepLog log(w);
        for (const char* command : {"Command1", "Command4"}) {
            QString seen;
            QTimer::singleShot(50, [&seen] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                seen = box ? box->text() : QString();
                box ? box->accept() : void();
            });
            w.findChild<QPushButton*>(command)->click();
            QCOMPARE(seen, QString::fromUtf8(messages::analyseFirst.data()));
        }
        QVERIFY(log.steps.isEmpty() && w.positionTables().range().empty() &&
                w.scaleCoefficient() == 0);
    }
}

// The user's road for every preset: the preset, "确 定", "执行", "动态  演示", "演示", 400 steps,
// "停止", "范围", "退出". The crank-rocker also runs about a second on the real event loop
// (FOURBAR_ANIMATION_SECONDS runs it longer) while Continue is pressed again and again: erase and
// draw steps still alternate. Pace and CPU time are printed, not asserted.
void AnimationWindowTest::presets_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<double>("seconds");
    QTest::newRow("event loop")
        << "crankrocker" << qEnvironmentVariable("FOURBAR_ANIMATION_SECONDS", "1").toDouble();
    for (const char* preset : {"crankrocker", "rockercrank", "doublecrank", "doublerocker1",
                               "doublerocker2", "doublerocker3", "doublerocker4"}) {
        QTest::newRow(preset) << preset << 0.0;
    }
}

void AnimationWindowTest::presets() {
    QFETCH(QString, preset);
    QFETCH(double, seconds);
    ui::Application app;
    ui::MainWindow& main = app.mainWindow();
    main.findChild<QAction*>(preset)->trigger();
    for (const char* command : {"Command1", "Command7", "Command6"}) {
        main.findChild<QPushButton*>(command)->click();
    }
    AnimationWindow& w = *app.animationWindow();
    QVERIFY(w.isVisible() && main.isHidden());
    StepLog log(w);
    const std::clock_t cpu = std::clock();
    run(w, app.state(), seconds > 0 ? "D" : "D400c");
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, &w, &AnimationWindow::onCommand3Clicked);
    presser.start(7);
    QTest::qWait(static_cast<int>(seconds * 1000));
    qInfo("%lld steps, %.0f ms of CPU", static_cast<long long>(log.shown.size()),
          (std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
    run(w, app.state(), "s");
    QVERIFY(QSet<int>(log.shown.begin(), log.shown.end()).size() > 10);
    const ui::JointPositions j = w.positionTables().at(w.frameIndex());
    const QPointF b = w.picture()->toPixels(j.bx, j.by);
    QCOMPARE(pixelsIn(w, qRound(b.x()), qRound(b.y()), qRound(b.y()), qRgb(255, 255, 0)), 1);
    run(w, app.state(), "rx");
    QVERIFY(main.isVisible());
}

QTEST_MAIN(AnimationWindowTest)
#include "animation_window_test.moc"
