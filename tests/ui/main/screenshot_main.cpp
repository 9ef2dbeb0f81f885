// Saves a picture of the main window after the crank-rocker preset was confirmed and executed.
#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>

#include "ui/application.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main.png");
    fourbar::ui::Application app;
    fourbar::ui::MainWindow& window = app.mainWindow();
    QApplication::processEvents();
    window.findChild<QAction*>(QStringLiteral("crankrocker"))->trigger();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    window.findChild<QPushButton*>(QStringLiteral("Command7"))->click();
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
