// Tests of the design window "机构设计": reached from the main window's menu and left by "退出" and
// the close box, its solutions listed and drawn, "应用" into the main window's boxes, and its
// refusals.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/design/design_window.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"

namespace test = fourbar::test;
using test::fetch;
using test::use;

namespace {

// K and swing of 60/120/90/120 (crank, coupler, rocker, frame).
const QString kTwinK = "1.2525782686040976";
const QString kTwinSwing = "88.32458836411824";

}  // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;
    fourbar::ui::DesignWindow* form5() { return app_->designWindow(); }
    QTableWidget* list() { return form5()->findChild<QTableWidget*>("solutionList"); }
    template <class T = QLineEdit>
    T* in5(const QString& name) {
        return form5()->findChild<T*>(name);
    }

    // Opens the window through its menu item, fills the request (`way` is the radio button's
    // objectName, `length` goes into that way's box) and computes, by a click or by Enter in
    // `enterIn`; the messages shown.
    QStringList design(const QString& K, const QString& swing, const QString& way,
                       const QString& length = {}, const char* enterIn = nullptr) {
        use({"designByRatio"}, &app_->mainWindow());
        in5("ratioBox")->setText(K);
        in5("swingBox")->setText(swing);
        in5("rockerBox")->setText("90");
        QTest::mouseClick(in5<QRadioButton>(way), Qt::LeftButton, {}, QPoint(5, 5));
        in5(way == "byCrank" ? "crankBox" : "frameBox")->setText(length);
        return test::dialogsDuring([&] {
            enterIn != nullptr
                ? QTest::keyClick(in5(enterIn), Qt::Key_Return)
                : QTest::mouseClick(in5<QPushButton>("designButton"), Qt::LeftButton);
        });
    }

  private slots:
    void init() { QVERIFY(test::restart(app_)); }

    // The menu item opens the window with the main window hidden and the first box focused, "退出"
    // and the close box bring the main window back; the window is created once and keeps its list.
    void navigation() {
        QCOMPARE(app_->designWindow(), nullptr);
        use({"designByRatio"});
        QCOMPARE(test::shownWindow(), form5());
        QCOMPARE(form5()->windowTitle(), "机构设计");
        QVERIFY(QTest::qWaitForWindowActive(form5()));
        QCOMPARE(QApplication::focusWidget()->objectName(), "ratioBox");
        design(kTwinK, kTwinSwing, "byFrame", "120");
        QTest::mouseClick(in5<QPushButton>("exitButton"), Qt::LeftButton);
        QCOMPARE(test::shownWindow(), &app_->mainWindow());
        QWidget* created = form5();
        use({"designByRatio"});
        QCOMPARE(test::shownWindow(), created);
        QCOMPARE(list()->rowCount(), 2);
        form5()->close();
        QCOMPARE(test::shownWindow(), &app_->mainWindow());
    }

    // Each request's rows, best first, the first selected and drawn, each row its own drawing; the
    // remark below 40 degrees. Only the box of the way chosen takes input.
    void solutions_data() {
        QTest::addColumn<QString>("K");
        QTest::addColumn<QString>("swing");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("length");  // L4 or L1
        QTest::addColumn<QStringList>("rows");
        // clang-format off
        QTest::newRow("twin by frame") << kTwinK << kTwinSwing << "byFrame" << "120" << QStringList{
            "60.0000|120.0000|90.0000|120.0000|20.183|28.955|1.252578|88.3246|小于许用传动角40°",
            "61.4987|93.0121|90.0000|120.0000|20.183|14.749|1.252578|88.3246|小于许用传动角40°"};
        QTest::newRow("by crank") << kTwinK << kTwinSwing << "byCrank" << "60" << QStringList{
            "60.0000|120.0000|90.0000|120.0000|20.183|28.955|1.252578|88.3246|小于许用传动角40°",
            "60.0000|120.0000|90.0000|148.5720|20.183|13.510|1.252578|88.3246|小于许用传动角40°"};
        QTest::newRow("best") << "1.2" << "40" << "bestTransmission" << "" << QStringList{
            "29.0943|76.3891|90.0000|95.0006|16.364|45.767|1.200000|40.0000|",
            "29.6367|65.5322|90.0000|118.4147|16.364|36.151|1.200000|40.0000|小于许用传动角40°"};
        // clang-format on
    }
    void solutions() {
        QFETCH(QString, way);
        QCOMPARE(design(fetch("K"), fetch("swing"), way, fetch("length")), QStringList());
        QFETCH(QStringList, rows);
        QCOMPARE(list()->rowCount(), rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            QStringList cells;
            for (int c = 0; c < list()->columnCount(); ++c) {
                cells << list()->item(r, c)->text();
            }
            QCOMPARE(cells.join('|'), rows[r]);
        }
        QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), 0);
        QVERIFY(in5<QPushButton>("applyButton")->isEnabled());
        const QImage drawn = form5()->constructionView()->image();
        QImage blank(drawn.size(), drawn.format());
        blank.fill(Qt::white);
        QVERIFY(drawn != blank);
        list()->selectRow(1);
        QVERIFY(form5()->constructionView()->image() != drawn);
        QCOMPARE(QList({in5("frameBox")->isEnabled(), in5("crankBox")->isEnabled()}),
                 QList({way == "byFrame", way == "byCrank"}));
    }

    // "应用" writes the selected row, rounded to 0.001 mm, into Text1..Text4 as the presets write
    // their numbers, leaves n and M and what was stored, and brings back the main window.
    void apply_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("texts");  // Text1..Text6
        QTest::newRow("first") << 0 << " 60| 120| 90| 120| 100|-1";
        QTest::newRow("second") << 1 << " 61.499| 93.012| 90| 120| 100|-1";
    }
    void apply() {
        use({"crankrocker", "affirm"});
        const fourbar::LinkageState stored = app_->state().inputs;
        design(kTwinK, kTwinSwing, "byFrame", "120");
        QFETCH(int, selected);
        list()->selectRow(selected);
        QTest::mouseClick(in5<QPushButton>("applyButton"), Qt::LeftButton);
        QCOMPARE(test::shownWindow(), &app_->mainWindow());
        QStringList boxes;
        for (int n = 1; n <= 6; ++n) {
            boxes << app_->mainWindow().findChild<QLineEdit*>(QString("Text%1").arg(n))->text();
        }
        QTEST(boxes.join('|'), "texts");
        QCOMPARE(app_->state().inputs, stored);
    }

    // Bad input and requests without a solution, after a request that had some: the message, and
    // nothing left to apply. Enter in a box computes as the button does.
    void refusals_data() {
        QTest::addColumn<QString>("K");
        QTest::addColumn<QString>("swing");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("message");
        const QString invalid = "设计参数不当,请重新输入";
        const QString none = "无满足要求的曲柄摇杆机构";
        // clang-format off
        QTest::newRow("swing 180") << "1.4" << "180" << "bestTransmission" << "" << invalid;
        QTest::newRow("empty frame") << "1.4" << "60" << "byFrame" << "" << invalid;
        QTest::newRow("frame too long") << "1.5" << "60" << "byFrame" << "1000" << none;
        // clang-format on
    }
    void refusals() {
        design(kTwinK, kTwinSwing, "byFrame", "120");
        QFETCH(QString, message);
        QCOMPARE(design(fetch("K"), fetch("swing"), fetch("way"), fetch("length"), "swingBox"),
                 QStringList("四杆机构|" + message + "|确定"));
        QCOMPARE(list()->rowCount(), 0);
        QVERIFY(!in5<QPushButton>("applyButton")->isEnabled());
        QCOMPARE(test::shownWindow(), form5());
    }
};

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
