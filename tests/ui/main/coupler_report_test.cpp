// Tests of the main window's menus "机构设计" → "连杆点轨迹..." (the coupler point dialog) and
// "报告" → "导出报告(PDF)...".
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/main/coupler_dialog.h"
#include "ui/main/main_window.h"

using namespace fourbar;
using test::fetch;
using test::use;
using Point = std::optional<CouplerPoint>;
Q_DECLARE_METATYPE(Point)

class CouplerReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Application> app_;

    // Exports the report into `fileName` (empty: cancels the file dialog); the dialogs seen.
    QStringList exportReport(const QString& fileName) {
        QAction* item = app_->mainWindow().findChild<QAction*>("exportReport");
        return test::dialogsDuring([item] { item->trigger(); }, fileName);
    }

  private slots:
    void init() { QVERIFY(test::restart(app_)); }

    // The menu item opens the dialog, modal.
    void dialogFromTheMenu() { QCOMPARE(use({"couplerPoint"}), QStringList("couplerDialog")); }

    // The dialog opens with the point's values; "确定" (or Enter in a box) sets the point from the
    // boxes, "不显示" (clicked, or Enter on it after the Tab key reached it) removes it. Bad input:
    // the message, the dialog stays open, the point as it was.
    void dialog_data() {
        QTest::addColumn<Point>("point");
        QTest::addColumn<QString>("button");  // "Enter": in the angle box; "Tab": Enter on 不显示
        QTest::addColumn<QString>("typed");   // BP|angle
        QTest::addColumn<Point>("after");
        QTest::addColumn<QString>("message");
        const Point p{{50, -90}};
        // clang-format off
        QTest::newRow("Enter sets") << p << "Enter" << "100|30" << Point({100, 30}) << "";
        QTest::newRow("Enter on 不显示 removes") << p << "Tab" << "100|30" << Point() << "";
        QTest::newRow("empty BP, none shown") << Point() << "couplerConfirmButton" << "|30" << Point() << "BP应为不小于0的数,请重新输入";
        // clang-format on
    }
    void dialog() {
        Point point = fetch<Point>("point");
        ui::CouplerDialog dialog(point, &app_->mainWindow());
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* distance = dialog.findChild<QLineEdit*>("couplerDistanceBox");
        auto* angle = dialog.findChild<QLineEdit*>("couplerAngleBox");
        const QString shown = point ? QString("%1|%2").arg(point->distance).arg(point->angle) : "|";
        QCOMPARE(distance->text() + '|' + angle->text(), shown);
        distance->setText(fetch("typed").section('|', 0, 0));
        angle->setText(fetch("typed").section('|', 1));
        auto* hide = dialog.findChild<QPushButton*>("couplerHideButton");
        angle->setFocus();
        for (int n = 0; fetch("button") == "Tab" && n < 5 && !hide->hasFocus(); ++n) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        }
        const QStringList messages = test::dialogsDuring([&] {
            fetch("button") == "Enter" || fetch("button") == "Tab"
                ? QTest::keyClick(dialog.focusWidget(), Qt::Key_Return)
                : QTest::mouseClick(dialog.findChild<QPushButton*>(fetch("button")),
                                    Qt::LeftButton);
        });
        QTRY_COMPARE(point, fetch<Point>("after"));  // a button pressed by Enter comes up later
        QCOMPARE(dialog.isVisible(), !fetch("message").isEmpty());
        QCOMPARE(messages.join(""),
                 fetch("message").isEmpty() ? "" : "四杆机构|" + fetch("message") + "|确定");
    }

    // After an execute: the dialog proposes the name; the file is a PDF, and with a coupler point
    // set the figure draws its path as well.
    void reportWritten() {
        use({"crankrocker", "affirm", "opration"});
        const QTemporaryDir dir;
        QCOMPARE(exportReport(dir.filePath("plain.pdf")).value(0).section('|', 1),
                 "四杆机构分析报告.pdf|保存(&S)");
        QFile plain(dir.filePath("plain.pdf"));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QVERIFY(plain.readAll().startsWith("%PDF"));
        app_->state().couplerPoint = CouplerPoint{100, 30};
        exportReport(dir.filePath("point.pdf"));
        QVERIFY(QFileInfo(dir.filePath("point.pdf")).size() > plain.size() + 1000);
    }
};

QTEST_MAIN(CouplerReportTest)
#include "coupler_report_test.moc"
