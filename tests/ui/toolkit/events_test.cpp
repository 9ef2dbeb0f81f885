// Tests of the input box's focus emptying and of the 16 ms timers.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/toolkit/input_box.h"
#include "ui/toolkit/timer.h"

using fourbar::ui::InputBox;
using fourbar::ui::Timer;

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

bool schedulerIdle() {
    const QList<QTimer*> timers = QCoreApplication::instance()->findChildren<QTimer*>();
    return std::none_of(timers.begin(), timers.end(), [](QTimer* t) { return t->isActive(); });
}

}  // namespace

class EventsTest : public QObject {
    Q_OBJECT

  private slots:
    void focusReasons_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("empties");
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("backtab") << int(Qt::BacktabFocusReason) << true;
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

    // The first focus of a window that opens empties the box; coming back to the window, also
    // after it was hidden, does not; a click still does.
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
        for (bool hide : {false, true}) {
            // The offscreen platform moves no activation on its own: the test does what a window
            // manager does.
            if (hide) {
                window.widget.hide();
            }
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            window.widget.show();
            window.widget.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.widget));
            QTRY_VERIFY(window.box->hasFocus());
            QCOMPARE(window.box->text(), QStringLiteral("60"));
        }
        QCOMPARE(resets.count(), 1);
        window.button->setFocus();
        QTest::mouseClick(window.box, Qt::LeftButton);
        QCOMPARE(window.box->text(), QString());
        QCOMPARE(resets.count(), 2);
    }

    void silentTimers_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("interval");
        QTest::newRow("interval 0") << true << 0;
        QTest::newRow("disabled") << false << 1;
        QTest::newRow("negative interval") << true << -5;
    }
    void silentTimers() {
        QFETCH(bool, enabled);
        QFETCH(int, interval);
        QObject owner;
        auto* timer = new Timer(&owner);
        timer->setInterval(interval);
        timer->setEnabled(enabled);
        QSignalSpy ticks(timer, &Timer::tick);
        QTest::qWait(80);
        QCOMPARE(ticks.count(), 0);
        QVERIFY(schedulerIdle());
    }

    // Ticks come at whole multiples of 16 ms: never faster, and within generous bounds because
    // the machine may be busy.
    void resolution_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("period");
        QTest::newRow("1 ms") << 1 << 16;
        QTest::newRow("20 ms") << 20 << 32;
        QTest::newRow("50 ms") << 50 << 64;
    }
    void resolution() {
        QFETCH(int, interval);
        QFETCH(int, period);
        QObject owner;
        auto* timer = new Timer(&owner);
        QElapsedTimer clock;
        QList<qint64> times;
        connect(timer, &Timer::tick, this, [&] { times.append(clock.elapsed()); });
        clock.start();
        timer->setInterval(interval);
        QTRY_VERIFY_WITH_TIMEOUT(times.size() >= 8, 5000);
        timer->setEnabled(false);
        QVERIFY(schedulerIdle());
        const double mean = double(times.last() - times.first()) / double(times.size() - 1);
        QVERIFY2(mean >= period - 2 && mean <= 2.5 * period, qPrintable(QString::number(mean)));
    }

    // Timer1's tick restarts Timer2 and Timer2's restarts Timer1, both staying enabled: each round
    // ticks exactly one of them, so they alternate strictly at the 16 ms pace.
    void alternation() {
        QObject owner;
        Timer* timers[2] = {new Timer(&owner), new Timer(&owner)};
        QString sequence;
        for (int i : {0, 1}) {
            connect(timers[i], &Timer::tick, this, [&, i] {
                sequence += QChar('1' + i);
                timers[1 - i]->setEnabled(true);
            });
        }
        QElapsedTimer clock;
        timers[0]->setInterval(1);
        timers[1]->setInterval(1);
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(sequence.size() >= 30, 10000);
        const qint64 elapsed = clock.elapsed();
        for (qsizetype i = 1; i < sequence.size(); ++i) {
            QVERIFY2(sequence[i] != sequence[i - 1], qPrintable(sequence));
        }
        QVERIFY2(elapsed >= 29 * 16 - 10, qPrintable(QString::number(elapsed)));
    }

    // Due together, the one restarted last ticks first; a deleted timer leaves the schedule.
    void mostRecentlyRestartedFirst() {
        QObject owner;
        auto* first = new Timer(&owner);
        auto* second = new Timer(&owner);
        QString order;
        connect(first, &Timer::tick, this, [&] { order += QLatin1Char('f'); });
        connect(second, &Timer::tick, this, [&] { order += QLatin1Char('s'); });
        first->setInterval(1);
        second->setInterval(1);
        QTRY_VERIFY(order.size() >= 4);
        delete second;
        const qsizetype before = order.size();
        QTRY_VERIFY(order.size() >= before + 2);
        first->setInterval(0);
        QVERIFY(schedulerIdle());
        QVERIFY(order.startsWith(QStringLiteral("sfsf")));
        QVERIFY(order.mid(before).startsWith(QStringLiteral("ff")));
    }
};

QTEST_MAIN(EventsTest)
#include "events_test.moc"
