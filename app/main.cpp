// The program: the Qt application and the application object, or the report without a window.
#include <QApplication>
#include <QIcon>

#include "ui/application.h"
#include "ui/report/headless_report.h"

int main(int argc, char* argv[]) {
    if (const auto status = fourbar::ui::runHeadlessReport(argc, argv)) {
        return *status;
    }
    QApplication qtApp(argc, argv);
    // The menu entry's icon and name, so the desktop shows the same icon for the running program.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fourbar.svg")));
    QApplication::setDesktopFileName(QStringLiteral("fourbar"));
    fourbar::ui::Application app;
    return qtApp.exec();
}
