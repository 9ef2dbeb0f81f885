// Data table window: the lines printed and the bottom edge, the messages, clear, exit, the layout
// and the captions.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/motion_parameters.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar;
using fourbar::ui::TableWindow;
using fourbar::ui::widget;

namespace {

// Clicks a button of `w`; returns the texts of the message boxes it opened, each closed with OK.
QStringList click(const TableWindow& w, const char* button) {
    QStringList messages;
    QTimer poll;
    poll.callOnTimeout([&messages] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->accept();
        }
    });
    poll.start(0);
    widget<QPushButton>(&w, button)->click();
    return messages;
}

// Pixels of the listing area that are not white.
int ink(const TableWindow& w) {
    const QImage image = w.listingArea()->image().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    return count;
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void listing_data();
    void listing();
    void clearAndExit();
    void layout();
    void captions();
};

// One button on a fresh window after an execute with L1..L4 (none: before any analysis), with
// the start, end and interval boxes filled in: the messages, the lines printed (title and heading
// included), whether they reach the bottom edge, and the pixels inked.
void TableWindowTest::listing_data() {
    QTest::addColumn<QList<double>>("lengths");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<bool>("atBottom");
    QTest::addColumn<int>("ink");

    const QList<double> crankRocker{150, 220, 250, 300};
    const QStringList empty{"", "", ""};
    const QString row0 =
        "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14";
    QTest::newRow("display") << crankRocker << empty << "Command1" << QStringList{} << 38 << row0
                             << false << 34723;
    // Row 0 over and over: the listing ends at the area's bottom edge.
    QTest::newRow("tiny interval") << crankRocker << QStringList{"", "", "1e-300"} << "Command1"
                                   << QStringList{} << 48 << row0 << true << 33903;
    QTest::newRow("full-turn quarter")
        << crankRocker << QStringList{"0", "10", "30"} << "Command5" << QStringList{} << 6
        << "   180    17.91      164.29     3.49       3.49        86.67        -75.38" << false
        << 6570;
    QTest::newRow("rocker-crank quarter")
        << QList<double>{250, 220, 150, 300} << empty << "Command3"
        << QStringList{"请选择范围及间隔"} << 2 << "" << false << 3132;
    QTest::newRow("double rocker outside quarter")
        << QList<double>{300, 150, 220, 250} << empty << "Command4"
        << QStringList{"数据不在此范围内"} << 2 << "" << false << 3132;
    QTest::newRow("before any analysis")
        << QList<double>{} << empty << "Command1" << QStringList{} << 2 << "" << false << 3132;
}

void TableWindowTest::listing() {
    QFETCH(QList<double>, lengths);
    QFETCH(QStringList, boxes);
    QFETCH(QString, button);
    QFETCH(QStringList, messages);
    QFETCH(int, lines);
    QFETCH(QString, firstRow);
    QFETCH(bool, atBottom);
    QFETCH(int, ink);
    SharedState state;
    if (!lengths.isEmpty()) {
        state.inputs = {lengths[0], lengths[1], lengths[2], lengths[3], 100, 0, -1, {}, 0};
        QVERIFY(executeAnalysis(state).message == ExecuteMessage::None);
    }
    TableWindow w(state);
    const char* boxNames[] = {"Text2", "Text3", "Text1"};  // start, end, interval
    for (int n = 0; n < 3; ++n) {
        widget<QLineEdit>(&w, boxNames[n])->setText(boxes[n]);
    }
    QCOMPARE(click(w, qPrintable(button)), messages);

    // The copied text pads by characters, so its heading counts a Chinese one as one column.
    const QStringList printed = w.listingArea()->printedLines();
    QCOMPARE(printed.mid(0, 2),
             (QStringList{QString(29, ' ') + "四杆机构运动分析",
                          "L1杆转角     L2杆转角      L3杆转角      L2杆角速      L3杆角速       "
                          "L2杆角加速       L3杆角加速"}));
    QCOMPARE(printed.value(2), firstRow);
    QCOMPARE(printed.size(), lines);
    QCOMPARE(w.listingArea()->printPositionBelowBottom(), atBottom);
    QCOMPARE(::ink(w), ink);
}

// "清零" empties the boxes and keeps the listing; "退出" and the close box each empty the
// listing, hide the window and ask once for the main window.
void TableWindowTest::clearAndExit() {
    SharedState state;
    TableWindow w(state);
    QSignalSpy exitRequested(&w, &TableWindow::exitRequested);
    for (const bool closeBox : {false, true}) {
        w.show();
        for (const char* box : {"Text1", "Text2", "Text3"}) {
            widget<QLineEdit>(&w, box)->setText("45");
        }
        click(w, "Command1");
        const QStringList listed = w.listingArea()->printedLines();
        click(w, "Command7");
        for (const char* box : {"Text1", "Text2", "Text3"}) {
            QCOMPARE(widget<QLineEdit>(&w, box)->text(), QString());
        }
        QCOMPARE(w.listingArea()->printedLines(), listed);
        if (closeBox) {
            QVERIFY(!w.close());
        } else {
            click(w, "Command2");
        }
        QVERIFY(!w.isVisible());
        QCOMPARE(exitRequested.count(), closeBox ? 2 : 1);
        QVERIFY(w.listingArea()->printedLines().isEmpty());
        QCOMPARE(ink(w), 0);
    }
}

// Spot checks of the twip layout (15 twips to the pixel) and the tab order.
void TableWindowTest::layout() {
    SharedState state;
    TableWindow w(state);
    QCOMPARE(w.size(), QSize(448, 529));
    QCOMPARE(widget<QWidget>(&w, "Picture1")->geometry(), QRect(4, 12, 405, 509));
    QCOMPARE(widget<QWidget>(&w, "Command1")->geometry(), QRect(416, 16, 25, 41));
    QCOMPARE(widget<QWidget>(&w, "Text1")->geometry(), QRect(412, 200, 33, 21));
    QCOMPARE(widget<QWidget>(&w, "Command2")->geometry(), QRect(416, 468, 25, 45));
    QStringList chain;
    QWidget* next = widget<QWidget>(&w, "Command1");
    for (int n = 0; n < 11; next = next->nextInFocusChain()) {
        if (!qobject_cast<QLabel*>(next)) {  // labels take no focus
            chain << next->objectName();
            ++n;
        }
    }
    QCOMPARE(chain.join(' '),
             "Command1 Command2 Picture1 Command3 Command4 Command5 Command6 "
             "Text1 Command7 Text2 Text3");
}

// Every caption of the window: its title, its buttons and its labels.
void TableWindowTest::captions() {
    SharedState state;
    TableWindow w(state);
    QCOMPARE(w.windowTitle(), "运动参数");
    const std::pair<const char*, const char*> rows[] = {
        {"Command1", "       显  示       "},
        {"Label2", " 起 点"},
        {"Label3", " 终 点 "},
        {"Label1", " 间  隔"},
        {"Command7", "清零"},
        {"Command3", "0--90   度"},
        {"Command4", "--180   度"},
        {"Command5", "--270   度"},
        {"Command6", "--360   度"},
        {"Command2", "退出"},
    };
    QCOMPARE(w.findChildren<QPushButton*>().size() + w.findChildren<QLabel*>().size(),
             std::size(rows));
    for (const auto& [name, caption] : rows) {
        QCOMPARE(widget<QWidget>(&w, name)->property("text").toString(), caption);
    }
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
