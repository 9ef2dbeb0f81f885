// The data table window: lines to the bottom edge, refusals, "清零", "退出", CSV export, captions.
#include <QtTest>
#include <QtWidgets>

#include "core/listing.h"
#include "core/motion_parameters.h"
#include "tests/ui/ui_test_support.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/program_setup.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar;
using ui::TableWindow;
using ui::widget;

namespace {

// Clicks a button of `w`; returns the message boxes it opened (test::dialogsDuring).
QStringList click(const TableWindow& w, const char* button) {
    return test::dialogsDuring([&] { widget<QPushButton>(&w, button)->click(); });
}

// The inputs L1..L4 (mm) with n 100 r/min and M -1, analysed.
SharedState analysed(double L1, double L2, double L3, double L4) {
    SharedState state;
    state.inputs = {L1, L2, L3, L4, 100, -1};
    executeAnalysis(state);
    return state;
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Qt's Chinese texts, as the application sets them up.
    void initTestCase() { ui::setUpProgram(); }

    // From 90 to 200 every 2 degrees the listing stops at the area's bottom edge: the title, the
    // heading and 45 of the 56 rows. "清零" empties the boxes and keeps the listing; "退出" empties
    // the listing (the main window's tests follow the exit itself). The quarters refuse a
    // rocker-crank, whose rows are chosen by range, and a double rocker outside its swing: the
    // message, then nothing below the heading.
    void listing() {
        SharedState state = analysed(150, 220, 250, 300);
        TableWindow w(state);
        widget<QLineEdit>(&w, "Text2")->setText("90");   // start
        widget<QLineEdit>(&w, "Text3")->setText("200");  // end
        widget<QLineEdit>(&w, "Text1")->setText("2");    // interval
        QCOMPARE(click(w, "Command1"), QStringList());
        const QStringList printed = w.listingArea()->printedLines();
        QCOMPARE(printed.size(), 47);
        QCOMPARE(printed[2],
                 "   90     21.62      112.45     -2.73      5.84        30.22        31.28");
        click(w, "Command7");
        for (const QLineEdit* box : w.findChildren<QLineEdit*>()) {
            QCOMPARE(box->text(), QString());
        }
        QCOMPARE(w.listingArea()->printedLines(), printed);
        click(w, "Command2");
        QVERIFY(w.listingArea()->printedLines().isEmpty());
        state = analysed(250, 220, 150, 300);
        QCOMPARE(click(w, "Command3"), QStringList("四杆机构|请选择范围及间隔|确定"));
        QCOMPARE(w.listingArea()->printedLines().size(), 2);
        state = analysed(300, 150, 220, 250);
        QCOMPARE(click(w, "Command4"), QStringList("四杆机构|数据不在此范围内|确定"));
        QCOMPARE(w.listingArea()->printedLines().size(), 2);
    }

    // Return on the focused display command lists (crank-rocker, 90 to 100 every 10). The copy of
    // the listing is its text and an HTML table of the same lines: the title in one cell, seven
    // headings, seven cells per row.
    void keyboardAndCopy() {
        SharedState state = analysed(150, 220, 250, 300);
        TableWindow w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        widget<QLineEdit>(&w, "Text2")->setText("90");
        widget<QLineEdit>(&w, "Text3")->setText("100");
        QTest::keyClick(widget<QPushButton>(&w, "Command1"), Qt::Key_Return);
        QTRY_COMPARE(w.listingArea()->printedLines().size(), 4);
        w.listingArea()->copyToClipboard();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        const QString html = copied->html();
        QCOMPARE(QList({html.count("<tr>"), html.count("<th>"), html.count("<td>")}),
                 QList<qsizetype>({4, 7, 14}));
        QVERIFY(
            html.contains("<tr><td>90</td><td>21.62</td><td>112.45</td><td>-2.73</td>"
                          "<td>5.84</td><td>30.22</td><td>31.28</td></tr>"));
        QCOMPARE(copied->text(), w.listingArea()->printedText());
    }

    // The window opens with the display command focused; every caption against its text.
    // "导出CSV..." refuses before any analysis; after one it writes every row, and reports a place
    // it cannot write, leaving no other file.
    void openingAndExport() {
        SharedState state;
        TableWindow w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
        QCOMPARE(w.windowTitle(), "运动参数");
        // clang-format off
        const std::pair<const char*, const char*> captions[] = {
            {"Command1", "       显  示       "}, {"Label2", " 起 点"}, {"Label3", " 终 点 "},
            {"Label1", " 间  隔"}, {"Command7", "清零"}, {"Command3", "0--90   度"},
            {"Command4", "--180   度"}, {"Command5", "--270   度"}, {"Command6", "--360   度"},
            {"Command2", "退出"},
        };
        // clang-format on
        for (const auto& [name, caption] : captions) {
            QCOMPARE(widget<QWidget>(&w, name)->property("text").toString(), caption);
        }
        QCOMPARE(w.findChild<QAction*>("exportCsv")->text(), "导出CSV...");
        const QTemporaryDir dir;
        const QString path = dir.filePath("rows.csv");
        const QString unwritable = dir.filePath("rows.csv/rows.csv");  // under a file
        QCOMPARE(test::dialogsDuring([&] { w.exportCsvTo(path); }),
                 QStringList("四杆机构|请先执行运动分析|确定"));
        state = analysed(150, 220, 250, 300);
        QVERIFY(test::dialogsDuring([&] { w.exportCsvTo(path); }).isEmpty());
        QVERIFY(
            test::dialogsDuring([&] { w.exportCsvTo(unwritable); }).value(0).contains(unwritable));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList("rows.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(analysisCsv(*state.analysis)));
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
