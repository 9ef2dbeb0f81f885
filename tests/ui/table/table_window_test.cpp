// Data table window: listed rows per kind and command, messages, line texts and bounded listings.
#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/drawing_area.h"

using namespace fourbar;

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void listing_data();
    void listing();
};

// A case is "setup|button|start,end,interval|expected|message". Setups: "CR", the crank-rocker
// preset, executed; "none", nothing run; "RC s e" and "DR s e", the tables of a rocker-crank or
// double-rocker run over startAngle s and endAngle e, with theta1 following the swing, theta2 the
// row in degrees and no value for alpha2; "FT s e", such rocker-crank tables under lengths of a
// full turn confirmed since ("FT" alone spans 0 to 360). Button 1 is the display command, 3 to 6
// the quarter turns. Expected, per data line: "a..b/s", the values a, a + s, ... while not past b
// (a trailing "." on s is printed after each); other entries as they stand, each compared with as
// many leading fields of the line, or with the whole line when they start blank; "fills": down to
// the bottom edge. The quarter turns are given per setup: the rows of each button, or "!" and "?"
// for the messages "数据不在此范围内" and "请选择范围及间隔".
void TableWindowTest::listing_data() {
    QTest::addColumn<QString>("plan");
    // clang-format off
    for (const QString plan : {
            "CR|1|,,|0..350/10", "FT|1|100,50,-10|100..50/-10", "FT|1|50,100,-10|",
            "FT|1|abc,30,7.5|0..30/7.5", "FT|1|350,400,5|350..360/5", "FT|1|-1e300,1e300,10|",
            "FT|1|,,1e-300|fills", "FT|1|-1e6,,0.001|fills", "FT 20 150|1|,,|20..280/10",
            "none|1|,,|", "DR -40 60|1|,,|-40..60/10", "DR -40 60|1|-100,,25|-40..60/25",
            "DR -40 60|1|0,30,|-40..30/10", "RC 20 150|1|,,|20..150/10.,140..20/-10.",
            "RC 20 150|1|0,100,15|20..95/15.", "FT|5|,,30|180..270/30", "FT|1|,5,|0 . . 1. 2. 4.",
            "FT|1|,12.5,2.5|0 .,2.5 2.,5 5.,7.5 8.,10 10.,12.5 12.",
            "CR|1|90,90,|90 21.62 112.45 -2.73 5.84 30.22 31.28",
            "CR|1|350,,|350 91.45 129.15 -7.64 -10.07 -205.44 -68.61",
            "CR|1|-10,5,|"
            "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14"}) {
        QTest::newRow(qPrintable(plan)) << plan;
    }
    // clang-format on
    // The quarter turns, the start and end boxes not read, at the default interval 5.
    for (const QString quarters :
         {"FT|0..90 90..180 180..270 270..360", "RC 20 150|? ? ? ?", "DR -40 60|-40..60 ! ! !",
          "DR 10 90|10..90 ! ! !", "DR 60 200|60..90 90..180 180..200 !", "DR 90 150|! 90..150 ! !",
          "DR 100 250|! 100..180 180..250 !", "DR 180 250|! ! 180..250 !",
          "DR 200 300|! ! 200..270 270..300", "DR 280 350|! ! ! 280..350",
          "DR 60 300|60..90 90..180 180..270 270..300"}) {
        for (int q = 0; q < 4; ++q) {
            const QString rows = quarters.section('|', 1).section(' ', q, q);
            const QString message = rows == "!" ? "数据不在此范围内" : "请选择范围及间隔";
            const QString plan = quarters.section('|', 0, 0) + QString("|%1|45,46,|").arg(q + 3) +
                                 (rows.contains("..") ? rows + "/5" : "|" + message);
            QTest::newRow(qPrintable(plan)) << plan;
        }
    }
}

void TableWindowTest::listing() {
    QFETCH(QString, plan);
    const QStringList part = plan.split('|'), words = part[0].split(' '), box = part[2].split(',');
    SharedState s;
    auto& t = s.tables;
    if (words[0] == "CR") {
        s.linkage = {150, 220, 250, 300, 100, 0, -1, {}, 0};
        QVERIFY(executeAnalysis(s.linkage, t).message == ExecuteMessage::None);
    } else if (words[0] != "none") {
        const bool ft = words[0] == "FT", dr = words[0] == "DR";
        s.linkage = {ft ? 150. : 250.,       220, ft ? 250. : 150., 300, 100, 0, -1,
                     dr ? "双摇杆机构" : "", 150};
        t.startAngle = words.value(1, "0").toDouble();
        t.endAngle = words.value(2, "180").toDouble();
        t.resize(int(t.startAngle), int(dr ? t.endAngle : 2 * t.endAngle - t.startAngle));
        for (int i = t.rows().first; i <= t.rows().last; ++i) {
            t.setRow(i, {std::min(i, int(2 * t.endAngle) - i) * kDegree, i * kDegree, 0, 1, 2,
                         qQNaN(), 4});
        }
    }
    QStringList shown;
    ui::TableWindow w(s);
    for (int n = 0; n < 3; ++n) {  // start, end and interval go to Text2, Text3 and Text1
        w.findChild<QLineEdit*>(QString("Text%1").arg((n + 1) % 3 + 1))->setText(box[n]);
    }
    QTimer::singleShot(0, &w, [&] {  // runs in a message box's own loop: note it, close it
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown << box->property("text").toString();
            box->close();
        }
    });
    const QDeadlineTimer deadline(2000);  // ms
    w.findChild<QPushButton*>("Command" + part[1])->click();
    QVERIFY2(!deadline.hasExpired(), "the listing must come back at once");
    QCOMPARE(shown.join('+'), part.value(4));

    const QStringList lines = w.listing()->printedLines();
    QCOMPARE(lines.mid(0, 2).join(' ').simplified(),
             QString("四杆机构运动分析 L1杆转角 L2杆转角 "
                     "L3杆转角 L2杆角速 L3杆角速 L2杆角加速 L3杆角加速"));
    QCOMPARE(w.listing()->printPositionBelowBottom(), part[3] == "fills");
    QStringList expected, listed;
    for (const QString& entry : part[3].split(',', Qt::SkipEmptyParts)) {
        const QStringList r = QString(entry).replace("..", "/").split('/');
        const double last = r.value(1).toDouble(), step = r.value(2).toDouble();
        for (double v = r[0].toDouble(); r.size() == 3 && (step > 0 ? v <= last : v >= last);
             v += step) {
            expected << QString::number(v) + (r[2].endsWith('.') ? "." : "");
        }
        expected << (r.size() == 3 ? QStringList() : QStringList{entry});
    }
    for (qsizetype n = 2; n < lines.size(); ++n) {
        const QString entry = expected.value(n - 2);
        const QString line = entry.startsWith(' ') ? lines[n] : lines[n].simplified();
        listed << line.section(' ', 0, entry.count(' '));
    }
    QCOMPARE(part[3] == "fills" ? expected : listed, expected);

    // "清零" empties the boxes and keeps the listing; "退出" empties the listing.
    w.findChild<QPushButton*>("Command7")->click();
    QVERIFY(std::ranges::all_of(w.findChildren<QLineEdit*>(),
                                [](const QLineEdit* box) { return box->text().isEmpty(); }));
    QCOMPARE(w.listing()->printedLines(), lines);
    w.findChild<QPushButton*>("Command2")->click();
    QVERIFY(w.listing()->printedLines().isEmpty());
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
