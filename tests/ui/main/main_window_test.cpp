// Tests of the main window and the application: layout, captions, presets, confirm, cancel, clear,
// execute with its refusals and fresh maxima, focus reset, the navigation between the windows and
// the program's end.
#include <QtTest>
#include <QtWidgets>

#include "tests/preset_outputs.h"
#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/save_file.h"
#include "ui/toolkit/widgets.h"

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
    void type(const QStringList& texts) {  // into Text1, Text2, ...
        for (int n = 1; n <= texts.size(); ++n) {
            box(n)->setText(texts[n - 1]);
        }
    }

  private slots:
    void init() { QVERIFY(test::restart(app_)); }

    // Spot checks of the twips (15 to the pixel) and the fonts' pixel sizes, "L2(mm):" widened to
    // its caption from its laid-out place; the tab order; the title and the menu bar's order.
    void layoutAndCaptions() {
        struct Row {
            const char* name;
            QRect twips;
            int pixelSize;
            int width;  // pixels, as shown
        };
        for (const Row& row : {Row{"Frame1", {180, 1620, 3015, 3135}, 11, 201},
                               Row{"Label2", {120, 900, 675, 375}, 13, 47}}) {
            QWidget* w = form1()->findChild<QWidget*>(row.name);
            const QRect laidOut(row.twips.topLeft() / 15, row.twips.size() / 15);
            QCOMPARE(ui::designGeometry(w), laidOut);
            QCOMPARE(w->geometry(), QRect(laidOut.topLeft(), QSize(row.width, laidOut.height())));
            QCOMPARE(w->font().pixelSize(), row.pixelSize);
        }
        QCOMPARE(form1()->minimumSize(), form1()->maximumSize());  // a window of fixed size
        QCOMPARE(form1()->findChild<QWidget*>("Form1Client")->size(), QSize(491, 327));
        for (const char* next :
             {"Text1",    "Text2",    "Text3",    "Text4",    "Text5",    "Text6",    "Command1",
              "Command2", "Command3", "Command4", "Command6", "Text8",    "Text9",    "Text10",
              "Text11",   "Text12",   "Text13",   "Text14",   "Command7", "Command8", "Text1"}) {
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(form1()->windowTitle(), " 四杆机构");
        QStringList menus;
        for (const QAction* menu : form1()->findChild<QMenuBar*>()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus.join('|'), "输入数据|运动分析|运动显示|动态显示|运动模式|机构设计|报告");
    }

    // The presets' outputs, each command by its button or, for the double rockers, its menu item;
    // typing into the outputs changes nothing, and each has its text as tooltip. Clear empties
    // Text8..Text14 and the maxima and keeps the inputs; cancel empties the inputs, and execute
    // still uses the confirmed values. "K" in Text11 before the execute: only a crank-rocker
    // writes it.
    void presetsClearAndCancel_data() {
        QTest::addColumn<int>("preset");  // in kPresetOutputs
        for (int i = 0; i < int(std::size(golden::kPresetOutputs)); ++i) {
            QTest::newRow(golden::kPresetOutputs[i].preset.data()) << i;
        }
    }
    void presetsClearAndCancel() {
        QFETCH(int, preset);
        const golden::PresetOutputs& golden = golden::kPresetOutputs[preset];
        const QByteArray name(golden.preset.data(), golden.preset.size());
        const bool byMenu = name.startsWith('d');
        use({name.constData(), byMenu ? "affirm" : "Command1", byMenu ? "opration" : "Command7"});
        const QString inputs = boxes(1, 6);
        use({byMenu ? "clear" : "Command8"});
        QCOMPARE(boxes(1, 6) + boxes(8, 14), inputs + "||||||");
        QCOMPARE(app_->state().maxima, Maxima{});
        use({byMenu ? "delete" : "Command2"});
        box(11)->setText("K");
        QCOMPARE(use({byMenu ? "opration" : "Command7"}), QStringList());
        QStringList outputs;
        for (const auto& text : golden.texts) {
            outputs << (text ? QString::fromUtf8(text->data(), text->size()) : "K");
        }
        for (int n = 8; n <= 14; ++n) {  // read-only, their whole text as their tooltip
            QTest::keyClicks(box(n), "1");
            QCOMPARE(box(n)->toolTip(), box(n)->text());
        }
        QCOMPARE(boxes(1, 6) + boxes(8, 14), "|||||" + outputs.join('|'));
        QCOMPARE(box(9)->cursorPosition(), 0);  // a long number shows its leading digits
    }

    // After the crank-rocker's execute, the six boxes confirmed as given and executed again: the
    // message, and the panel then. A refusal before the run keeps the crank-rocker's analysis and
    // maxima for the other windows; only the closure test leaves the panel as it was.
    void refusals_data() {
        QTest::addColumn<QString>("inputs");  // Text1..Text6, joined by '|'
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("panel");  // Text8..Text14 after the execute
        QTest::addColumn<bool>("analysed");  // the execute installed a new analysis
        const QString lengths = "杆长设计不当,请重新输入";
        const QString emptied = "||||||";
        const QString crankRocker =
            "B型曲柄摇杆机构| 73.767340617148| 33.6200736089135| "
            "1.03051257105492| 169.736383970466| 10.5279152691898| 187.7075";
        // clang-format off
        QTest::newRow("empty box") << "150|220|250||100|-1" << lengths << emptied << false;
        QTest::newRow("M 5") << "150|220|250|300|100|5" << "装配型式M应为1或-1,请重新输入" << emptied << false;
        QTest::newRow("beyond double range") << "1e400|220|250|300|100|-1" << "杆长设置不当,请重新输入!" << emptied << false;
        QTest::newRow("cannot close") << "100|100|100|300|100|-1" << lengths << crankRocker << false;
        // The run overflows partway round: the name stays, the values go, and so do the rows.
        QTest::newRow("run fails") << "150|220|250|300|3e20|-1" << "杆长设置不当,请重新输入!" << "B型曲柄摇杆机构||||||" << true;
        // clang-format on
    }
    void refusals() {
        QFETCH(QString, inputs);
        QFETCH(QString, message);
        use({"crankrocker", "Command1", "Command7"});
        const auto analysis = app_->state().analysis;
        const Maxima maxima = app_->state().maxima;
        type(inputs.split('|'));
        use({"Command1"});
        QCOMPARE(use({"Command7"}), QStringList("四杆机构|" + message + "|确定"));
        QTEST(boxes(8, 14), "panel");
        QFETCH(bool, analysed);
        QCOMPARE(app_->state().analysis != analysis, analysed);
        QCOMPARE(app_->state().maxima == maxima, !analysed);
    }

    // Each execute shows the maxima of its own run, never those of an earlier one; "清除" resets
    // them too. The first run (M = 1, n = 1000) reaches a larger angle and ten times the velocity.
    void freshMaxima() {
        type({"60", "120", "90", "120", "1000", "1"});
        use({"affirm", "opration"});
        QCOMPARE(boxes(12, 14), " 297.277421184428| 129.815597088898| 26458.61");
        type({"60", "120", "90", "120", "100", "-1"});
        use({"affirm", "opration"});
        QCOMPARE(boxes(12, 14), " 151.044398575276| 12.9815623742442| 264.5862");
        QCOMPARE(app_->state().maxima.omega3, 12.9815623742442);
        use({"clear"});
        QCOMPARE(app_->state().maxima, Maxima{});
    }

    // The schematic is a fixed picture, not a result: no context menu, and Ctrl+C with a button
    // focused copies nothing.
    void schematicHasNoMenu() {
        auto* schematic = form1()->findChild<ui::DrawingArea*>("Picture1");
        QCOMPARE(test::pickFromContextMenu(schematic, {20, 20}, "复制", test::Pick::Keyboard).items,
                 QStringList());
        QWidget* confirm = form1()->findChild<QWidget*>("Command1");
        confirm->setFocus();
        QApplication::clipboard()->setText("kept");
        QTest::keyClick(confirm, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "kept");
    }

    // Each file dialog opens in the folder of the file written last, proposes its name, in
    // Chinese ("保存(&S)"), and writes the file chosen, whose folder becomes the last one.
    void fileDialogs_data() {
        QTest::addColumn<QString>("show");    // the command showing the window
        QTest::addColumn<QString>("action");  // of its picture's menu
        QTest::addColumn<QString>("proposed");
        QTest::newRow("table CSV") << "Command4"
                                   << "exportCsv"
                                   << "运动参数.csv";
        QTest::newRow("animation") << "Command6"
                                   << "savePictureAction"
                                   << "机构运动.png";
    }
    void fileDialogs() {
        QFETCH(QString, show);
        QFETCH(QString, action);
        QFETCH(QString, proposed);
        const QTemporaryDir before;
        const QTemporaryDir chosen;
        QVERIFY(ui::writeFileReporting(nullptr, before.filePath("x"), "x"));
        use({"crankrocker", "Command1", "Command7", qPrintable(show)});
        QAction* item = test::shownWindow()->findChild<QAction*>(action);
        QCOMPARE(test::dialogsDuring([item] { item->trigger(); }, chosen.filePath("out")),
                 QStringList(before.path() + '|' + proposed + "|保存(&S)"));
        QVERIFY(QFileInfo::exists(chosen.filePath("out." + QFileInfo(proposed).suffix())));
        QCOMPARE(ui::lastFolder(), chosen.path());
    }

    // Exactly one window is visible at a time. Each other window is created once, then only shown
    // again, with the first stop of its tab order focused (though a click on "退出" left the focus
    // there last time); its "退出" and its close box bring back the main window, and coming back
    // keeps the input and its focus.
    void navigation() {
        QTest::mouseClick(box(3), Qt::LeftButton);
        QTest::keyClicks(box(3), "260");
        struct Road {
            const char* command;
            const char* window;
            const char* firstStop;
            const char* exit;  // nullptr: the close box
        };
        QMap<QString, QPointer<QWidget>> created;  // nulled if a window is deleted
        for (const Road& road : {Road{"transfer", "Form3", "Picture1", "Command4"},
                                 Road{"prin", "Form4", "Command1", "Command2"},
                                 Road{"low", "Form2", "Picture1", "Command5"},
                                 Road{"boundary", "Form2", "Picture1", nullptr},
                                 Road{"Command3", "Form3", "Picture1", nullptr},
                                 Road{"Command4", "Form4", "Command1", nullptr},
                                 Road{"Command6", "Form2", "Picture1", "Command5"}}) {
            use({road.command});
            QWidget* shown = test::shownWindow();
            QVERIFY2(shown != nullptr, road.command);
            QCOMPARE(shown->objectName(), road.window);
            if (!created.contains(road.window)) {
                created[road.window] = shown;
            }
            QCOMPARE(shown, created[road.window].data());
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QCOMPARE(QApplication::focusWidget()->objectName(), road.firstStop);
            road.exit != nullptr
                ? QTest::mouseClick(shown->findChild<QPushButton*>(road.exit), Qt::LeftButton)
                : void(shown->close());
            QCOMPARE(test::shownWindows(), QWidgetList{form1()});
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

    // Closing the main window ends the event loop, and so does the platform's quit request while
    // any window is shown.
    void endingTheProgram_data() {
        QTest::addColumn<QString>("command");  // shows the window to end from
        QTest::addColumn<bool>("quit");        // or the main window's close box
        QTest::newRow("close box") << "Command8" << false;
        QTest::newRow("quit from the diagrams") << "Command3" << true;
        QTest::newRow("quit from the table") << "Command4" << true;
    }
    void endingTheProgram() {
        QFETCH(QString, command);
        QFETCH(bool, quit);
        use({qPrintable(command)});
        QTimer::singleShot(0, form1(), [&] { quit ? qApp->quit() : void(form1()->close()); });
        QTimer::singleShot(5000, form1(), [] { QCoreApplication::exit(1); });  // it did not end
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(test::shownWindows(), QWidgetList());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
