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

namespace {

// K and swing of 60/120/90/120 (crank, coupler, rocker, frame).
const QString kTwinK = "1.2525782686040976";
const QString kTwinSwing = "88.32458836411824";

}  // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;
    QWidget* form1() { return &app_->mainWindow(); }
    fourbar::ui::DesignWindow* form5() { return app_->designWindow(); }
    QTableWidget* list() { return form5()->findChild<QTableWidget*>("solutionList"); }

    // Opens the window through its menu item and fills the request; `way` is the radio button's
    // objectName, `length` goes into that way's box. False when the window did not open.
    [[nodiscard]] bool request(const QString& K, const QString& swing, const QString& rocker,
                               const char* way, const QString& length = {}) {
        form1()->findChild<QAction*>("designByRatio")->trigger();
        if (form5() == nullptr || !form5()->isVisible()) {
            return false;
        }
        form5()->findChild<QLineEdit*>("ratioBox")->setText(K);
        form5()->findChild<QLineEdit*>("swingBox")->setText(swing);
        form5()->findChild<QLineEdit*>("rockerBox")->setText(rocker);
        QTest::mouseClick(form5()->findChild<QRadioButton*>(way), Qt::LeftButton, {}, QPoint(5, 5));
        const char* box = QByteArray(way) == "byCrank" ? "crankBox" : "frameBox";
        form5()->findChild<QLineEdit*>(box)->setText(length);
        return list() != nullptr;
    }

    // The message boxes "计算" opened, by a click or by Enter in `box`.
    QStringList design(const char* box = nullptr) {
        return fourbar::test::dialogsDuring([&] {
            if (box != nullptr) {
                QTest::keyClick(form5()->findChild<QLineEdit*>(box), Qt::Key_Return);
            } else {
                QTest::mouseClick(form5()->findChild<QPushButton*>("designButton"), Qt::LeftButton);
            }
        });
    }

    // The cells of row `r`, joined by '|'.
    QString row(int r) {
        QStringList cells;
        for (int c = 0; c < list()->columnCount(); ++c) {
            cells << list()->item(r, c)->text();
        }
        return cells.join('|');
    }

  private slots:
    void init() {
        app_ = std::make_unique<fourbar::ui::Application>();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }

    // The menu item opens the window with the main window hidden, "退出" and the close box bring
    // the main window back; the window is created once and keeps its list.
    void navigation() {
        QCOMPARE(app_->designWindow(), nullptr);
        form1()->findChild<QAction*>("designByRatio")->trigger();
        QVERIFY(form5() != nullptr && !form1()->isVisible());
        QCOMPARE(form5()->objectName(), "Form5");
        QCOMPARE(form5()->windowTitle(), "机构设计");
        QVERIFY(QTest::qWaitForWindowActive(form5()));
        QCOMPARE(QApplication::focusWidget()->objectName(), "ratioBox");
        QVERIFY(request(kTwinK, kTwinSwing, "90", "byFrame", "120"));
        design();
        QTest::mouseClick(form5()->findChild<QPushButton*>("exitButton"), Qt::LeftButton);
        QVERIFY(form1()->isVisible() && !form5()->isVisible());
        QWidget* created = form5();
        form1()->findChild<QAction*>("designByRatio")->trigger();
        QVERIFY(form5() == created && form5()->isVisible() && !form1()->isVisible());
        QCOMPARE(list()->rowCount(), 2);
        form5()->close();
        QVERIFY(form1()->isVisible() && !form5()->isVisible());
    }

    // Each request's rows, best first, the first selected and drawn; the remark below 40 degrees.
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
        QFETCH(QString, K);
        QFETCH(QString, swing);
        QFETCH(QString, way);
        QFETCH(QString, length);
        QFETCH(QStringList, rows);
        QVERIFY(request(K, swing, "90", way.toLatin1(), length));
        QCOMPARE(design(), QStringList());
        QCOMPARE(list()->rowCount(), rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            QCOMPARE(row(r), rows[r]);
        }
        QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), 0);
        QVERIFY(form5()->findChild<QPushButton*>("applyButton")->isEnabled());
        // The construction of the selected row is drawn, and another for the other row.
        const QImage drawn = form5()->constructionView()->image();
        QImage blank(drawn.size(), drawn.format());
        blank.fill(Qt::white);
        QVERIFY(drawn != blank);
        list()->selectRow(1);
        QVERIFY(form5()->constructionView()->image() != drawn);
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
        QFETCH(int, selected);
        QFETCH(QString, texts);
        form1()->findChild<QAction*>("crankrocker")->trigger();
        form1()->findChild<QAction*>("affirm")->trigger();
        const fourbar::LinkageState stored = app_->state().inputs;
        QVERIFY(request(kTwinK, kTwinSwing, "90", "byFrame", "120"));
        design();
        list()->selectRow(selected);
        QTest::mouseClick(form5()->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
        QVERIFY(form1()->isVisible() && !form5()->isVisible());
        QStringList boxes;
        for (int n = 1; n <= 6; ++n) {
            boxes << form1()->findChild<QLineEdit*>(QString("Text%1").arg(n))->text();
        }
        QCOMPARE(boxes.join('|'), texts);
        QCOMPARE(app_->state().inputs, stored);
    }

    // Bad input and requests without a solution: the message, and nothing left to apply. Enter
    // in a box computes as the button does.
    void refusals_data() {
        QTest::addColumn<QString>("K");
        QTest::addColumn<QString>("swing");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("message");
        const QString invalid = "设计参数不当,请重新输入";
        const QString none = "无满足要求的曲柄摇杆机构";
        // clang-format off
        QTest::newRow("empty K") << "" << "60" << "bestTransmission" << "" << invalid;
        QTest::newRow("swing 180") << "1.4" << "180" << "bestTransmission" << "" << invalid;
        QTest::newRow("empty frame") << "1.4" << "60" << "byFrame" << "" << invalid;
        QTest::newRow("frame too long") << "1.5" << "60" << "byFrame" << "1000" << none;
        QTest::newRow("K 1 best") << "1" << "60" << "bestTransmission" << "" << "无满足要求的曲柄摇杆机构";
        // clang-format on
    }

    void refusals() {
        QFETCH(QString, K);
        QFETCH(QString, swing);
        QFETCH(QString, way);
        QFETCH(QString, length);
        QFETCH(QString, message);
        QVERIFY(request(kTwinK, kTwinSwing, "90", "byFrame", "120"));
        design();
        QVERIFY(request(K, swing, "90", way.toLatin1(), length));
        QCOMPARE(design("swingBox"), QStringList("四杆机构|" + message + "|确定"));
        QCOMPARE(list()->rowCount(), 0);
        QVERIFY(!form5()->findChild<QPushButton*>("applyButton")->isEnabled());
        QVERIFY(form5()->isVisible());
    }

    // Only the box of the way chosen takes input; every radio button shows its whole caption.
    void wayBoxes() {
        QVERIFY(request("1.4", "60", "100", "bestTransmission"));
        auto* frame = form5()->findChild<QLineEdit*>("frameBox");
        auto* crank = form5()->findChild<QLineEdit*>("crankBox");
        QVERIFY(!frame->isEnabled() && !crank->isEnabled());
        QTest::mouseClick(form5()->findChild<QRadioButton*>("byCrank"), Qt::LeftButton, {},
                          QPoint(5, 5));
        QVERIFY(!frame->isEnabled() && crank->isEnabled());
        for (const QRadioButton* radio : form5()->findChildren<QRadioButton*>()) {
            QVERIFY2(radio->sizeHint().width() <= radio->width(), qPrintable(radio->text()));
        }
    }
};

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
