// Tests of the main window and the application: layout, captions, presets, confirm, cancel, clear,
// execute with its refusals and fresh maxima, focus reset, the navigation between the windows and
// the program's end.
#include <QtTest>
#include <QtWidgets>

#include "tests/preset_outputs.h"
#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/save_file.h"
#include "ui/toolkit/widgets.h"

namespace {

// The visible windows of the program.
QWidgetList shownForms() {
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](auto* w) { return !w->isVisible() || !w->objectName().startsWith("Form"); });
    return shown;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;
    QWidget* form1() { return &app_->mainWindow(); }
    fourbar::LinkageState& linkage() { return app_->state().inputs; }
    static QString lengths() { return "杆长设计不当,请重新输入"; }
    QLineEdit* box(int n) { return form1()->findChild<QLineEdit*>(QString("Text%1").arg(n)); }
    // The texts of TextFirst..TextLast joined by '|'.
    QString boxes(int first, int last) {
        QStringList texts;
        for (int n = first; n <= last; ++n) {
            texts << box(n)->text();
        }
        return texts.join('|');
    }

    // Triggers a menu item or clicks a button of `w` (by default the main window); returns the
    // message boxes it opened as "caption|text|buttons", each closed with OK.
    QStringList run(const char* name, QWidget* w = nullptr) {
        QObject* item = (w != nullptr ? w : form1())->findChild<QObject*>(name);
        return fourbar::test::dialogsDuring([item] {
            QMetaObject::invokeMethod(item, qobject_cast<QAction*>(item) ? "trigger" : "click");
        });
    }

  private slots:
    // The message boxes' title is the application's to set.
    void initTestCase() { fourbar::ui::setMessageTitle(QString()); }

    void init() {
        app_ = std::make_unique<fourbar::ui::Application>();  // the one of the previous test goes
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }

    // Spot checks of the twips (15 to the pixel) and the fonts' pixel sizes, "L2(mm):" widened to
    // its caption from its laid-out place; the tab order; every caption of the window, its menus
    // and their items, as the user reads them.
    void layoutAndCaptions() {
        // The widget, its place in twips, its font's pixel size and its width in pixels.
        // clang-format off
        const std::tuple<const char*, QRect, int, int> rows[] = {{"Frame1", {180, 1620, 3015, 3135}, 11, 201},
            {"Text6", {1920, 780, 735, 375}, 13, 49}, {"Command1", {1920, 1620, 795, 375}, 16, 53},
            {"Label19", {60, 3060, 1875, 315}, 13, 125}, {"Label2", {120, 900, 675, 375}, 13, 47}};
        // clang-format on
        for (const auto& [name, twips, pixelSize, width] : rows) {
            QWidget* w = form1()->findChild<QWidget*>(name);
            const QRect laidOut(twips.topLeft() / 15, twips.size() / 15);
            QCOMPARE(fourbar::ui::designGeometry(w), laidOut);
            QCOMPARE(w->geometry(), QRect(laidOut.topLeft(), QSize(width, laidOut.height())));
            QCOMPARE(w->font().pixelSize(), pixelSize);
        }
        QCOMPARE(form1()->minimumSize(), form1()->maximumSize());  // a window of fixed size
        QCOMPARE(form1()->findChild<QWidget*>("Form1Client")->size(), QSize(491, 327));
        // clang-format off
        for (const char* next : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1", "Command2", "Command3",
                 "Command4", "Command6", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Command7",
                 "Command8", "Text1"}) {
            // clang-format on
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // clang-format off
        const std::pair<const char*, const char*> captions[] = {
            {"Frame1", " 请输入已知条件   "}, {"Label1", "L1(mm):"}, {"Label2", "L2(mm):"}, {"Label4", "L3(mm):"}, {"Label5", "L4(mm):"},
            {"Label6", "n(r/min):"}, {"Label7", " M (装配型式)"}, {"Command1", "确 定"}, {"Command2", "取 消"}, {"Label3", "Label3"},
            {"Label12", "机构简图"}, {"Label8", "L1"}, {"Label9", "L2"}, {"Label10", "L3"}, {"Label11", "L4"}, {"Frame2", "运动规律显示"},
            {"Command3", "运动线图"}, {"Command4", "数据显示"}, {"Frame3", "动态演示"}, {"Command6", "动态  演示"},
            {"Frame4", "主要运动参数输出"}, {"Label13", "机构名称"}, {"Label14", "最大摆角（度）"}, {"Label15", "最小传动角（度）"},
            {"Label16", "行程速比系数K"}, {"Label17", "最大角位移（度）"}, {"Label18", "最大角速度（1/s)"},
            {"Label19", "  最大角加速度(1/ s2)"}, {"Command7", "执行"}, {"Command8", "清除"}, {"iuput", "输入数据"},
            {"analysis", "运动分析"}, {"display", "运动显示"}, {"dplay", "动态显示"}, {"modle", "运动模式"}, {"affirm", "确定"},
            {"delete", "删除"}, {"opration", "执行"}, {"prin", "打印"}, {"clear", "清除"}, {"transfer", "位移图"}, {"velocity", "速度图"},
            {"accelerlation", "加速度图"}, {"clear2", "清除"}, {"low", "低速"}, {"middle", "中速"}, {"high", "高速"},
            {"boundary", "范围"}, {"clear1", "清除"}, {"crankrocker", "曲柄摇杆"}, {"rockercrank", "摇杆曲柄"},
            {"doublecrank", " 双曲柄"}, {"doublerocker1", "双摇杆1"}, {"doublerocker2", "双摇杆2"}, {"doublerocker3", "双摇杆3"},
            {"doublerocker4", "双摇杆4"}, {"designMenu", "机构设计"}, {"designByRatio", "按行程速比系数设计..."},
            {"couplerPoint", "连杆点轨迹..."}, {"reportMenu", "报告"}, {"exportReport", "导出报告(PDF)..."}};
        // clang-format on
        QCOMPARE(form1()->windowTitle(), " 四杆机构");
        QStringList menus;
        for (const QAction* menu : form1()->findChild<QMenuBar*>()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus.join('|'), "输入数据|运动分析|运动显示|动态显示|运动模式|机构设计|报告");
        for (const auto& [name, caption] : captions) {
            const QObject* o = form1()->findChild<QObject*>(name);
            QVERIFY2(o != nullptr, name);
            const char* property = o->property("title").isValid() ? "title" : "text";
            QCOMPARE(o->property(property).toString(), QString(caption));
        }
    }

    // The presets' outputs, each command by its button or, for the double rockers, its menu item;
    // typing into the outputs changes nothing, and each has its text as tooltip. Clear empties
    // Text8..Text14 and the maxima and keeps the inputs; cancel empties the inputs, and
    // execute still uses the confirmed values. "K" in Text11 before the execute: only a
    // crank-rocker writes it.
    void presetsClearAndCancel() {
        for (const fourbar::golden::PresetOutputs& golden : fourbar::golden::kPresetOutputs) {
            init();
            const QByteArray preset(golden.preset.data(), golden.preset.size());
            const bool byMenu = preset.startsWith('d');
            run(preset);
            run(byMenu ? "affirm" : "Command1");
            run(byMenu ? "opration" : "Command7");
            const QString inputs = boxes(1, 6);
            run(byMenu ? "clear" : "Command8");
            QCOMPARE(boxes(1, 6) + boxes(8, 14), inputs + "||||||");
            QCOMPARE(app_->state().maxima, fourbar::Maxima{});
            run(byMenu ? "delete" : "Command2");
            box(11)->setText("K");
            QCOMPARE(run(byMenu ? "opration" : "Command7"), QStringList());
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
    }

    // After the crank-rocker's execute, the six boxes confirmed as given and executed again: the
    // message, and the panel then. A refusal before the run keeps the crank-rocker's analysis and
    // maxima for the other windows; only the closure test leaves the panel as it was.
    void refusals_data() {
        QTest::addColumn<QString>("inputs");  // Text1..Text6, joined by '|'
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("panel");  // Text8..Text14 after the execute
        QTest::addColumn<bool>("analysed");  // the execute installed a new analysis
        const QString emptied = "||||||";
        const QString crankRocker =
            "B型曲柄摇杆机构| 73.767340617148| 33.6200736089135| "
            "1.03051257105492| 169.736383970466| 10.5279152691898| 187.7075";
        // clang-format off
        QTest::newRow("empty box") << "150|220|250||100|-1" << lengths() << emptied << false;
        QTest::newRow("M 5") << "150|220|250|300|100|5" << "装配型式M应为1或-1,请重新输入" << emptied << false;
        QTest::newRow("beyond double range") << "1e400|220|250|300|100|-1" << "杆长设置不当,请重新输入!" << emptied << false;
        QTest::newRow("cannot close") << "100|100|100|300|100|-1" << lengths() << crankRocker << false;
        // The run overflows partway round: the name stays, the values go, and so do the rows.
        QTest::newRow("run fails") << "150|220|250|300|3e20|-1" << "杆长设置不当,请重新输入!" << "B型曲柄摇杆机构||||||" << true;
        // clang-format on
    }

    void refusals() {
        QFETCH(QString, inputs);
        QFETCH(QString, message);
        QFETCH(QString, panel);
        QFETCH(bool, analysed);
        run("crankrocker");
        run("Command1");
        run("Command7");
        const auto analysis = app_->state().analysis;
        const fourbar::Maxima maxima = app_->state().maxima;
        const QStringList texts = inputs.split('|');
        for (int n = 1; n <= 6; ++n) {
            box(n)->setText(texts[n - 1]);
        }
        run("Command1");
        QCOMPARE(run("Command7"), QStringList("四杆机构|" + message + "|确定"));
        QCOMPARE(boxes(8, 14), panel);
        QCOMPARE(app_->state().analysis != analysis, analysed);
        QCOMPARE(app_->state().maxima == maxima, !analysed);
        // A click into a confirmed box zeroes its length: refused too.
        if (message == lengths()) {
            QTest::mouseClick(box(3), Qt::LeftButton);
            QCOMPARE(run("opration"), QStringList("四杆机构|" + lengths() + "|确定"));
        }
    }

    // Each execute shows the maxima of its own run, never those of an earlier one; "清除" resets
    // them too. The first run (M = 1, n = 1000) reaches a larger angle and ten times the velocity.
    void freshMaxima() {
        const char* const texts[] = {"60", "120", "90", "120", "1000", "1"};
        for (int n = 1; n <= 6; ++n) {
            box(n)->setText(texts[n - 1]);
        }
        run("affirm");
        run("opration");
        QCOMPARE(boxes(12, 14), " 297.277421184428| 129.815597088898| 26458.61");
        box(5)->setText("100");
        box(6)->setText("-1");
        run("affirm");
        run("opration");
        QCOMPARE(boxes(12, 14), " 151.044398575276| 12.9815623742442| 264.5862");
        QCOMPARE(app_->state().maxima.omega3, 12.9815623742442);
        run("clear");
        QCOMPARE(app_->state().maxima, fourbar::Maxima{});
    }

    // Return on the focused "确 定" confirms the preset "曲柄摇杆"; Enter (keypad) on the focused
    // "执行" then executes it.
    void keysPressButtons() {
        run("crankrocker");
        QWidget* confirm = form1()->findChild<QWidget*>("Command1");
        confirm->setFocus(Qt::TabFocusReason);
        QTest::keyClick(confirm, Qt::Key_Return);
        QTRY_COMPARE(linkage().L1, 150.0);
        QWidget* execute = form1()->findChild<QWidget*>("Command7");
        execute->setFocus(Qt::TabFocusReason);
        QTest::keyClick(execute, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(box(8)->text(), "B型曲柄摇杆机构");
    }

    // The schematic is a fixed picture, not a result: no context menu, and Ctrl+C with a button
    // focused copies nothing.
    void schematicHasNoMenu() {
        auto* schematic = form1()->findChild<fourbar::ui::DrawingArea*>("Picture1");
        QCOMPARE(fourbar::test::pickFromContextMenu(schematic, {20, 20}, "复制",
                                                    fourbar::test::Pick::Keyboard)
                     .items,
                 QStringList());
        QWidget* confirm = form1()->findChild<QWidget*>("Command1");
        confirm->setFocus();
        QApplication::clipboard()->setText("kept");
        QTest::keyClick(confirm, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "kept");
    }

    // Each file dialog opens in the folder of the file written last, proposes its name, in
    // Chinese ("保存(&S)"), and writes the file chosen, whose folder becomes the last one.
    void fileDialogs() {
        // The command showing the window, the action of its picture's menu, the name proposed.
        // clang-format off
        const std::tuple<const char*, const char*, QString> rows[] = {{"Command3", "savePictureAction", "运动线图.png"},
            {"Command4", "savePictureAction", "运动参数.png"}, {"Command4", "exportCsv", "运动参数.csv"},
            {"Command6", "savePictureAction", "机构运动.png"}};
        // clang-format on
        for (const auto& [show, action, proposed] : rows) {
            init();
            const QTemporaryDir before;
            const QTemporaryDir chosen;
            QVERIFY(fourbar::ui::writeFileReporting(nullptr, before.filePath("x"), "x"));
            for (const char* command : {"crankrocker", "Command1", "Command7", show}) {
                run(command);
            }
            QAction* item = shownForms().value(0)->findChild<QAction*>(action);
            QCOMPARE(
                fourbar::test::dialogsDuring([item] { item->trigger(); }, chosen.filePath("out")),
                QStringList(before.path() + '|' + proposed + "|保存(&S)"));
            QVERIFY(QFileInfo::exists(chosen.filePath("out." + QFileInfo(proposed).suffix())));
            QCOMPARE(fourbar::ui::lastFolder(), chosen.path());
        }
    }

    // Exactly one window is visible at a time. Each other window is created once, then only shown
    // again; its "退出" and its close box bring back the main window, and coming back keeps the
    // input and its focus.
    void navigation() {
        QTest::mouseClick(box(3), Qt::LeftButton);
        QTest::keyClicks(box(3), "260");
        // A show command, the window it opens and its "退出" (nullptr: its close box).
        // clang-format off
        const std::tuple<const char*, const char*, const char*> roads[] = {
            {"transfer", "Form3", "Command4"}, {"velocity", "Form3", nullptr}, {"accelerlation", "Form3", "Command4"},
            {"prin", "Form4", "Command2"}, {"low", "Form2", "Command5"}, {"middle", "Form2", nullptr}, {"high", "Form2", "Command5"},
            {"boundary", "Form2", nullptr}, {"Command3", "Form3", nullptr}, {"Command4", "Form4", nullptr},
            {"Command6", "Form2", "Command5"}};
        // clang-format on
        // Every opening focuses the first stop of the window's tab order, though a mouse click on
        // "退出" left the focus on that button last time.
        const QMap<QString, QString> firstStop{
            {"Form2", "Picture1"}, {"Form3", "Picture1"}, {"Form4", "Command1"}};
        QMap<QString, QPointer<QWidget>> created;  // nulled if a window is deleted
        for (const auto& [command, window, exit] : roads) {
            run(command);
            QWidget* shown = created[window] = created.value(window, shownForms().value(0));
            QCOMPARE(shownForms(), QWidgetList{shown});  // the one created the first time
            QCOMPARE(shown->objectName(), window);
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QCOMPARE(QApplication::focusWidget()->objectName(), firstStop[window]);
            exit != nullptr
                ? QTest::mouseClick(shown->findChild<QPushButton*>(exit), Qt::LeftButton)
                : void(shown->close());
            QCOMPARE(shownForms(), QWidgetList{form1()});
            QVERIFY(QTest::qWaitForWindowActive(form1()));
            QCOMPARE(QApplication::focusWidget()->objectName() + box(3)->text(), "Text3260");
        }
    }

    // Focus by mouse empties a box and zeroes its field. What the other windows show belongs to the
    // last analysis: after a focus reset and newly confirmed lengths of another kind the listing
    // still holds the rocker-crank's rows from 11, and the next execute lists the crank-rocker's.
    void windowsShowTheLastAnalysis() {
        run("rockercrank");
        run("Command1");
        run("Command7");
        QTest::mouseClick(box(2), Qt::LeftButton);
        QCOMPARE(QList({linkage().L1, linkage().L2}), QList<double>({250, 0}));
        run("crankrocker");
        run("Command1");
        run("Command4");  // the data table, created when first shown
        for (const qsizetype rows : {15, 36}) {
            run("Command1", app_->tableWindow());
            QCOMPARE(app_->tableWindow()->listingArea()->lines().size(), 2 + rows);
            run("Command7");
        }
    }

    // Closing the main window ends the event loop, and so does the platform's quit request while
    // any window is shown.
    void endingTheProgram() {
        // The command that shows the window to end from ("清除" leaves the main window shown); a
        // quit request, or the close box.
        // clang-format off
        const std::pair<const char*, bool> rows[] = {
            {"Command8", false}, {"Command8", true}, {"Command3", true}, {"Command4", true}, {"Command6", true}};
        // clang-format on
        for (const auto& [command, quit] : rows) {
            init();
            run(command);
            QTimer::singleShot(0, form1(), [&] { quit ? qApp->quit() : void(form1()->close()); });
            QTimer::singleShot(5000, form1(), [] { QCoreApplication::exit(1); });  // it did not end
            QCOMPARE(QApplication::exec(), 0);
            QCOMPARE(shownForms(), QWidgetList());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
