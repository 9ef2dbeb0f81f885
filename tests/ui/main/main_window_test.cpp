// Tests of the main window and the application: the presets' outputs, clear, the file dialogs,
// the navigation between the windows and the program's end.
#include <QtTest>
#include <QtWidgets>

#include "core/listing.h"
#include "tests/preset_outputs.h"
#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/save_file.h"

using namespace fourbar;
using test::use;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Application> app_;
    QWidget* form1() { return &app_->mainWindow(); }
    QLineEdit* box(int n) { return form1()->findChild<QLineEdit*>(QString("Text%1").arg(n)); }
    // The texts of TextFirst..TextLast joined by '|'.
    QString boxes(int first, int last) {
        QStringList texts;
        for (int n = first; n <= last; ++n) {
            texts << box(n)->text();
        }
        return texts.join('|');
    }

  private slots:
    void init() { QVERIFY(test::restart(app_)); }

    // The presets' outputs, each command by its button or, for the double rockers, its menu item,
    // over a "K" left in Text11; the outputs are read-only, each with its text as tooltip. Clear
    // empties Text8..Text14 and the maxima and keeps the inputs.
    void presetsAndClear_data() {
        QTest::addColumn<int>("preset");  // in kPresetOutputs
        for (int i = 0; i < int(std::size(golden::kPresetOutputs)); ++i) {
            QTest::newRow(golden::kPresetOutputs[i].preset.data()) << i;
        }
    }
    void presetsAndClear() {
        QFETCH(int, preset);
        const golden::PresetOutputs& golden = golden::kPresetOutputs[preset];
        const QByteArray name(golden.preset.data(), golden.preset.size());
        const bool byMenu = name.startsWith('d');
        box(11)->setText("K");
        use({name.constData(), byMenu ? "affirm" : "Command1", byMenu ? "opration" : "Command7"});
        QStringList outputs;
        for (const auto& text : golden.texts) {
            const std::string_view shown = text.value_or("K");
            outputs << QString::fromUtf8(shown.data(), qsizetype(shown.size()));
        }
        for (int n = 8; n <= 14; ++n) {
            QTest::keyClicks(box(n), "1");
            QCOMPARE(box(n)->toolTip(), box(n)->text());
        }
        QCOMPARE(boxes(8, 14), outputs.join('|'));
        QCOMPARE(box(9)->cursorPosition(), 0);  // a long number shows its leading digits
        const QString inputs = boxes(1, 6);
        use({byMenu ? "clear" : "Command8"});
        QCOMPARE(boxes(1, 6) + boxes(8, 14), inputs + "||||||");
        QCOMPARE(app_->state().maxima, Maxima{});
    }

    // A file dialog opens in the folder of the file written last, proposes its name, in Chinese
    // ("保存(&S)"), and writes the file chosen, whose folder becomes the last one: the table
    // window's CSV export, every row, ".csv" added.
    void fileDialog() {
        const QTemporaryDir before;
        const QTemporaryDir chosen;
        QVERIFY(ui::writeFileReporting(nullptr, before.filePath("x"), "x"));
        use({"crankrocker", "Command1", "Command7", "Command4"});
        QAction* item = test::shownWindow()->findChild<QAction*>("exportCsv");
        QCOMPARE(test::dialogsDuring([item] { item->trigger(); }, chosen.filePath("out")),
                 QStringList(before.path() + "|运动参数.csv|保存(&S)"));
        QFile file(chosen.filePath("out.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(analysisCsv(*app_->state().analysis)));
        QCOMPARE(ui::lastFolder(), chosen.path());
    }

    // One window visible at a time: each command shows its window, whose "退出" and close box
    // bring back the main window, which keeps the input and its focus.
    void navigation() {
        QTest::mouseClick(box(3), Qt::LeftButton);
        QTest::keyClicks(box(3), "260");
        struct Road {
            const char* command;
            const char* window;
            const char* exit;  // nullptr: the close box
        };
        for (const Road& road :
             {Road{"transfer", "Form3", "Command4"}, Road{"prin", "Form4", "Command2"},
              Road{"low", "Form2", "Command5"}, Road{"Command3", "Form3", nullptr},
              Road{"Command6", "Form2", nullptr}}) {
            use({road.command});
            QWidget* shown = test::shownWindow();
            QVERIFY2(shown != nullptr && shown->objectName() == road.window, road.command);
            QVERIFY(QTest::qWaitForWindowActive(shown));
            road.exit != nullptr
                ? QTest::mouseClick(shown->findChild<QPushButton*>(road.exit), Qt::LeftButton)
                : void(shown->close());
            QCOMPARE(test::shownWindow(), form1());
            QVERIFY(QTest::qWaitForWindowActive(form1()));
            QCOMPARE(QApplication::focusWidget()->objectName() + box(3)->text(), "Text3260");
        }
    }

    // "位移图" shows the diagrams with the angle curve of the last analysis drawn, as "角位移"
    // draws it.
    void displacementDiagram() {
        use({"crankrocker", "Command1", "Command7", "transfer"});
        const QImage shown = app_->diagramsWindow()->plotArea()->image();
        use({"Command5", "Command2"});
        QVERIFY(app_->diagramsWindow()->plotArea()->image() != shown);
        use({"Command5", "Command1"});
        QCOMPARE(app_->diagramsWindow()->plotArea()->image(), shown);
    }

    // Closing the main window ends the event loop with no window left.
    void endingTheProgram() {
        QTimer::singleShot(0, form1(), [this] { form1()->close(); });
        QTimer::singleShot(5000, form1(), [] { QCoreApplication::exit(1); });  // it did not end
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(test::shownWindow(), nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
