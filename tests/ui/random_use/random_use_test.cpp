// Seeded random use of the windows through the widgets a user touches. After every action the main
// window's output panel shows what the core's execute gave (nothing after "清除") and the execute
// shows the core's message.
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <random>

#include "core/motion_parameters.h"
#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/main/main_window.h"

using namespace fourbar;

namespace {

// Texts typed into the boxes besides random lengths: the presets' numbers, zero, negatives, huge
// and garbage texts and the table boxes' extremes.
const char* const kTexts[] = {" 150",  " 300",  " 100", "-1",  "1",     "0",      "-150",
                              "1e308", "1e999", "abc",  "--5", "",      "1e-300", "2.5",
                              "90",    "360",   "-45",  "5",   "0.0001"};

}  // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Application> app_;
    QStringList panel_;  // Text8..Text14 as they should read

    // Draws an action on the window shown: a button clicked (twice as likely as the rest), a menu
    // item triggered (the file dialogs have tests of their own), a text typed into an input box,
    // the window's close box.
    QStringList draw(std::mt19937& rng) {
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        QWidget* w = test::shownWindow();
        QList<QStringList> pool;
        for (const QPushButton* button : w->findChildren<QPushButton*>()) {
            pool << QStringList(button->objectName()) << QStringList(button->objectName());
        }
        static const QRegularExpression items("^(?!savePicture|export)[a-z]");
        for (const QAction* action : w->findChildren<QAction*>(items)) {
            pool.append(
                QList<QStringList>(!action->associatedObjects().isEmpty(), {action->objectName()}));
        }
        for (QLineEdit* box : w->findChildren<QLineEdit*>(QRegularExpression("^Text[1-6]$"))) {
            const QString length = QString::number(pick(600) + 1) + (pick(2) ? "" : ".5");  // mm
            pool << QStringList{box->objectName(),
                                pick(3) ? kTexts[pick(std::size(kTexts))] : length};
        }
        pool.append(QList<QStringList>(w != &app_->mainWindow(), {"close box"}));
        return pool[pick(pool.size())];
    }

    // Does `action` (printed first, on the unbuffered stderr, to show what led to a fault) and
    // checks the windows against the core; empty when they agree.
    QString act(const QStringList& action) {
        std::fputs(qPrintable(action.join(" \"") + "\n"), stderr);
        QWidget* w = test::shownWindow();
        const bool inMain = w == &app_->mainWindow();
        std::optional<QString> message;  // the program's message after an execute; "" for none
        if (inMain && QStringList{"Command7", "opration"}.contains(action[0])) {
            SharedState state = app_->state();
            const ExecuteOutputs outputs = executeAnalysis(state);
            for (qsizetype i = 0; i < panel_.size(); ++i) {
                panel_[i] = QString::fromStdString((outputs.*kOutputPanel[i].field).text);
            }
            const std::string_view m = executeMessageText(outputs.message);
            message =
                m.empty() ? "" : "四杆机构|" + QString::fromUtf8(m.data(), m.size()) + "|确定";
        } else if (inMain && QStringList{"Command8", "clear"}.contains(action[0])) {
            panel_.fill({}, 7);
        }
        QObject* o = w->findChild<QObject*>(action[0]);
        const QStringList shown = test::dialogsDuring([&] {
            if (auto* button = qobject_cast<QPushButton*>(o)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* item = qobject_cast<QAction*>(o)) {
                item->trigger();
            } else if (auto* box = qobject_cast<QLineEdit*>(o)) {
                QTest::mouseClick(box, Qt::LeftButton);  // the focus empties an input box
                QTest::keyClicks(box, action[1]);
            } else {
                w->close();
            }
            QCoreApplication::processEvents();
        });
        if (message && shown.filter(QRegularExpression("^四杆机构\\|")).join(';') != *message) {
            return "messages: " + shown.join(", ");
        }
        QStringList panel;
        for (int n = 8; n <= 14; ++n) {
            panel << app_->mainWindow().findChild<QLineEdit*>(QString("Text%1").arg(n))->text();
        }
        return panel == panel_ ? QString() : "the panel shows " + panel.join('|');
    }

  private slots:
    // FOURBAR_RANDOM_ACTIONS actions (300 if not set) from each seed, on a new application.
    void randomUse_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2024") << 2024u;
    }
    void randomUse() {
        QFETCH(unsigned, seed);
        QVERIFY(test::restart(app_));
        panel_.fill({}, 7);
        std::mt19937 rng(seed);
        for (int i = qEnvironmentVariable("FOURBAR_RANDOM_ACTIONS", "300").toInt(); i > 0; --i) {
            const QString fault = act(draw(rng));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));  // after the action printed last
        }
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
