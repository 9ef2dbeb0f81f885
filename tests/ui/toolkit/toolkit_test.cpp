// Tests of the toolkit's widgets: twips, fonts, captions, the input box's focus emptying, the
// output box and Enter on buttons. The drawing area, the listing view and the context menu have
// tests of their own.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/output_box.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"

using fourbar::test::inkBox;
using namespace fourbar::ui;

namespace {

// Fills a text box's panel red where the style is told the box is read-only, as some styles grey
// it.
class ReadOnlyRedStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_PanelLineEdit && (option->state & State_ReadOnly)) {
            painter->fillRect(option->rect, Qt::red);
        }
    }
};

}  // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

  private slots:
    // 15 twips to the pixel, rounded to the nearest; the windows' fixed sizes are the main window's
    // test.
    void twips() { QCOMPARE(twipsRect(7, 8, 7365, -120), QRect(0, 1, 491, -8)); }

    // The installed stand-in of each face, and point sizes at 96 dots per inch rounded to whole
    // pixels (8 pt is 10.67 px, 8.25 pt 11 px).
    void fonts_data() {
        QTest::addColumn<DesignFont>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::newRow("Times New Roman")
            << DesignFont::TimesNewRoman << 9.75 << "Liberation Serif" << 13;
        QTest::newRow("MS Sans Serif")
            << DesignFont::MsSansSerif << 8.25 << "Liberation Sans" << 11;
        QTest::newRow("宋体") << DesignFont::SongTi << 8.0 << "Noto Serif CJK SC" << 11;
    }
    void fonts() {
        QFETCH(DesignFont, face);
        QFETCH(double, points);
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(designFont(face, points)).family(), family);
        QFETCH(int, pixels);
        QCOMPARE(designFont(face, points).pixelSize(), pixels);
    }

    // The ink of a caption: tall narrow buttons and labels stack it one character per line with
    // every character inside, blank lines dropped; a one-line label keeps one line, widened to
    // hold it (45 to 47 pixels); a frame's caption sits on its top line. All inside the borders,
    // which the frame's caption runs through. Limits in pixels from the border's inner corner.
    void captionInk_data() {
        QTest::addColumn<WidgetKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<QMargins>("border");  // left out of the grab
        QTest::addColumn<int>("maxTop");
        QTest::addColumn<int>("maxWidth");
        QTest::addColumn<int>("minHeight");
        QTest::addColumn<int>("maxBottom");
        QTest::newRow("stacked button")
            << WidgetKind::Button << "       显  示       " << QSize(375, 615) << 9.75
            << QMargins(3, 3, 3, 3) << 7 << 16 << 24 << 32;
        QTest::newRow("stacked label") << WidgetKind::Label << "机构简图" << QSize(255, 1035)
                                       << 9.75 << QMargins() << 69 << 14 << 45 << 65;
        QTest::newRow("one-line label")
            << WidgetKind::OneLineLabel << "n(r/min):" << QSize(675, 375) << 9.75 << QMargins()
            << 25 << 47 << 8 << 15;
        QTest::newRow("frame") << WidgetKind::Frame << "动态演示" << QSize(855, 915) << 8.25
                               << QMargins(3, 0, 3, 3) << 4 << 57 << 8 << 11;
    }
    void captionInk() {
        QFETCH(WidgetKind, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, twips);
        QFETCH(double, points);
        QWidget window;
        QWidget* w = createWidget(kind, &window, "Caption", caption.toUtf8().constData(),
                                  {0, 0, twips.width(), twips.height()},
                                  {DesignFont::TimesNewRoman, points});
        QFETCH(QMargins, border);
        const QRect ink = inkBox(w->grab().toImage().copy(w->rect() - border));
        QFETCH(int, maxTop);
        QVERIFY2(ink.top() <= maxTop, qPrintable(QString::number(ink.top())));
        QFETCH(int, maxWidth);
        QVERIFY2(ink.width() <= maxWidth, qPrintable(QString::number(ink.width())));
        QFETCH(int, minHeight);
        QVERIFY2(ink.height() >= minHeight, qPrintable(QString::number(ink.height())));
        QFETCH(int, maxBottom);
        QVERIFY2(ink.bottom() <= maxBottom, qPrintable(QString::number(ink.bottom())));
    }

    // The box empties itself, and says so, as the first focus of the window that opens.
    void inputBoxFirstFocus() {
        QWidget window;
        auto* box = makeInputBox(&window, "Text1", {0, 0, 675, 360}, defaultFont());
        box->setText(QStringLiteral("150"));
        QSignalSpy resets(box, &InputBox::focusReset);
        window.show();
        QTRY_COMPARE(resets.count(), 1);
        QCOMPARE(box->text(), QString());
    }

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

    // An output box looks like a box that can be edited, in a style that marks read-only boxes.
    void outputBoxLooksEditable() {
        ReadOnlyRedStyle style;
        QWidget window;
        auto* box = new OutputBox(&window);
        auto* editable = new QLineEdit(&window);
        for (QLineEdit* b : {static_cast<QLineEdit*>(box), editable}) {
            b->setStyle(&style);
            b->setText(" 73.767340617148");
        }
        QCOMPARE(box->grab().toImage(), editable->grab().toImage());
    }

    // An output box keeps its text whatever the user types into all of it.
    void outputBoxKeepsItsText_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("digit") << Qt::Key_9 << Qt::KeyboardModifiers();
        QTest::newRow("Backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers();
        QTest::newRow("Delete") << Qt::Key_Delete << Qt::KeyboardModifiers();
        QTest::newRow("cut") << Qt::Key_X << Qt::KeyboardModifiers(Qt::ControlModifier);
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

    // Its text can be selected with the cursor keys and copied; its tooltip is its whole text, none
    // while it is empty.
    void outputBoxSelectionAndTooltip() {
        QWidget window;
        auto* box = new OutputBox(&window);
        box->setText(" 73.767340617148");
        QCOMPARE(box->toolTip(), " 73.767340617148");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "48");
        box->clear();
        QCOMPARE(box->toolTip(), QString());
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
        QTest::newRow("Space") << true << Qt::Key_Space << none << 0 << 1;
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
