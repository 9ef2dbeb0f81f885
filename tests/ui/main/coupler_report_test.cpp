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

    // The menu item opens the dialog, modal; cancelling it changes nothing.
    void dialogFromTheMenu() {
        app_->state().couplerPoint = CouplerPoint{100, 30};
        QCOMPARE(use({"couplerPoint"}), QStringList("couplerDialog"));
        QCOMPARE(app_->state().couplerPoint, CouplerPoint(100, 30));
    }

    // The dialog opens with the point's values; "确定" (or Enter in a box) sets the point from the
    // boxes, "不显示" removes it, "取消" changes nothing. Bad input: the message, the dialog stays
    // open, the point as it was.
    void dialog_data() {
        QTest::addColumn<Point>("point");
        QTest::addColumn<QString>("typed");  // BP|angle; null: nothing typed
        QTest::addColumn<QString>("button");
        QTest::addColumn<Point>("after");
        QTest::addColumn<QString>("message");
        const QString none;
        const Point p{{50, -90}};
        // clang-format off
        QTest::newRow("set") << Point() << "100|30" << "couplerConfirmButton" << Point({100, 30}) << none;
        QTest::newRow("Enter sets") << p << "100|30" << "Enter" << Point({100, 30}) << none;
        QTest::newRow("cancel") << p << "5|5" << "couplerCancelButton" << p << none;
        QTest::newRow("remove") << p << QString() << "couplerHideButton" << Point() << none;
        QTest::newRow("empty BP") << p << "|30" << "couplerConfirmButton" << p << "BP应为不小于0的数,请重新输入";
        QTest::newRow("letters in the angle") << p << "100|abc" << "couplerConfirmButton" << p << "∠CBP应为数,请重新输入";
        // clang-format on
    }
    void dialog() {
        Point point = fetch<Point>("point");
        ui::CouplerDialog dialog(point, &app_->mainWindow());
        dialog.show();
        auto* distance = dialog.findChild<QLineEdit*>("couplerDistanceBox");
        auto* angle = dialog.findChild<QLineEdit*>("couplerAngleBox");
        const QString shown = point ? QString("%1|%2").arg(point->distance).arg(point->angle) : "|";
        QCOMPARE(distance->text() + '|' + angle->text(), shown);
        if (!fetch("typed").isNull()) {
            distance->setText(fetch("typed").section('|', 0, 0));
            angle->setText(fetch("typed").section('|', 1));
        }
        const QStringList messages = test::dialogsDuring([&] {
            fetch("button") == "Enter"
                ? QTest::keyClick(angle, Qt::Key_Return)
                : QTest::mouseClick(dialog.findChild<QPushButton*>(fetch("button")),
                                    Qt::LeftButton);
        });
        QCOMPARE(point, fetch<Point>("after"));
        QCOMPARE(dialog.isVisible(), !fetch("message").isEmpty());
        QCOMPARE(messages, fetch("message").isEmpty()
                               ? QStringList()
                               : QStringList("四杆机构|" + fetch("message") + "|确定"));
    }

    // Before any analysis the menu item says so and asks for no file.
    void reportBeforeAnalysis() {
        QCOMPARE(exportReport(QDir::temp().filePath("never.pdf")),
                 QStringList("四杆机构|请先执行运动分析|确定"));
    }

    // After an execute: the dialog proposes the name; the file is a PDF with the kind's name, and
    // with a coupler point set the figure draws its path as well.
    void reportWritten() {
        use({"crankrocker", "affirm", "opration"});
        const QTemporaryDir dir;
        QCOMPARE(exportReport(dir.filePath("plain.pdf")).value(0).section('|', 1),
                 "四杆机构分析报告.pdf|保存(&S)");
        QFile plain(dir.filePath("plain.pdf"));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QVERIFY(plain.readAll().startsWith("%PDF"));
        if (const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
            !pdftotext.isEmpty()) {
            QProcess process;
            process.start(pdftotext, {plain.fileName(), "-"});
            QVERIFY(process.waitForFinished(30000));
            QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains("B型曲柄摇杆机构"));
        }
        app_->state().couplerPoint = CouplerPoint{100, 30};
        exportReport(dir.filePath("point.pdf"));
        QVERIFY(QFileInfo(dir.filePath("point.pdf")).size() > plain.size() + 1000);
    }

    // A file that cannot be written: the message names it, and no file is left.
    void reportNotWritten() {
        use({"crankrocker", "affirm", "opration"});
        const QString fileName = "/proc/四杆机构分析报告.pdf";
        const QStringList seen = exportReport(fileName);
        QCOMPARE(seen.size(), 2);
        QVERIFY2(seen[1].startsWith("四杆机构|无法保存文件 " + fileName), qPrintable(seen[1]));
        QVERIFY(!QFileInfo::exists(fileName));
    }
};

QTEST_MAIN(CouplerReportTest)
#include "coupler_report_test.moc"
