// Seeded random use of the four windows through the widgets a user touches, checked at each step.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>

#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/main/main_window.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/timer.h"

using fourbar::ui::Application;
using fourbar::ui::Timer;

namespace {

// Texts typed into the boxes: the presets' numbers, zero, negatives, huge and garbage texts and
// the data table boxes' extremes. Random lengths are drawn besides these.
const char* const kTexts[] = {" 150", " 220", " 250",  " 300",   " 100",   "-1",    "1",
                              "0",    "-150", "1e308", "-1e308", "1e999",  "abc",   "12.5mm",
                              "--5",  "",     "  .e3", "1e-300", "-1e300", "1e300", "0.0001",
                              "2.5",  "-10",  "90",    "360",    "-45",    "5"};

// What a user does to one window; an animation timer's tick stands for its event.
enum class Verb { Click, Menu, Type, Scroll, Tick, Close };

struct Action {
    const char* window;  // objectName of the window: Form1..Form4
    Verb verb;
    QString name;      // objectName of the button, menu item, input box, scroll bar or timer
    QString argument;  // the text typed, or the scroll bar's value
};

// One line per action, printed before it runs, so that a failing seed's output shows what led to
// the fault; the replay test below states such a sequence again as typed actions.
QString describe(const Action& a) {
    static const char* const verbs[] = {"click", "menu", "type", "scroll", "tick", "close"};
    QString line = QString("%1 %2 %3").arg(a.window, verbs[int(a.verb)], a.name).trimmed();
    return a.verb == Verb::Type ? line + " \"" + a.argument + '"'
                                : (a.argument.isEmpty() ? line : line + ' ' + a.argument);
}

class RandomUse {
  public:
    RandomUse() {
        // A message box is dismissed, and a file dialog cancelled, inside the nested event loop of
        // its exec().
        dismisser_.setInterval(0);
        QObject::connect(&dismisser_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                print("  message: " + box->text());
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                print("  dialog cancelled: " + dialog->windowTitle());  // a file dialog
                dialog->reject();
            }
        });
        dismisser_.start();
        QCoreApplication::processEvents();
    }

    // The windows that exist so far; Form1 always does.
    QList<QWidget*> windows() {
        QList<QWidget*> all{&app_.mainWindow(), app_.animationWindow(), app_.diagramsWindow(),
                            app_.tableWindow()};
        all.removeAll(nullptr);
        return all;
    }
    QWidget* window(const QString& name) {
        const QList<QWidget*> all = windows();
        auto it =
            std::find_if(all.begin(), all.end(), [&](auto* w) { return w->objectName() == name; });
        return it == all.end() ? nullptr : *it;
    }
    QList<QWidget*> visibleWindows() {
        QList<QWidget*> visible = windows();
        visible.removeIf([](QWidget* w) { return !w->isVisible(); });
        return visible;
    }

    // Draws an action of the visible window; weights are repeats in the pool.
    Action draw(std::mt19937& rng) {
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        QWidget* w = visibleWindows().value(0);
        const QByteArray form = w->objectName().toLatin1();
        const char* window = form == "Form1"   ? "Form1"
                             : form == "Form2" ? "Form2"
                             : form == "Form3" ? "Form3"
                                               : "Form4";
        QList<Action> pool;
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            pool.append(QList<Action>(2, {window, Verb::Click, button->objectName(), {}}));
        }
        for (QAction* action : w->findChildren<QAction*>(QRegularExpression("^[a-z]"))) {
            pool.append({window, Verb::Menu, action->objectName(), {}});
        }
        for (QLineEdit* box : w->findChildren<QLineEdit*>(QRegularExpression("^Text[1-7]$"))) {
            pool.append({window, Verb::Type, box->objectName(), {}});
        }
        if (auto* bar = w->findChild<QScrollBar*>("HScroll1")) {
            const int value = bar->minimum() + pick(bar->maximum() - bar->minimum() + 1);
            pool.append({window, Verb::Scroll, "HScroll1", QString::number(value)});
        }
        if (app_.animationWindow() != nullptr) {
            pool.append({{"Form2", Verb::Tick, "Timer1", {}}, {"Form2", Verb::Tick, "Timer2", {}}});
        }
        if (form != "Form1") {
            pool.append({window, Verb::Close, {}, {}});
        }
        Action action = pool[pick(int(pool.size()))];
        if (action.verb == Verb::Type) {
            action.argument = QString::fromLatin1(kTexts[pick(int(std::size(kTexts)))]);
            if (pick(3) == 0) {  // a random length in mm, sometimes with a fraction
                action.argument = QString::number(pick(600) + 1) + (pick(2) ? "" : ".5");
            }
        }
        return action;
    }

    void perform(const Action& action) {
        print(describe(action));
        QWidget* w = window(action.window);
        QVERIFY2(w != nullptr, "the action's window does not exist");
        switch (action.verb) {
            case Verb::Click:
                QTest::mouseClick(w->findChild<QPushButton*>(action.name), Qt::LeftButton);
                break;
            case Verb::Menu:
                w->findChild<QAction*>(action.name)->trigger();
                break;
            case Verb::Type: {
                auto* box = w->findChild<QLineEdit*>(action.name);
                QTest::mouseClick(box, Qt::LeftButton);  // the focus empties an input box
                QTest::keyClicks(box, action.argument);
                break;
            }
            case Verb::Scroll:
                w->findChild<QScrollBar*>(action.name)->setValue(action.argument.toInt());
                break;
            case Verb::Tick:
                emit w->findChild<Timer*>(action.name)->tick();
                break;
            case Verb::Close:
                w->close();
                break;
        }
        if (auto* animation = app_.animationWindow(); animation != nullptr && !tickLogged_) {
            // The window's own timers tick while events are processed: their steps go in the log.
            tickLogged_ = true;
            for (const char* name : {"Timer1", "Timer2"}) {
                QObject::connect(animation->findChild<Timer*>(name), &Timer::tick,
                                 [name] { print(QString("  %1 ticked").arg(name)); });
            }
        }
        QCoreApplication::processEvents();
        // How far the actions got, for the summary: analyses with results, animations started.
        analyses_ += (action.name == "Command7" || action.name == "opration") &&
                     QByteArray(action.window) == "Form1" &&
                     !app_.mainWindow().findChild<QLineEdit*>("Text9")->text().isEmpty();
        animations_ += QByteArray(action.window) == "Form2" && action.name == "Command1" &&
                       w->findChild<Timer*>("Timer1")->isTicking();
    }
    QString summary() const {
        return QString("%1 analyses with results, %2 animations started")
            .arg(analyses_)
            .arg(animations_);
    }

    // Empty when the windows are sound after an action; otherwise what is wrong.
    QString fault() {
        if (const auto visible = visibleWindows(); visible.size() != 1) {
            return QString("%1 windows visible").arg(visible.size());
        }
        // A number text: a sign or blank, digits with one point, an exponent; one digit at least.
        static const QRegularExpression number(
            R"(^(?=[^E]*[0-9])-?\s?[0-9]*\.?[0-9]*(E[+-][0-9]+)?$)");
        static const QRegularExpression notFinite("nan|inf",
                                                  QRegularExpression::CaseInsensitiveOption);
        for (int i = 8; i <= 14; ++i) {
            const QString text =
                app_.mainWindow().findChild<QLineEdit*>(QString("Text%1").arg(i))->text();
            const bool garbled = i > 8 && !text.isEmpty() && !number.match(text).hasMatch();
            if (text.contains(notFinite) || garbled) {
                return QString("Text%1 shows \"%2\"").arg(i).arg(text);
            }
        }
        return {};
    }

    static void print(const QString& line) {
        // Unbuffered to the end: the lines before an abort must reach the test's output.
        std::fputs(qPrintable(line + '\n'), stdout);
        std::fflush(stdout);
    }

  private:
    Application app_;
    QTimer dismisser_{&app_};
    bool tickLogged_ = false;
    int analyses_ = 0;
    int animations_ = 0;
};

}  // namespace

Q_DECLARE_METATYPE(Action)

class RandomUseTest : public QObject {
    Q_OBJECT

  private slots:
    void randomUse_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 7u, 42u, 2024u, 31337u, 900001u}) {
            QTest::addRow("seed %u", seed) << seed;
        }
        // A longer shake-out adds seeds 1001, 1002, ... to the fixed list.
        for (int i = 1; i <= qEnvironmentVariableIntValue("FOURBAR_RANDOM_EXTRA_SEEDS"); ++i) {
            QTest::addRow("seed %u", 1000u + unsigned(i)) << 1000u + unsigned(i);
        }
    }
    void randomUse() {
        QFETCH(unsigned, seed);
        std::mt19937 rng(seed);
        RandomUse use;
        RandomUse::print(QString("seed %1").arg(seed));
        const int count = qEnvironmentVariableIntValue("FOURBAR_RANDOM_ACTIONS");
        for (int i = 0; i < (count > 0 ? count : 300); ++i) {
            use.perform(use.draw(rng));
            const QString fault = use.fault();
            QVERIFY2(fault.isEmpty(), qPrintable(QString("action %1: %2").arg(i).arg(fault)));
        }
        RandomUse::print(use.summary());
    }

    // Action sequences that once went wrong, run again as they were printed.
    void replay_data() {
        QTest::addColumn<QList<Action>>("actions");
        // A new analysis of another kind while the animation of the last one is still running.
        QTest::addRow("kind changes under a running animation") << QList<Action>{
            {"Form1", Verb::Menu, "crankrocker", {}}, {"Form1", Verb::Click, "Command1", {}},
            {"Form1", Verb::Click, "Command7", {}},   {"Form1", Verb::Click, "Command6", {}},
            {"Form2", Verb::Click, "Command1", {}},   {"Form2", Verb::Tick, "Timer1", {}},
            {"Form2", Verb::Click, "Command5", {}},   {"Form1", Verb::Menu, "doublerocker1", {}},
            {"Form1", Verb::Click, "Command1", {}},   {"Form1", Verb::Click, "Command7", {}},
            {"Form2", Verb::Tick, "Timer2", {}},      {"Form2", Verb::Tick, "Timer1", {}},
            {"Form1", Verb::Type, "Text2", "1e999"},  {"Form1", Verb::Menu, "affirm", {}},
            {"Form1", Verb::Menu, "opration", {}},    {"Form2", Verb::Tick, "Timer2", {}}};
    }
    void replay() {
        QFETCH(QList<Action>, actions);
        RandomUse use;
        for (const Action& action : actions) {
            use.perform(action);
            const QString fault = use.fault();
            QVERIFY2(fault.isEmpty(), qPrintable(describe(action) + ": " + fault));
        }
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
