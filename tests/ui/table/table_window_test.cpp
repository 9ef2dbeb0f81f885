// Data table window: listed rows per kind and command, messages, line texts and bounded listings.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <limits>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "core/number_text.h"
#include "core/shared_state.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/drawing_area.h"

using fourbar::SharedState;
using fourbar::ui::TableWindow;

namespace {

void runPreset(SharedState& s, double l1, double l2, double l3, double l4) {
    s.linkage = {l1, l2, l3, l4, 100, 0, -1, {}, 0};
    QCOMPARE(int(fourbar::executeAnalysis(s.linkage, s.tables).message),
             int(fourbar::ExecuteMessage::None));
}

// "crank-rocker" and "rocker-crank": the presets, executed. "mismatch": the rocker-crank run, then
// crank-rocker lengths without a run. "none": nothing run. "DR s e" and "RC s e": the tables a
// double-rocker or rocker-crank run over startAngle s, endAngle e leaves (theta1 follows the
// swing).
void setUp(SharedState& s, const QString& setup) {
    const QStringList words = setup.split(' ');
    if (setup == "crank-rocker") {
        runPreset(s, 150, 220, 250, 300);
    } else if (setup == "rocker-crank" || setup == "mismatch") {
        runPreset(s, 250, 220, 150, 300);
        if (setup == "mismatch") {
            std::swap(s.linkage.L1, s.linkage.L3);
        }
    } else if (words.size() == 3) {
        const bool rockerCrank = words[0] == "RC";
        const double start = words[1].toDouble();
        const double end = words[2].toDouble();
        s.linkage = {250, 220, 150, 300, 100, 0, -1, rockerCrank ? "B型摇杆曲柄机构" : "双摇杆机构",
                     150};
        s.tables.startAngle = start;
        s.tables.endAngle = end;
        const int last = int(rockerCrank ? 2 * end - start : end);
        s.tables.resize(int(start), last);
        for (int i = int(start); i <= last; ++i) {
            const double crank = (rockerCrank && i >= end) ? 2 * end - i : i;
            s.tables.setRow(i, {crank * fourbar::kDegree, 0.01 * i, 0.001f * i, 1, 2, 3, 4});
        }
    }
}

QStringList seq(double first, double last, double step, const QString& suffix = {}) {
    QStringList out;
    for (double v = first; step > 0 ? v <= last : v >= last; v += step) {
        out << QString::number(v) + suffix;
    }
    return out;
}

QStringList dataLines(const TableWindow& w) {
    return w.listing()->printedLines().mid(2);
}

// The first field of each data line (column 3, up to the field at column 11).
QStringList firstFields(const TableWindow& w) {
    QStringList out;
    for (const QString& line : dataLines(w)) {
        out << line.mid(2, 8).trimmed();
    }
    return out;
}

// The texts of the message boxes shown while `action` runs; each box is closed at once.
QStringList messagesDuring(const std::function<void()>& action) {
    QStringList texts;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    action();
    closer.stop();
    return texts;
}

void setBoxes(TableWindow& w, const QString& start, const QString& end, const QString& interval) {
    w.findChild<QLineEdit*>("Text2")->setText(start);
    w.findChild<QLineEdit*>("Text3")->setText(end);
    w.findChild<QLineEdit*>("Text1")->setText(interval);
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void layout();
    void display_data();
    void display();
    void quarter_data();
    void quarter();
    void rockerCrankPresetDegrees();
    void crankRockerLines();
    void halvesToEven();
    void boundedListings_data();
    void boundedListings();
    void nanFieldIsBlank();
    void clearExitAndCopy();
};

void TableWindowTest::layout() {
    SharedState s;
    TableWindow w(s);
    QCOMPARE(w.objectName(), QString("Form4"));
    QCOMPARE(w.windowTitle(), QString("运动参数"));
    QCOMPARE(w.size(), QSize(448, 529));  // 6720 x 7935 twips
    QCOMPARE(w.findChild<QWidget*>("Picture1")->geometry(), QRect(4, 12, 405, 509));
    auto* command2 = w.findChild<QPushButton*>("Command2");
    QCOMPARE(command2->geometry(), QRect(416, 468, 25, 45));
    QVERIFY(w.rect().contains(command2->geometry()));
    QCOMPARE(command2->font().pixelSize(), 13);  // 9.75 pt
    QCOMPARE(command2->font().family(), QString("Liberation Sans"));
    QCOMPARE(w.findChild<QPushButton*>("Command1")->font().family(), QString("Liberation Serif"));
    QCOMPARE(w.findChild<QPushButton*>("Command7")->font().pixelSize(), 11);  // 8.25 pt
    QCOMPARE(w.findChild<QPushButton*>("Command1")->text(), QString("       显  示       "));
    QCOMPARE(w.findChild<QPushButton*>("Command6")->geometry(), QRect(412, 424, 33, 29));
}

void TableWindowTest::display_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("crank-rocker, empty boxes") << "crank-rocker"
                                               << ""
                                               << ""
                                               << "" << seq(0, 350, 10);
    QTest::newRow("descending") << "crank-rocker"
                                << "100"
                                << "50"
                                << "-10" << seq(100, 50, -10);
    QTest::newRow("against direction") << "crank-rocker"
                                       << "50"
                                       << "100"
                                       << "-10" << QStringList{};
    QTest::newRow("text reads 0, fractional interval") << "crank-rocker"
                                                       << "abc"
                                                       << "30"
                                                       << "7.5" << seq(0, 30, 7.5);
    QTest::newRow("full turn below 0 skips rows") << "crank-rocker"
                                                  << "-20"
                                                  << "20"
                                                  << "10" << seq(0, 20, 10);
    QTest::newRow("full turn above 360 skips rows") << "crank-rocker"
                                                    << "350"
                                                    << "400"
                                                    << "5" << seq(350, 360, 5);
    QTest::newRow("double rocker, empty boxes") << "DR -40 60"
                                                << ""
                                                << ""
                                                << "" << seq(-40, 60, 10);
    QTest::newRow("double rocker, start raised") << "DR -40 60"
                                                 << "-100"
                                                 << ""
                                                 << "20" << seq(-40, 60, 20);
    QTest::newRow("double rocker, start 0 not given") << "DR -40 60"
                                                      << "0"
                                                      << "30"
                                                      << "" << seq(-40, 30, 10);
    QTest::newRow("double rocker, end lowered") << "DR -40 60"
                                                << "15"
                                                << "500"
                                                << "15" << seq(15, 60, 15);
    QTest::newRow("rocker-crank, empty boxes, theta1 in degrees")
        << "RC 20 150"
        << ""
        << ""
        << "" << seq(20, 150, 10, ".") + seq(140, 20, -10, ".");
    QTest::newRow("rocker-crank, start 0 raised") << "RC 20 150"
                                                  << "0"
                                                  << "100"
                                                  << "" << seq(20, 100, 10, ".");
    QTest::newRow("rocker-crank, end lowered to the top") << "RC 20 150"
                                                          << "250"
                                                          << "999"
                                                          << "" << seq(50, 20, -10, ".");
    QTest::newRow("no analysis") << "none"
                                 << ""
                                 << ""
                                 << "" << QStringList{};
    QTest::newRow("kind changed without a run reads held rows only")
        << "mismatch"
        << ""
        << ""
        << "" << QStringList{"placeholder"};
}

void TableWindowTest::display() {
    QFETCH(QString, setup);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, interval);
    QFETCH(QStringList, expected);
    SharedState s;
    setUp(s, setup);
    TableWindow w(s);
    setBoxes(w, start, end, interval);
    w.onCommand1Clicked();
    if (setup == "mismatch") {
        // Full-turn listing 0, 10, ..., 350 over tables that hold only the rocker-crank rows.
        const auto held = s.tables.rows();
        QVERIFY(held.first > 0 && held.last < 359);
        expected = seq(std::ceil(held.first / 10.0) * 10, held.last, 10);
    }
    QCOMPARE(firstFields(w), expected);
    const QStringList lines = w.listing()->printedLines();
    QCOMPARE(lines.value(0).trimmed(), QString("四杆机构运动分析"));
    QVERIFY(lines.value(1).startsWith("L1杆转角"));
}

void TableWindowTest::quarter_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");

    const QString none;
    const QString notInRange = "数据不在此范围内";
    QTest::newRow("full turn 0--90") << "crank-rocker" << 3 << "" << seq(0, 90, 5) << none;
    QTest::newRow("full turn --180") << "crank-rocker" << 4 << "" << seq(90, 180, 5) << none;
    QTest::newRow("full turn --270 at 30")
        << "crank-rocker" << 5 << "30" << seq(180, 270, 30) << none;
    QTest::newRow("full turn --360") << "crank-rocker" << 6 << "" << seq(270, 360, 5) << none;
    QTest::newRow("-40..60 0--90") << "DR -40 60" << 3 << "" << seq(-40, 60, 5) << none;
    QTest::newRow("-40..60 --180") << "DR -40 60" << 4 << "" << QStringList{} << notInRange;
    QTest::newRow("10..90 0--90") << "DR 10 90" << 3 << "10" << seq(10, 90, 10) << none;
    QTest::newRow("10..90 --180") << "DR 10 90" << 4 << "" << QStringList{} << notInRange;
    QTest::newRow("60..200 --180") << "DR 60 200" << 4 << "10" << seq(90, 180, 10) << none;
    QTest::newRow("60..200 --270") << "DR 60 200" << 5 << "" << seq(180, 200, 5) << none;
    QTest::newRow("60..200 --360") << "DR 60 200" << 6 << "" << QStringList{} << notInRange;
    QTest::newRow("100..150 --180") << "DR 100 150" << 4 << "" << seq(100, 150, 5) << none;
    QTest::newRow("100..250 --180") << "DR 100 250" << 4 << "20" << seq(100, 180, 20) << none;
    QTest::newRow("rocker-crank") << "RC 20 150" << 4 << "" << QStringList{} << "请选择范围及间隔";
    QTest::newRow("no analysis") << "none" << 3 << "" << QStringList{} << none;
}

void TableWindowTest::quarter() {
    QFETCH(QString, setup);
    QFETCH(int, button);
    QFETCH(QString, interval);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    SharedState s;
    setUp(s, setup);
    TableWindow w(s);
    // The start and end boxes are not read by the quarter-turn buttons.
    setBoxes(w, "45", "46", interval);
    const QStringList shown = messagesDuring(
        [&] { w.findChild<QPushButton*>(QString("Command%1").arg(button))->click(); });
    QCOMPARE(shown, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(firstFields(w), expected);
    QCOMPARE(w.listing()->printedLines().size(), 2 + expected.size());
}

void TableWindowTest::rockerCrankPresetDegrees() {
    SharedState s;
    setUp(s, "rocker-crank");
    TableWindow w(s);
    w.onCommand1Clicked();
    const QStringList fields = firstFields(w);
    const auto held = s.tables.rows();
    QVERIFY(!fields.isEmpty());
    // Each first field is theta1 of its row in degrees; the rows run start, start + 10, ...
    for (int n = 0; n < fields.size(); ++n) {
        const int row = held.first + 10 * n;
        QCOMPARE(fields[n], QString::fromStdString(
                                fourbar::patternText(s.tables.theta1(row) / fourbar::kDegree)));
    }
    // The forward swing rises to endAngle; the return swing falls back.
    QCOMPARE(fields.first(), QString::number(s.tables.startAngle) + ".");
}

void TableWindowTest::crankRockerLines() {
    SharedState s;
    setUp(s, "crank-rocker");
    TableWindow w(s);
    w.onCommand1Clicked();
    const QStringList lines = dataLines(w);
    QCOMPARE(lines.size(), 36);
    // Row 0 checked by hand: cos theta2 = 8400/66000, cos(180 - theta3) = 36600/75000, and
    // omega2 = omega3 = -omega1 * 150 / 150 since B, C and D share C's height.
    QCOMPARE(lines[0],
             QString("   0      82.69      119.21     -10.47     -10.47      -122.62      28.14"));
    QCOMPARE(lines[9],
             QString("   90     21.62      112.45     -2.73      5.84        30.22        31.28"));
    QCOMPARE(lines[35],
             QString("   350    91.45      129.15     -7.64      -10.07      -205.44      -68.61"));
}

void TableWindowTest::halvesToEven() {
    SharedState s;
    setUp(s, "crank-rocker");
    TableWindow w(s);
    setBoxes(w, "", "20", "2.5");
    w.onCommand1Clicked();
    QCOMPARE(firstFields(w), seq(0, 20, 2.5));
    const QList<int> rows = {0, 2, 5, 8, 10, 12, 15, 18, 20};
    const QStringList lines = dataLines(w);
    for (int n = 0; n < rows.size(); ++n) {
        const auto theta2 = fourbar::patternText(s.tables.theta2(rows[n]) / fourbar::kDegree);
        QCOMPARE(lines[n].mid(10, 11).trimmed(), QString::fromStdString(theta2));
    }
}

void TableWindowTest::boundedListings_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("fillsArea");
    QTest::addColumn<int>("dataLines");  // when the area is not filled

    QTest::newRow("interval 0.0001") << ""
                                     << ""
                                     << "0.0001" << true << 0;
    QTest::newRow("interval 1e-300") << ""
                                     << ""
                                     << "1e-300" << true << 0;
    QTest::newRow("far start, small interval") << "-1e6"
                                               << ""
                                               << "0.001" << true << 0;
    QTest::newRow("interval lost against 359") << "359"
                                               << "-5"
                                               << "-1e-300" << false << 1;
    QTest::newRow("interval lost against -1e300") << "-1e300"
                                                  << "1e300"
                                                  << "10" << false << 0;
    QTest::newRow("huge interval") << ""
                                   << "1e300"
                                   << "1e299" << false << 1;
}

void TableWindowTest::boundedListings() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, interval);
    QFETCH(bool, fillsArea);
    QFETCH(int, dataLines);
    SharedState s;
    setUp(s, "crank-rocker");
    TableWindow w(s);
    setBoxes(w, start, end, interval);
    QElapsedTimer clock;
    clock.start();
    w.onCommand1Clicked();
    QVERIFY2(clock.elapsed() < 2000, "the listing must come back at once");
    QCOMPARE(w.listing()->printPositionBelowBottom(), fillsArea);
    const qsizetype lines = w.listing()->printedLines().size();
    QVERIFY(lines < 60);
    if (!fillsArea) {
        QCOMPARE(lines, 2 + dataLines);
    }
}

void TableWindowTest::nanFieldIsBlank() {
    SharedState s;
    s.tables.resize(0, 360);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    s.tables.setRow(10, {0.1, 0.2, 0.3f, nan, 1.5, nan, float(nan)});
    TableWindow w(s);
    setBoxes(w, "", "10", "");
    w.onCommand1Clicked();
    const QStringList lines = dataLines(w);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1].mid(32, 11).trimmed(), QString());  // omega2
    QCOMPARE(lines[1].mid(43, 12).trimmed(), QString("1.5"));
    QCOMPARE(lines[1].mid(55).trimmed(), QString());  // alpha2 and alpha3
    QCOMPARE(lines[0].mid(32, 11).trimmed(), QString("."));
}

void TableWindowTest::clearExitAndCopy() {
    SharedState s;
    setUp(s, "crank-rocker");
    TableWindow w(s);
    w.show();
    setBoxes(w, "10", "20", "5");
    w.onCommand1Clicked();
    w.listing()->setFocus();
    QTest::keyClick(w.listing(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().contains("四杆机构运动分析"));
    QCOMPARE(QApplication::clipboard()->text().count('\n'), 5);

    // Clicking into a box empties it; the other boxes keep their text.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.findChild<QLineEdit*>("Text2"), Qt::LeftButton);
    QCOMPARE(w.findChild<QLineEdit*>("Text2")->text(), QString());
    QCOMPARE(w.findChild<QLineEdit*>("Text3")->text(), QString("20"));

    w.findChild<QPushButton*>("Command7")->click();
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        QCOMPARE(w.findChild<QLineEdit*>(name)->text(), QString());
    }
    QCOMPARE(w.listing()->printedLines().size(), 5);

    QSignalSpy exits(&w, &TableWindow::exitRequested);
    w.findChild<QPushButton*>("Command2")->click();
    QCOMPARE(exits.size(), 1);
    QVERIFY(w.isHidden());
    QVERIFY(w.listing()->printedLines().isEmpty());
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
