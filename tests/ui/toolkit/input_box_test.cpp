// Tests of the input box: which ways of gaining the focus empty it.
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/toolkit/input_box.h"

using fourbar::ui::InputBox;

namespace {

// A window whose first focus goes to the input box, with a button to take the focus away.
struct Window {
    QWidget widget;
    InputBox* box = new InputBox(&widget);
    QPushButton* button = new QPushButton(QStringLiteral("确 定"), &widget);
    Window() {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(box);
        layout->addWidget(button);
        button->setFocusPolicy(Qt::StrongFocus);
    }
};

}  // namespace

class InputBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void focusReasons_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("empties");
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("backtab") << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("shortcut") << int(Qt::ShortcutFocusReason) << true;
        QTest::newRow("other") << int(Qt::OtherFocusReason) << true;
        QTest::newRow("window re-activated") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("menu closed") << int(Qt::PopupFocusReason) << false;
    }
    void focusReasons() {
        QFETCH(int, reason);
        QFETCH(bool, empties);
        Window window;
        window.widget.show();
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        window.button->setFocus();
        window.box->setText(QStringLiteral(" 150"));
        QSignalSpy resets(window.box, &InputBox::focusReset);
        window.box->setFocus(static_cast<Qt::FocusReason>(reason));
        QVERIFY(window.box->hasFocus());
        QCOMPARE(window.box->text().isEmpty(), empties);
        QCOMPARE(resets.count(), empties ? 1 : 0);
    }

    // The first focus of a window that opens empties the box; coming back to the window does not.
    void windowActivation() {
        Window window;
        QSignalSpy resets(window.box, &InputBox::focusReset);
        window.widget.show();
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        QTRY_VERIFY(window.box->hasFocus());
        QCOMPARE(resets.count(), 1);
        window.box->setText(QStringLiteral("60"));

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        QTRY_VERIFY(window.box->hasFocus());
        QCOMPARE(window.box->text(), QStringLiteral("60"));

        // Hidden and shown again. The offscreen platform moves no activation on its own, so the
        // test does what a window manager does: activate another window, then the shown one.
        window.widget.hide();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.widget.show();
        window.widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        QTRY_VERIFY(window.box->hasFocus());
        QCOMPARE(window.box->text(), QStringLiteral("60"));
        QCOMPARE(resets.count(), 1);

        // A click still empties it.
        window.button->setFocus();
        QTest::mouseClick(window.box, Qt::LeftButton);
        QCOMPARE(window.box->text(), QString());
        QCOMPARE(resets.count(), 2);
    }
};

QTEST_MAIN(InputBoxTest)
#include "input_box_test.moc"
