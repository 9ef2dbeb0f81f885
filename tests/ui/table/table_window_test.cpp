// The data table window: lines to the bottom edge, a refusal, "清零", "退出", the copy
// (the report's lines) with every column inside the listing area.
#include <QtTest>
#include <QtWidgets>

#include "core/listing.h"
#include "core/presets.h"
#include "tests/ui/ui_test_support.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/program_setup.h"

using namespace fourbar;
using test::use;

namespace {

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
    // are chosen by range: the message, then nothing below the heading.
    void listing() {
        Listed listed(kPresets[0].inputs, "90", "200", "2");
        const QStringList printed = listed.area().lines();
        QCOMPARE(printed.size(), 47);
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
    }

    // Every preset: with empty boxes, and from below the first row to beyond the last every 2.5
    // degrees, which fills the listing area.
    void copyIsTheReport_data() {
        QTest::addColumn<int>("preset");     // in the menu's order
        QTest::addColumn<QString>("boxes");  // start:end:interval
        for (std::size_t i = 0; i < kPresets.size(); ++i) {
            const std::string name(kPresets[i].objectName);
            QTest::addRow("%s empty boxes", name.c_str()) << int(i) << QString();
            QTest::addRow("%s -100 to 400", name.c_str()) << int(i) << QString("-100:400:2.5");
        }
    }

    // Ctrl+C with the display command focused copies the lines fourbar-report prints for the same
    // request, character for character, down to where the listing area stops at its bottom edge.
    // Every column of every row lies inside the listing area: the rows' cells, and their ink short
    // of the area's right edge.
    void copyIsTheReport() {
        QFETCH(int, preset);
        QFETCH(QString, boxes);
        const LinkageState& in = kPresets[preset].inputs;
        const QStringList box = boxes.split(':');
        Listed listed(in, box.value(0), box.value(1), box.value(2));
        auto* display = listed.window.findChild<QPushButton*>("Command1");
        display->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied =
            QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);

        QStringList arguments{boxes.isEmpty() ? "--listing" : "--listing=" + boxes};
        for (const double value : {in.L1, in.L2, in.L3, in.L4, in.n, in.M}) {
            arguments << QString::number(value);
        }
        QProcess report;
        report.start(FOURBAR_REPORT, arguments);
        QVERIFY(report.waitForFinished(10000));
        QCOMPARE(report.exitCode(), 0);
        const QStringList printed =
            QString::fromUtf8(report.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(copied.size() > 2);
        QCOMPARE(copied, printed.mid(0, copied.size()));
        QVERIFY(copied.size() == printed.size() || listed.area().isFull());

        const ui::ListingView& area = listed.area();
        for (const QString& line : copied.mid(2)) {
            QVERIFY2(displayColumns(line.toStdString()) * area.cell().width() <= area.width(),
                     qPrintable(line));
        }
        QVERIFY(test::inkBox(area.image()).right() < area.width() - 1);
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
