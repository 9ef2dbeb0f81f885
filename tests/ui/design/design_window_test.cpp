// Tests of the design window "机构设计": its solutions listed and drawn, "应用" into the main
// window's boxes, or its refusals.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/design/design_window.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"

namespace test = fourbar::test;
using test::fetch;

class DesignWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;
    template <class T = QLineEdit>
    T* in5(const QString& name) {
        return app_->designWindow()->findChild<T*>(name);
    }

    // Opens the window through its menu item, fills the request (`way` is the radio button's
    // objectName, `length` goes into that way's box, the rocker is 90) and computes by a click or
    // by Enter in the swing box; the messages shown.
    QStringList request(const QString& K, const QString& swing, const QString& way,
                        const QString& length, bool enter = false) {
        test::use({"designByRatio"}, &app_->mainWindow());
        in5("ratioBox")->setText(K);
        in5("swingBox")->setText(swing);
        in5("rockerBox")->setText("90");
        QTest::mouseClick(in5<QRadioButton>(way), Qt::LeftButton, {}, QPoint(5, 5));
        in5(way == "byCrank" ? "crankBox" : "frameBox")->setText(length);
        return test::dialogsDuring([&] {
            enter ? QTest::keyClick(in5("swingBox"), Qt::Key_Return)
                  : QTest::mouseClick(in5<QPushButton>("designButton"), Qt::LeftButton);
        });
    }

  private slots:
    void init() { QVERIFY(test::restart(app_)); }

    // After a request that had solutions: each request's rows, best first, each row its own
    // drawing, and "应用" writing the second row, rounded to 0.001 mm, into Text1..Text4 as the
    // presets write their numbers, leaving n and M, back in the main window; or the refusal and
    // nothing left to apply.
    void requests_data() {
        QTest::addColumn<QString>("K");
        QTest::addColumn<QString>("swing");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("length");  // L4 or L1
        QTest::addColumn<bool>("enter");      // or a click
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("applied");  // Text1..Text6
        // clang-format off
        QTest::newRow("by crank") << "1.2525782686040976" << "88.32458836411824" << "byCrank" << "60" << false << QStringList{
            "60.0000|120.0000|90.0000|120.0000|20.183|28.955|1.252578|88.3246|小于许用传动角40°",
            "60.0000|120.0000|90.0000|148.5720|20.183|13.510|1.252578|88.3246|小于许用传动角40°"} << QStringList() << " 60| 120| 90| 148.572| 100|-1";
        QTest::newRow("best, by Enter") << "1.2" << "40" << "bestTransmission" << "" << true << QStringList{
            "29.0943|76.3891|90.0000|95.0006|16.364|45.767|1.200000|40.0000|",
            "29.6367|65.5322|90.0000|118.4147|16.364|36.151|1.200000|40.0000|小于许用传动角40°"} << QStringList() << " 29.637| 65.532| 90| 118.415| 100|-1";
        QTest::newRow("swing 180") << "1.4" << "180" << "bestTransmission" << "" << true << QStringList() << QStringList("四杆机构|设计参数不当,请重新输入|确定") << "";
        // clang-format on
    }
    void requests() {
        test::use({"crankrocker"});
        // 60/120/90/120 (crank, coupler, rocker, frame), with two solutions
        request("1.2525782686040976", "88.32458836411824", "byFrame", "120");
        QTEST(request(fetch("K"), fetch("swing"), fetch("way"), fetch("length"),
                      fetch<bool>("enter")),
              "messages");
        auto* list = in5<QTableWidget>("solutionList");
        QStringList rows;
        for (int r = 0; r < list->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c) {
                cells << list->item(r, c)->text();
            }
            rows << cells.join('|');
        }
        QCOMPARE(rows, fetch<QStringList>("rows"));
        QCOMPARE(in5<QPushButton>("applyButton")->isEnabled(), !rows.isEmpty());
        if (!rows.isEmpty()) {
            const QImage first = app_->designWindow()->constructionView()->image();
            list->selectRow(1);
            QVERIFY(app_->designWindow()->constructionView()->image() != first);
            QTest::mouseClick(in5<QPushButton>("applyButton"), Qt::LeftButton);
            QCOMPARE(test::shownWindow(), &app_->mainWindow());
            QStringList boxes;
            for (int n = 1; n <= 6; ++n) {
                boxes << app_->mainWindow().findChild<QLineEdit*>(QString("Text%1").arg(n))->text();
            }
            QTEST(boxes.join('|'), "applied");
        }
    }
};

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
