// Tests of the navigation between the windows and of the end of the program.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/main/main_window.h"
#include "ui/table/table_window.h"

using fourbar::ui::Application;

namespace {

QWidget* windowNamed(Application& app, const QString& name) {
    QWidget* const windows[] = {&app.mainWindow(), app.diagramsWindow(), app.tableWindow(),
                                app.animationWindow()};
    for (QWidget* w : windows) {
        if (w != nullptr && w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

QStringList visibleWindows(Application& app) {
    QStringList names;
    for (const char* name : {"Form1", "Form2", "Form3", "Form4"}) {
        QWidget* w = windowNamed(app, QString::fromLatin1(name));
        if (w != nullptr && w->isVisible()) {
            names << w->objectName();
        }
    }
    return names;
}

void trigger(QWidget& window, const QString& name) {
    if (auto* action = window.findChild<QAction*>(name)) {
        action->trigger();
    } else {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    }
}

QPushButton* exitButton(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8("退出")) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithOnlyTheMainWindow() {
        Application app;
        QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
        QCOMPARE(visibleWindows(app), QStringList{"Form1"});
        QVERIFY(app.diagramsWindow() == nullptr && app.tableWindow() == nullptr &&
                app.animationWindow() == nullptr);
    }

    void showCommandAndExit_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("byCloseButton");
        const std::pair<const char*, const char*> commands[] = {
            {"Command3", "Form3"}, {"velocity", "Form3"}, {"accelerlation", "Form3"},
            {"transfer", "Form3"}, {"Command4", "Form4"}, {"prin", "Form4"},
            {"Command6", "Form2"}, {"low", "Form2"},      {"middle", "Form2"},
            {"high", "Form2"},     {"boundary", "Form2"},
        };
        for (const auto& [command, target] : commands) {
            for (bool byClose : {false, true}) {
                QTest::addRow("%s, %s", command, byClose ? "close button" : "exit button")
                    << command << target << byClose;
            }
        }
    }
    void showCommandAndExit() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(bool, byCloseButton);
        Application app;
        QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
        for (int round = 0; round < 2; ++round) {
            trigger(app.mainWindow(), command);
            QCOMPARE(visibleWindows(app), QStringList{target});
            QWidget* shown = windowNamed(app, target);
            QVERIFY(QTest::qWaitForWindowActive(shown));
            if (byCloseButton) {
                shown->close();
            } else {
                QTest::mouseClick(exitButton(*shown), Qt::LeftButton);
            }
            QCOMPARE(visibleWindows(app), QStringList{"Form1"});
            QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
            // The second round shows the same window again.
            QCOMPARE(windowNamed(app, target), shown);
        }
    }

    // Coming back from another window does not empty the box that had the focus.
    void returningKeepsInput() {
        Application app;
        QWidget& main = app.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        trigger(main, QStringLiteral("crankrocker"));
        trigger(main, QStringLiteral("Command1"));
        auto* text3 = main.findChild<QLineEdit*>(QStringLiteral("Text3"));
        QTest::mouseClick(text3, Qt::LeftButton);
        QTest::keyClicks(text3, "260");
        QCOMPARE(app.state().linkage.L3, 0.0);
        trigger(main, QStringLiteral("prin"));
        QVERIFY(QTest::qWaitForWindowActive(app.tableWindow()));
        QTest::mouseClick(exitButton(*app.tableWindow()), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(QApplication::focusWidget(), text3);
        QCOMPARE(text3->text(), QStringLiteral("260"));
        QCOMPARE(main.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                 QStringLiteral(" 150"));
        trigger(main, QStringLiteral("Command1"));
        QCOMPARE(app.state().linkage.L3, 260.0);
    }

    // Closing the main window ends the event loop, though another window exists, hidden.
    void closingTheMainWindowEndsTheProgram() {
        Application app;
        QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
        app.showAnimation();
        QVERIFY(QTest::qWaitForWindowActive(app.animationWindow()));
        app.showMain();
        QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
        QTimer::singleShot(0, &app.mainWindow(), [&app] { app.mainWindow().close(); });
        QTimer watchdog;  // the loop did not end: fail
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(visibleWindows(app), QStringList());
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
