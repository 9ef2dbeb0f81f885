// Seeded random use of the four windows through the widgets a user touches, checked at each step.
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <random>

#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/main/main_window.h"

namespace {

// Texts typed into the boxes: the presets' numbers, zero, negatives, huge and garbage texts and
// the data table boxes' extremes. Random lengths are drawn besides these.
// clang-format off
const char* const kTexts[] = {" 150", " 220", " 250", " 300", " 100", "-1", "1", "0", "-150", "1e308", "-1e308",
    "1e999", "abc", "12.5mm", "--5", "", "  .e3", "1e-300", "0.0001", "2.5", "-10", "90", "360", "-45", "5"};
// clang-format on

// What a user does: clicks a button, chooses a menu item, types into an input box, sets a scroll
// bar, closes the visible window ("close box"), or watches the animation for a while ("wait"). The
// kind of the widget named says which.
struct Action {
    QString name;           // objectName of the button, menu item, input box or scroll bar
    QString argument = {};  // the text typed, or the scroll bar's value
};

// A "wait": a little more than one step of the animation, which may tick once or twice.
constexpr int kWaitMs = 40;

// The visible windows of the program (Form1..Form4).
QWidgetList shownForms() {
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf(
        [](QWidget* w) { return !w->isVisible() || !w->objectName().startsWith("Form"); });
    return shown;
}

}  // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;
    QTimer dismisser_;  // a dialog is dismissed inside the nested event loop of its exec()

    // Draws an action on the visible window; weights are repeats in the pool, 0 where the user has
    // no such action.
    Action draw(std::mt19937& rng) {
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        QWidget* w = shownForms().value(0);
        QList<Action> pool;
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            pool.append(QList<Action>(2, {button->objectName()}));
        }
        for (QAction* action : w->findChildren<QAction*>(QRegularExpression("^[a-z]"))) {
            const bool inMenu = !action->associatedObjects().isEmpty();  // or in a context menu
            pool.append(QList<Action>(inMenu, {action->objectName()}));
        }
        for (QLineEdit* box : w->findChildren<QLineEdit*>(QRegularExpression("^Text[1-7]$"))) {
            const QString random = QString::number(pick(600) + 1) + (pick(2) ? "" : ".5");  // mm
            pool.append({box->objectName(), pick(3) ? kTexts[pick(std::size(kTexts))] : random});
        }
        if (auto* bar = w->findChild<QScrollBar*>("HScroll1")) {  // the step bar, 1 to its maximum
            pool.append({"HScroll1", QString::number(pick(bar->maximum()) + 1)});
        }
        pool.append(QList<Action>(w == app_->animationWindow(), {"wait"}));
        pool.append(QList<Action>(w != &app_->mainWindow(), {"close box"}));  // not the main's
        return pool[pick(pool.size())];
    }

    // Does `action`, printed first (on the unbuffered stderr, so that the lines before an abort
    // reach the output) to show what led to a fault.
    void perform(const Action& action) {
        std::fputs(qPrintable(action.name + " \"" + action.argument + "\"\n"), stderr);
        QWidget* w = shownForms().value(0);
        QObject* o = w->findChild<QObject*>(action.name);
        if (auto* button = qobject_cast<QPushButton*>(o)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (auto* item = qobject_cast<QAction*>(o)) {
            item->trigger();
        } else if (auto* box = qobject_cast<QLineEdit*>(o)) {
            QTest::mouseClick(box, Qt::LeftButton);  // the focus empties an input box
            QTest::keyClicks(box, action.argument);
        } else if (auto* bar = qobject_cast<QScrollBar*>(o)) {
            bar->setValue(action.argument.toInt());
        } else if (action.name == "wait") {
            QTest::qWait(kWaitMs);
        } else {
            QCOMPARE(action.name, "close box");
            w->close();
        }
        QCoreApplication::processEvents();
    }

    // Empty when the windows are sound (one of them visible); otherwise what is wrong.
    // Text9..Text14 hold numbers or nothing, never "nan" or "inf": a sign or blank, digits with one
    // point, an exponent; one digit at least.
    QString fault() {
        static const QRegularExpression number(
            R"(^((?=[^E]*[0-9])-?\s?[0-9]*\.?[0-9]*(E[+-][0-9]+)?)?$)");
        static const QRegularExpression outputs("^Text(9|1[0-4])$");
        for (const QLineEdit* box : app_->mainWindow().findChildren<QLineEdit*>(outputs)) {
            if (!number.match(box->text()).hasMatch()) {
                return box->objectName() + " shows \"" + box->text() + '"';
            }
        }
        return shownForms().size() == 1 ? "" : QString("%1 windows").arg(shownForms().size());
    }

  private slots:
    void initTestCase() {
        // A message box closed, a file dialog cancelled; nothing without a modal dialog.
        dismisser_.callOnTimeout(
            [] { QMetaObject::invokeMethod(QApplication::activeModalWidget(), "reject"); });
        dismisser_.start(0);
    }
    void init() {
        app_ = std::make_unique<fourbar::ui::Application>();  // the one of the previous test goes
        QVERIFY(QTest::qWaitForWindowActive(&app_->mainWindow()));
    }

    // FOURBAR_RANDOM_ACTIONS actions (300 if not set) from each seed, on a new application.
    void randomUse() {
        const int count = qEnvironmentVariable("FOURBAR_RANDOM_ACTIONS", "300").toInt();
        for (unsigned seed : {1u, 7u, 42u, 2024u, 31337u, 900001u}) {
            init();
            std::fprintf(stderr, "seed %u\n", seed);
            std::mt19937 rng(seed);
            for (int i = 0; i < count; ++i) {
                perform(draw(rng));
                QVERIFY2(fault().isEmpty(), qPrintable(fault()));  // after the action printed last
            }
        }
    }

    // A sequence that once went wrong, run again as it was printed: a new analysis of another kind
    // while the animation of the last one is still running.
    void replayKindChangeUnderRunningAnimation() {
        // clang-format off
        const Action actions[] = {{"crankrocker"}, {"Command1"}, {"Command7"}, {"Command6"}, {"Command1"}, {"wait"},
            {"Command5"}, {"doublerocker1"}, {"Command1"}, {"Command7"}, {"Command6"}, {"Command3"}, {"wait"},
            {"Command5"}, {"Text2", "1e999"}, {"affirm"}, {"opration"}, {"Command6"}, {"Command3"}, {"wait"}};
        // clang-format on
        for (const Action& action : actions) {
            perform(action);
            QVERIFY2(fault().isEmpty(), qPrintable(action.name + ": " + fault()));
        }
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
