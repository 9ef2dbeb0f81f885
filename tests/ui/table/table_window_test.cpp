// The data table window: lines to the bottom edge, refusals, "清零", "退出", the copy (the report's
// lines), every column inside the listing area, CSV export, captions.
#include <QtTest>
#include <QtWidgets>

#include "core/listing.h"
#include "core/motion_parameters.h"
#include "core/presets.h"
#include "tests/ui/ui_test_support.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/program_setup.h"
#include "ui/toolkit/widget_table.h"

using fourbar::test::inkBox;
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

// The lines of `text`, each ended by a line break.
QStringList linesOf(const QString& text) {
    QStringList lines = text.split('\n');
    if (lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// A table window showing the display command's listing of a preset's analysis for the three box
// texts; the window keeps a reference to `state`.
struct Listed {
    SharedState state;
    TableWindow window{state};

    Listed(const Preset& preset, const QString& start, const QString& end,
           const QString& interval) {
        state.inputs = preset.inputs;
        executeAnalysis(state);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        widget<QLineEdit>(&window, "Text2")->setText(start);
        widget<QLineEdit>(&window, "Text3")->setText(end);
        widget<QLineEdit>(&window, "Text1")->setText(interval);
        QCOMPARE(click(window, "Command1"), QStringList());
    }
};

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
        const QStringList printed = w.listingArea()->lines();
        QCOMPARE(printed.size(), 47);
        QCOMPARE(printed[2],
                 "   90     21.62      112.45     -2.73      5.84        30.22        31.28");
        click(w, "Command7");
        for (const QLineEdit* box : w.findChildren<QLineEdit*>()) {
            QCOMPARE(box->text(), QString());
        }
        QCOMPARE(w.listingArea()->lines(), printed);
        click(w, "Command2");
        QVERIFY(w.listingArea()->lines().isEmpty());
        state = analysed(250, 220, 150, 300);
        QCOMPARE(click(w, "Command3"), QStringList("四杆机构|请选择范围及间隔|确定"));
        QCOMPARE(w.listingArea()->lines().size(), 2);
        state = analysed(300, 150, 220, 250);
        QCOMPARE(click(w, "Command4"), QStringList("四杆机构|数据不在此范围内|确定"));
        QCOMPARE(w.listingArea()->lines().size(), 2);
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
        QTRY_COMPARE(w.listingArea()->lines().size(), 4);
        w.listingArea()->copyToClipboard();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        const QString html = copied->html();
        QCOMPARE(QList({html.count("<tr>"), html.count("<th>"), html.count("<td>")}),
                 QList<qsizetype>({4, 7, 14}));
        QVERIFY(
            html.contains("<tr><td>90</td><td>21.62</td><td>112.45</td><td>-2.73</td>"
                          "<td>5.84</td><td>30.22</td><td>31.28</td></tr>"));
        QCOMPARE(copied->text(), w.listingArea()->text());
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
        ui::ExportMenu& menu = w.listingArea()->exportMenu();
        const test::MenuUse refused = test::pickFromContextMenu(
            w.listingArea(), {100, 100}, "导出CSV...", test::Pick::Keyboard, path);
        QCOMPARE(refused.dialogs, QStringList("四杆机构|请先执行运动分析|确定"));
        state = analysed(150, 220, 250, 300);
        const test::MenuUse written = test::pickFromContextMenu(
            w.listingArea(), {100, 100}, "导出CSV...", test::Pick::Click, dir.filePath("rows"));
        QCOMPARE(written.dialogs.size(), 1);
        QVERIFY(
            test::dialogsDuring([&] { menu.exportCsv(unwritable); }).value(0).contains(unwritable));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList("rows.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(analysisCsv(*state.analysis)));
    }

    // Every preset: with empty boxes, and from below the first row to beyond the last every 2.5
    // degrees, which fills the listing area.
    void listings_data() {
        QTest::addColumn<int>("preset");  // in the menu's order
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("interval");
        for (std::size_t i = 0; i < kPresets.size(); ++i) {
            const auto name = QByteArray::fromStdString(std::string(kPresets[i].objectName));
            QTest::newRow(name + " empty boxes") << int(i) << ""
                                                 << ""
                                                 << "";
            QTest::newRow(name + " -100 to 400 every 2.5") << int(i) << "-100"
                                                           << "400"
                                                           << "2.5";
        }
    }

    // Ctrl+C with the display command focused copies the lines fourbar-report prints for the same
    // request, character for character, down to where the listing area stops at its bottom edge.
    void copyIsTheReport_data() { listings_data(); }
    void copyIsTheReport() {
        QFETCH(int, preset);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, interval);
        const Preset& p = kPresets[preset];
        Listed listed(p, start, end, interval);
        auto* display = widget<QPushButton>(&listed.window, "Command1");
        display->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = linesOf(QApplication::clipboard()->text());

        const QString boxes = start + ':' + end + ':' + interval;
        QStringList arguments{boxes == "::" ? "--listing" : "--listing=" + boxes};
        for (const double value :
             {p.inputs.L1, p.inputs.L2, p.inputs.L3, p.inputs.L4, p.inputs.n, p.inputs.M}) {
            arguments << QString::number(value);
        }
        QProcess report;
        report.start(FOURBAR_REPORT, arguments);
        QVERIFY(report.waitForFinished(10000));
        QCOMPARE(report.exitCode(), 0);
        const QStringList printed = linesOf(QString::fromUtf8(report.readAllStandardOutput()));

        QVERIFY(copied.size() > 2);
        QCOMPARE(copied, printed.mid(0, copied.size()));
        QVERIFY(copied.size() == printed.size() || listed.window.listingArea()->isFull());
    }

    // Every column of every row lies inside the listing area: the rows' cells, and their ink
    // short of the area's right edge.
    void columnsInsideTheArea_data() { listings_data(); }
    void columnsInsideTheArea() {
        QFETCH(int, preset);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, interval);
        Listed listed(kPresets[preset], start, end, interval);
        const ui::ListingView& area = *listed.window.listingArea();
        const QStringList lines = area.lines();
        QVERIFY(lines.size() > 2);
        for (const QString& line : lines.mid(2)) {
            QVERIFY2(displayColumns(line.toStdString()) * area.cell().width() <= area.width(),
                     qPrintable(line));
        }
        QVERIFY(inkBox(area.image()).right() < area.width() - 1);
        // The rows' last column starts at its cell, 68, its glyphs' bearing aside; the rows begin
        // below the title and the heading (12 and 11 pixels).
        const int lastColumn = 68 * area.cell().width();
        const QRect lastInk = inkBox(area.image().copy(lastColumn - 2, 23, 60, area.height() - 23));
        QVERIFY2(lastInk.left() >= 1 && lastInk.left() <= 5,
                 qPrintable(QString::number(lastInk.left())));
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
