// Tests of the timers: 16 ms resolution, the erase/draw alternation and idle behaviour.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/toolkit/timer.h"

using fourbar::ui::Timer;

namespace {

bool schedulerIdle() {
    for (QTimer* timer : QCoreApplication::instance()->findChildren<QTimer*>()) {
        if (timer->isActive()) {
            return false;
        }
    }
    return true;
}

}  // namespace

class TimerTest : public QObject {
    Q_OBJECT

  private slots:
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

    // Ticks come at whole multiples of 16 ms; the pace is checked against generous bounds because
    // the machine may be busy, but never faster than the resolution.
    void resolution_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("period");
        QTest::newRow("1 ms") << 1 << 16;
        QTest::newRow("3 ms") << 3 << 16;
        QTest::newRow("16 ms") << 16 << 16;
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
        auto* timer1 = new Timer(&owner);
        auto* timer2 = new Timer(&owner);
        QString sequence;
        QElapsedTimer clock;
        connect(timer1, &Timer::tick, this, [&] {
            sequence += QLatin1Char('1');
            timer2->setEnabled(true);
        });
        connect(timer2, &Timer::tick, this, [&] {
            sequence += QLatin1Char('2');
            timer1->setEnabled(true);
        });
        timer1->setInterval(1);
        timer2->setInterval(1);
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(sequence.size() >= 30, 10000);
        const qint64 elapsed = clock.elapsed();
        timer1->setEnabled(false);
        timer2->setEnabled(false);
        QVERIFY(schedulerIdle());
        for (qsizetype i = 1; i < sequence.size(); ++i) {
            QVERIFY2(sequence[i] != sequence[i - 1], qPrintable(sequence));
        }
        QVERIFY2(elapsed >= 29 * 16 - 10, qPrintable(QString::number(elapsed)));
    }

    // Due together, the one restarted last ticks first.
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
        delete second;  // deleting a timer removes it from the schedule
        const qsizetype before = order.size();
        QTRY_VERIFY(order.size() >= before + 2);
        first->setInterval(0);
        QVERIFY(order.startsWith(QStringLiteral("sfsf")));
        QVERIFY(order.mid(before).startsWith(QStringLiteral("ff")));
    }
};

QTEST_MAIN(TimerTest)
#include "timer_test.moc"
