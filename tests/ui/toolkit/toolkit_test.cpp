// Tests of the toolkit's widgets: twips, the input box's focus emptying, the
// output box and Enter on buttons. The drawing area, the listing view and the context menu have
// tests of their own.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/output_box.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar::ui;

class ToolkitTest : public QObject {
    Q_OBJECT

  private slots:
    // 15 twips to the pixel, rounded to the nearest; the windows' fixed sizes are the main window's
    // test.
    void twips() { QCOMPARE(twipsRect(7, 8, 7365, -120), QRect(0, 1, 491, -8)); }

    // Focus by mouse, Tab or Backtab empties the box; coming back from a menu keeps the text.
    // Coming back to the window is the main window's test.
    void inputBoxFocus_data() {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<bool>("empties");
        QTest::newRow("mouse") << Qt::MouseFocusReason << true;
        QTest::newRow("Tab") << Qt::TabFocusReason << true;
        QTest::newRow("Backtab") << Qt::BacktabFocusReason << true;
        QTest::newRow("back from a menu") << Qt::PopupFocusReason << false;
    }
    void inputBoxFocus() {
        QFETCH(bool, empties);
        QWidget window;
        auto* box = makeInputBox(&window, "Text1", {0, 0, 675, 360}, defaultFont());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY(box->hasFocus());  // the first focus of the opening window
        box->clearFocus();
        box->setText(QStringLiteral(" 150"));
        QSignalSpy resets(box, &InputBox::focusReset);
        QFETCH(Qt::FocusReason, reason);
        box->setFocus(reason);
        QCOMPARE(box->text().isEmpty(), empties);
        QCOMPARE(resets.count(), int(empties));
    }

    // An output box keeps its text whatever the user types into all of it.
    void outputBoxKeepsItsText_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("digit") << Qt::Key_9 << Qt::KeyboardModifiers();
        QTest::newRow("Backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers();
        QTest::newRow("paste") << Qt::Key_V << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
    void outputBoxKeepsItsText() {
        QWidget window;
        auto* box = new OutputBox(&window);
        box->setText(" 73.767340617148");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QApplication::clipboard()->setText("pasted");
        box->selectAll();
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QTest::keyClick(box, key, modifiers);
        QCOMPARE(box->text(), " 73.767340617148");
    }

    // Enter and Return press a focused button once, through its click, as Space does; a held key
    // (repeating after a delay) does not press it again, and Enter in a text box presses no button.
    void enterPressesFocusedButton_data() {
        QTest::addColumn<bool>("onButton");  // or on a text box beside it
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("clicks");
        const Qt::KeyboardModifiers none;
        QTest::newRow("Return") << true << Qt::Key_Return << none << 0 << 1;
        QTest::newRow("keypad Enter")
            << true << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << 0 << 1;
        QTest::newRow("held Return") << true << Qt::Key_Return << none << 5 << 1;
        QTest::newRow("Ctrl+Return")
            << true << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << 0 << 0;
        QTest::newRow("Return in a text box") << false << Qt::Key_Return << none << 0 << 0;
    }
    void enterPressesFocusedButton() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, repeats);
        QWidget window;
        QPushButton* button = makeButton(&window, "Command1", "确 定", {0, 0, 795, 375}, {});
        QWidget* box = createWidget(WidgetKind::Output, &window, "Text8", "", {0, 600, 675, 360},
                                    kDefaultFontSpec);
        QSignalSpy clicked(button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QFETCH(bool, onButton);
        QWidget* target = onButton ? static_cast<QWidget*>(button) : box;
        target->setFocus();
        QTest::keyPress(target, key, modifiers);
        QTest::qWait(repeats > 0 ? 150 : 0);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
            QApplication::sendEvent(target, &repeat);
        }
        QTest::keyRelease(target, key, modifiers);
        QFETCH(int, clicks);
        QTest::qWait(250);  // a click shown pressed comes 100 ms later
        QCOMPARE(clicked.count(), clicks);
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
