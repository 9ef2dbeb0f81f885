// The program: the Qt application and the application object, or the report without a window.
#include <QApplication>

#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/report/headless_report.h"
#include "ui/toolkit/program_setup.h"

int main(int argc, char* argv[]) {
    if (const auto status = fourbar::ui::runHeadlessReport(argc, argv)) {
        return *status;
    }
    QApplication qtApp(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("fourbar"));
    fourbar::ui::Application app;
    // The menu entry's icon, so the desktop shows the same icon for the running program; set once
    // the main window is on the screen, as loading it takes about as long as a label's fonts.
    fourbar::ui::setWindowIconAfterFirstPaint(&app.mainWindow(), QStringLiteral(":/fourbar.svg"));
    return qtApp.exec();
}
