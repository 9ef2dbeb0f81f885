// Tests of the toolkit's widgets: twips, the input box's focus emptying, Enter on
// buttons, and the program's icon set only once the window has been painted. The drawing area, the
// listing view and the context menu have tests of their own; captions are the windows' tests.
#include <QtTest>
#include <QtWidgets>

#include "ui/toolkit/program_setup.h"
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

    // Enter and Return press a focused button once, through its click, as Space does; a held key
    // (repeating after a delay) does not press it again, and Enter in an output box beside it
    // presses no button (typing into the read-only boxes: the main window's test).
    void enterPressesFocusedButton_data() {
        QTest::addColumn<bool>("onButton");  // or on the output box
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("clicks");
        QTest::newRow("keypad Enter") << true << Qt::Key_Enter << 0 << 1;
        QTest::newRow("held Return") << true << Qt::Key_Return << 5 << 1;
        QTest::newRow("Return in an output box") << false << Qt::Key_Return << 0 << 0;
    }
    void enterPressesFocusedButton() {
        QFETCH(Qt::Key, key);
        QFETCH(int, repeats);
        QWidget window;
        QPushButton* button = makeButton(&window, "Command1", "确 定", {0, 0, 795, 375}, {});
        auto* box = qobject_cast<QLineEdit*>(createWidget(WidgetKind::Output, &window, "Text8", "",
                                                          {0, 600, 675, 360}, kDefaultFontSpec));
        QSignalSpy clicked(button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QFETCH(bool, onButton);
        QWidget* target = onButton ? static_cast<QWidget*>(button) : box;
        target->setFocus();
        QTest::keyPress(target, key);
        QTest::qWait(repeats > 0 ? 150 : 0);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(target, &repeat);
        }
        QTest::keyRelease(target, key);
        QTest::qWait(250);  // a click shown pressed comes 100 ms later
        QTEST(int(clicked.count()), "clicks");
    }

    // Nothing is loaded while the window is being shown; the icon comes after its first paint, or
    // after `latestMs` for a window never painted. Nothing is left behind on the window.
    void iconAfterFirstPaint_data() {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("latestMs");
        QTest::newRow("painted long before the limit") << true << 60000;
        QTest::newRow("never painted") << false << 50;
    }
    void iconAfterFirstPaint() {
        QFETCH(bool, shown);
        QFETCH(int, latestMs);
        const QTemporaryDir dir;
        QPixmap icon(16, 16);
        icon.fill(Qt::darkGreen);
        QVERIFY(icon.save(dir.filePath("icon.png")));
        QApplication::setWindowIcon(QIcon());
        QWidget window;
        window.resize(120, 60);
        const qsizetype children = window.children().size();
        setWindowIconAfterFirstPaint(&window, dir.filePath("icon.png"), latestMs);
        window.setVisible(shown);
        QVERIFY(QApplication::windowIcon().isNull());
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::windowIcon().isNull(), 5000);
        QCOMPARE(window.windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::darkGreen));
        QTRY_COMPARE(window.children().size(), children);
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
