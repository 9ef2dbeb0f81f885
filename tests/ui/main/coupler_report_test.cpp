// Tests of the main window's menus "机构设计" → "连杆点轨迹..." (the coupler point dialog) and
// "报告" → "导出报告(PDF)...".
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/main/main_window.h"

namespace {

using fourbar::CouplerPoint;

// Fills the dialog's boxes and presses one of its buttons.
struct DialogUse {
    QString distance;  // nothing typed when null
    QString angle;
    const char* button;  // objectName
};

}  // namespace

class CouplerReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;
    QWidget* form1() { return &app_->mainWindow(); }
    std::optional<CouplerPoint>& point() { return app_->state().couplerPoint; }

    void trigger(const char* name) { form1()->findChild<QAction*>(name)->trigger(); }

    // Opens the dialog from its menu item and uses it once. Returns what it saw: the boxes' texts
    // on opening, then each message box as "caption|text", and "open" when the dialog was still
    // open after the button (it is then cancelled).
    QStringList useDialog(const DialogUse& use) {
        QStringList seen;
        bool used = false;
        QTimer poll;
        poll.callOnTimeout([&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() + '|' + box->text();
                box->accept();
            } else if (modal != nullptr && modal->objectName() == "couplerDialog") {
                auto* distance = modal->findChild<QLineEdit*>("couplerDistanceBox");
                auto* angle = modal->findChild<QLineEdit*>("couplerAngleBox");
                if (used) {
                    seen << "open";
                    static_cast<QDialog*>(modal)->reject();
                    return;
                }
                used = true;
                seen << distance->text() + '|' + angle->text();
                if (!use.distance.isNull()) {
                    distance->setText(use.distance);
                    angle->setText(use.angle);
                }
                // Later: the click may open a message box, whose loop must see this timer again.
                QPushButton* button = modal->findChild<QPushButton*>(use.button);
                QTimer::singleShot(0, button,
                                   [button] { QTest::mouseClick(button, Qt::LeftButton); });
            }
        });
        poll.start(10);
        trigger("couplerPoint");
        return seen;
    }

    // Exports the report into `fileName` (empty: cancels the file dialog); the dialogs seen.
    QStringList exportReport(const QString& fileName) {
        return fourbar::test::dialogsDuring([this] { trigger("exportReport"); }, fileName);
    }

    void analyseCrankRocker() {
        for (const char* item : {"crankrocker", "affirm", "opration"}) {
            trigger(item);
        }
    }

  private slots:
    void init() {
        app_ = std::make_unique<fourbar::ui::Application>();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }

    // "确定" sets the point, which the dialog shows next time and a new execute keeps; "取消"
    // changes nothing; "不显示" removes it.
    void setKeepAndRemove() {
        QCOMPARE(useDialog({"100", "30", "couplerConfirmButton"}), QStringList("|"));
        QCOMPARE(point(), CouplerPoint(100, 30));
        analyseCrankRocker();
        QCOMPARE(useDialog({"5", "5", "couplerCancelButton"}), QStringList("100|30"));
        QCOMPARE(point(), CouplerPoint(100, 30));
        QCOMPARE(useDialog({{}, {}, "couplerHideButton"}), QStringList("100|30"));
        QCOMPARE(point(), std::nullopt);
        QCOMPARE(useDialog({{}, {}, "couplerCancelButton"}), QStringList("|"));
    }

    // Bad input: the message, the dialog stays open, the point as it was.
    void refusals_data() {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("empty") << "" << "30" << "BP应为不小于0的数,请重新输入";
        QTest::newRow("letters in the angle") << "100" << "abc" << "∠CBP应为数,请重新输入";
        // clang-format on
    }

    void refusals() {
        QFETCH(QString, distance);
        QFETCH(QString, angle);
        QFETCH(QString, message);
        point() = CouplerPoint{50, -90};
        QCOMPARE(useDialog({distance, angle, "couplerConfirmButton"}),
                 QStringList({"50|-90", "四杆机构|" + message, "open"}));
        QCOMPARE(point(), CouplerPoint(50, -90));
    }

    // Before any analysis the menu item says so and asks for no file.
    void reportBeforeAnalysis() {
        QCOMPARE(exportReport(QDir::temp().filePath("never.pdf")),
                 QStringList("四杆机构|请先执行运动分析|确定"));
    }

    // After an execute: the dialog proposes the name; the file is a PDF with the kind's name, and
    // with a coupler point set the figure draws its path as well.
    void reportWritten() {
        analyseCrankRocker();
        const QTemporaryDir dir;
        const QStringList seen = exportReport(dir.filePath("plain.pdf"));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].section('|', 1), "四杆机构分析报告.pdf|保存(&S)");
        QFile plain(dir.filePath("plain.pdf"));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        const QByteArray plainBytes = plain.readAll();
        QVERIFY(plainBytes.startsWith("%PDF"));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (!pdftotext.isEmpty()) {
            QProcess process;
            process.start(pdftotext, {plain.fileName(), "-"});
            QVERIFY(process.waitForFinished(30000));
            QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains("B型曲柄摇杆机构"));
        }
        point() = CouplerPoint{100, 30};
        exportReport(dir.filePath("point.pdf"));
        QFile withPoint(dir.filePath("point.pdf"));
        QVERIFY(withPoint.open(QIODevice::ReadOnly));
        QVERIFY(withPoint.size() > plainBytes.size() + 1000);
    }

    // A file that cannot be written: the message names it, and no file is left.
    void reportNotWritten() {
        analyseCrankRocker();
        const QString fileName = "/proc/四杆机构分析报告.pdf";
        const QStringList seen = exportReport(fileName);
        QCOMPARE(seen.size(), 2);
        QVERIFY2(seen[1].startsWith("四杆机构|无法保存文件 " + fileName), qPrintable(seen[1]));
        QVERIFY(!QFileInfo::exists(fileName));
    }
};

QTEST_MAIN(CouplerReportTest)
#include "coupler_report_test.moc"
