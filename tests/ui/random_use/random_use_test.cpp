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

// Each action is one line, printed before it runs, so that a failing seed's output is a script
// the replay test runs again: "<window> click|menu|type|scroll|tick|close [name [argument]]".
class RandomUse {
  public:
    RandomUse() {
        // A message box is dismissed inside the nested event loop of its exec().
        dismisser_.setInterval(0);
        QObject::connect(&dismisser_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                print("  message: " + box->text());
                box->done(QMessageBox::Ok);
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
    QString draw(std::mt19937& rng) {
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        QWidget* w = visibleWindows().value(0);
        const QString form = w->objectName() + ' ';
        QStringList pool;
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            pool.append(QStringList(2, form + "click " + button->objectName()));
        }
        for (QAction* action : w->findChildren<QAction*>(QRegularExpression("^[a-z]"))) {
            pool << form + "menu " + action->objectName();
        }
        for (QLineEdit* box : w->findChildren<QLineEdit*>(QRegularExpression("^Text[1-7]$"))) {
            pool << form + "type " + box->objectName();
        }
        if (auto* bar = w->findChild<QScrollBar*>("HScroll1")) {
            const int value = bar->minimum() + pick(bar->maximum() - bar->minimum() + 1);
            pool << form + "scroll HScroll1 " + QString::number(value);
        }
        if (app_.animationWindow() != nullptr) {
            pool.append({"Form2 tick Timer1", "Form2 tick Timer2"});
        }
        if (form != "Form1 ") {
            pool << form + "close";
        }
        QString action = pool[pick(int(pool.size()))];
        if (action.contains(" type ")) {
            QString typed = QString::fromLatin1(kTexts[pick(int(std::size(kTexts)))]);
            if (pick(3) == 0) {  // a random length in mm, sometimes with a fraction
                typed = QString::number(pick(600) + 1) + (pick(2) ? "" : ".5");
            }
            action += " \"" + typed + '"';
        }
        return action;
    }

    void perform(const QString& action) {
        print(action);
        const QStringList words = action.split(' ');
        QWidget* w = window(words[0]);
        QVERIFY2(w != nullptr, "the action's window does not exist");
        const QString& verb = words[1];
        if (verb == "click") {
            QTest::mouseClick(w->findChild<QPushButton*>(words[2]), Qt::LeftButton);
        } else if (verb == "menu") {
            w->findChild<QAction*>(words[2])->trigger();
        } else if (verb == "type") {
            auto* box = w->findChild<QLineEdit*>(words[2]);
            QTest::mouseClick(box, Qt::LeftButton);  // the focus empties an input box
            const QString quoted = action.section(' ', 3, -1);
            QTest::keyClicks(box, quoted.mid(1, quoted.size() - 2));
        } else if (verb == "scroll") {
            w->findChild<QScrollBar*>(words[2])->setValue(words[3].toInt());
        } else if (verb == "tick") {
            auto* animation = qobject_cast<fourbar::ui::AnimationWindow*>(w);
            words[2] == "Timer1" ? animation->eraseStep() : animation->drawStep();
        } else if (verb == "close") {
            w->close();
        }
        if (auto* animation = app_.animationWindow(); animation != nullptr && !tickLogged_) {
            // The window's own timers tick while events are processed: their steps go in the log.
            tickLogged_ = true;
            QObject::connect(animation->eraseTimer(), &Timer::tick, [] { print("  Timer1 ticked"); });
            QObject::connect(animation->drawTimer(), &Timer::tick, [] { print("  Timer2 ticked"); });
        }
        QCoreApplication::processEvents();
        // How far the actions got, for the summary: analyses with results, animations started.
        analyses_ += action.contains(QRegularExpression("Command7|opration")) &&
                     !app_.mainWindow().findChild<QLineEdit*>("Text9")->text().isEmpty();
        animations_ +=
            action == "Form2 click Command1" && app_.animationWindow()->eraseTimer()->isTicking();
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
        QTest::addColumn<QStringList>("actions");
        // A new analysis of another kind while the animation of the last one is still running.
        QTest::addRow("kind changes under a running animation") << QStringList{
            "Form1 menu crankrocker",     "Form1 click Command1",     "Form1 click Command7",
            "Form1 click Command6",       "Form2 click Command1",     "Form2 tick Timer1",
            "Form2 click Command5",       "Form1 menu doublerocker1", "Form1 click Command1",
            "Form1 click Command7",       "Form2 tick Timer2",        "Form2 tick Timer1",
            "Form1 type Text2 \"1e999\"", "Form1 menu affirm",        "Form1 menu opration",
            "Form2 tick Timer2"};
    }
    void replay() {
        QFETCH(QStringList, actions);
        RandomUse use;
        for (const QString& action : actions) {
            use.perform(action);
            const QString fault = use.fault();
            QVERIFY2(fault.isEmpty(), qPrintable(action + ": " + fault));
        }
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
