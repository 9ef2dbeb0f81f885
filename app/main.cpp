// The program: the Qt application and the application object.
#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    fourbar::ui::Application app;
    return qtApp.exec();
}
