// What only the window tests share: they start as the program does, with its title on every
// message box; finding the windows; the analysis run as the execute command runs it.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "core/messages.h"
#include "core/motion_parameters.h"
#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/message_box.h"

static void setProgramTitle() {
    const std::string_view title = fourbar::messages::appTitle;
    fourbar::ui::setMessageTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
}
Q_COREAPP_STARTUP_FUNCTION(setProgramTitle)

namespace fourbar::test {

void analyse(SharedState& state, double L1, double L2, double L3, double L4, double n, double M) {
    state.inputs = {L1, L2, L3, L4, n, M};
    executeAnalysis(state);
}

bool restart(std::unique_ptr<ui::Application>& app) {
    app.reset();
    app = std::make_unique<ui::Application>();
    return QTest::qWaitForWindowActive(&app->mainWindow());
}

QWidget* shownWindow() {
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf(
        [](const QWidget* w) { return !w->isVisible() || !w->objectName().startsWith("Form"); });
    return shown.size() == 1 ? shown.front() : nullptr;
}

QStringList use(std::initializer_list<const char*> names, QWidget* window) {
    return dialogsDuring([&] {
        for (const char* name : names) {
            QObject* o = (window != nullptr ? window : shownWindow())->findChild<QObject*>(name);
            if (o == nullptr) {
                qFatal("no %s in the window shown", name);
            }
            QMetaObject::invokeMethod(o, qobject_cast<QAction*>(o) ? "trigger" : "click");
        }
    });
}

}  // namespace fourbar::test
