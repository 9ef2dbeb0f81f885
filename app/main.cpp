// The program: the Qt application and the application object.
#include <QApplication>
#include <QIcon>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    // The menu entry's icon and name, so the desktop shows the same icon for the running program.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fourbar.svg")));
    QApplication::setDesktopFileName(QStringLiteral("fourbar"));
    fourbar::ui::Application app;
    return qtApp.exec();
}
