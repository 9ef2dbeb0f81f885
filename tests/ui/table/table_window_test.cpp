// The data table window: lines to the bottom edge, refusals, "清零", "退出", the copy (the report's
// lines), every column inside the listing area, CSV export.
#include <QtTest>
#include <QtWidgets>

#include "core/listing.h"
#include "core/presets.h"
#include "tests/ui/ui_test_support.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/program_setup.h"

using namespace fourbar;
using test::use;

namespace {

// The lines of `text`, each ended by a line break.
QStringList linesOf(const QString& text) {
    QStringList lines = text.split('\n');
    lines.removeLast();
    return lines;
}

// A shown table window that lists by its display command, the boxes as given, a preset's analysis.
struct Listed {
    SharedState state;
    ui::TableWindow window{state};

    Listed(const LinkageState& in, const QString& start, const QString& end,
           const QString& interval) {
        test::analyse(state, in.L1, in.L2, in.L3, in.L4, in.n, in.M);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit*>("Text2")->setText(start);
        window.findChild<QLineEdit*>("Text3")->setText(end);
        window.findChild<QLineEdit*>("Text1")->setText(interval);
        QCOMPARE(use({"Command1"}, &window), QStringList());
    }
    ui::ListingView& area() { return *window.listingArea(); }
};

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Qt's Chinese texts, as the application sets them up.
    void initTestCase() { ui::setUpProgram(); }

    // From 90 to 200 every 2 degrees the listing stops at the area's bottom edge: the title, the
    // heading and 45 of the 56 rows. "清零" empties the boxes and keeps the listing; "退出" empties
    // the listing. The quarters list from their first angle, and refuse a rocker-crank, whose rows
    // are chosen by range, and a double rocker outside its swing: the message, then nothing below
    // the heading.
    void listing() {
        Listed listed(kPresets[0].inputs, "90", "200", "2");
        const QStringList printed = listed.area().lines();
        QCOMPARE(printed.size(), 47);
        QCOMPARE(printed[2],
                 "   90     21.62      112.45     -2.73      5.84        30.22        31.28");
        use({"Command7"}, &listed.window);
        for (const QLineEdit* box : listed.window.findChildren<QLineEdit*>()) {
            QCOMPARE(box->text(), QString());
        }
        QCOMPARE(listed.area().lines(), printed);
        use({"Command2"}, &listed.window);
        QVERIFY(listed.area().lines().isEmpty());
        for (const auto& [quarter, first] : {std::pair{"Command3", "0"},
                                             {"Command4", "90"},
                                             {"Command5", "180"},
                                             {"Command6", "270"}}) {
            use({quarter}, &listed.window);
            QCOMPARE(listed.area().lines().value(2).section(' ', 0, 0, QString::SectionSkipEmpty),
                     first);
        }
        test::analyse(listed.state, 250, 220, 150, 300);
        QCOMPARE(use({"Command3"}, &listed.window), QStringList("四杆机构|请选择范围及间隔|确定"));
        QCOMPARE(listed.area().lines().size(), 2);
        test::analyse(listed.state, 300, 150, 220, 250);
        QCOMPARE(use({"Command4"}, &listed.window), QStringList("四杆机构|数据不在此范围内|确定"));
        QCOMPARE(listed.area().lines().size(), 2);
    }

    // The window opens with the display command focused. "导出CSV..." refuses
    // before any analysis; after one it writes every row, and reports a place it cannot write,
    // leaving no other file.
    void openingAndExport() {
        SharedState state;
        ui::TableWindow w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
        const QTemporaryDir dir;
        const auto exportCsv = [&](const QString& typed, test::Pick pick) {
            return test::pickFromContextMenu(w.listingArea(), {100, 100}, "导出CSV...", pick,
                                             dir.filePath(typed))
                .dialogs;
        };
        QCOMPARE(exportCsv("rows.csv", test::Pick::Keyboard),
                 QStringList("四杆机构|请先执行运动分析|确定"));
        test::analyse(state, 150, 220, 250, 300);
        QCOMPARE(exportCsv("rows", test::Pick::Click).size(), 1);
        const QString unwritable = dir.filePath("rows.csv/rows.csv");  // under a file
        QVERIFY(test::dialogsDuring([&] { w.listingArea()->exportMenu().exportCsv(unwritable); })
                    .value(0)
                    .contains(unwritable));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList("rows.csv"));
        QFile file(dir.filePath("rows.csv"));
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
            const std::string name(kPresets[i].objectName);
            QTest::addRow("%s empty boxes", name.c_str()) << int(i) << ""
                                                          << ""
                                                          << "";
            QTest::addRow("%s -100 to 400 every 2.5", name.c_str()) << int(i) << "-100"
                                                                    << "400"
                                                                    << "2.5";
        }
    }

    // Ctrl+C with the display command focused copies the lines fourbar-report prints for the same
    // request, character for character, down to where the listing area stops at its bottom edge.
    // Every column of every row lies inside the listing area: the rows' cells, and their ink short
    // of the area's right edge; the last column starts at its cell, 68.
    void copyIsTheReport_data() { listings_data(); }
    void copyIsTheReport() {
        QFETCH(int, preset);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, interval);
        const LinkageState& in = kPresets[preset].inputs;
        Listed listed(in, start, end, interval);
        auto* display = listed.window.findChild<QPushButton*>("Command1");
        display->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = linesOf(QApplication::clipboard()->text());

        const QString boxes = start + ':' + end + ':' + interval;
        QStringList arguments{boxes == "::" ? "--listing" : "--listing=" + boxes};
        for (const double value : {in.L1, in.L2, in.L3, in.L4, in.n, in.M}) {
            arguments << QString::number(value);
        }
        QProcess report;
        report.start(FOURBAR_REPORT, arguments);
        QVERIFY(report.waitForFinished(10000));
        QCOMPARE(report.exitCode(), 0);
        const QStringList printed = linesOf(QString::fromUtf8(report.readAllStandardOutput()));
        QVERIFY(copied.size() > 2);
        QCOMPARE(copied, printed.mid(0, copied.size()));
        QVERIFY(copied.size() == printed.size() || listed.area().isFull());

        const ui::ListingView& area = listed.area();
        for (const QString& line : copied.mid(2)) {
            QVERIFY2(displayColumns(line.toStdString()) * area.cell().width() <= area.width(),
                     qPrintable(line));
        }
        QVERIFY(test::inkBox(area.image()).right() < area.width() - 1);
        // Below the title and the heading (12 and 11 pixels), the glyphs' bearing aside.
        const int lastColumn = 68 * area.cell().width();
        const QRect lastInk =
            test::inkBox(area.image().copy(lastColumn - 2, 23, 60, area.height() - 23));
        QVERIFY2(lastInk.left() >= 1 && lastInk.left() <= 5,
                 qPrintable(QString::number(lastInk.left())));
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
