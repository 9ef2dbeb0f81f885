// The application object: the shared state, the windows and the navigation between them.
#include "ui/application.h"

#include <QCoreApplication>
#include <QEvent>

#include "core/messages.h"
#include "ui/animation/animation_window.h"
#include "ui/design/design_window.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/main/main_window.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/program_setup.h"

namespace fourbar::ui {

namespace {

// Creates a window the first time it is needed; afterwards it is only hidden and shown, so it keeps
// its widgets, drawings and state.
template <class Window>
Window& ensureWindow(std::unique_ptr<Window>& window, SharedState& state, Application* app) {
    if (!window) {
        window = std::make_unique<Window>(state);
        QObject::connect(window.get(), &Window::exitRequested, app, &Application::showMain);
    }
    return *window;
}

}  // namespace

Application::Application() {
    // Before any window, so that every window and dialog finds the names and Qt's Chinese texts,
    // and every message box the program's title.
    setUpProgram();
    setMessageTitle(QString::fromUtf8(messages::appTitle.data(),
                                      static_cast<qsizetype>(messages::appTitle.size())));
    main_ = std::make_unique<MainWindow>(state_);
    MainWindow* main = main_.get();
    connect(main, &MainWindow::diagramsRequested, this, &Application::showDiagrams);
    connect(main, &MainWindow::displacementDiagramRequested, this,
            &Application::showDisplacementDiagram);
    connect(main, &MainWindow::tableRequested, this, &Application::showTable);
    connect(main, &MainWindow::animationRequested, this, &Application::showAnimation);
    connect(main, &MainWindow::designRequested, this, &Application::showDesign);
    connect(main, &MainWindow::closed, this, &Application::endProgram);
    // A quit request of the platform (the session ends) would otherwise ask every window to close,
    // and a child window's close only brings back the main window.
    QCoreApplication::instance()->installEventFilter(this);
    main_->show();
}

// The windows go before the state they refer to (members are destroyed in reverse order).
Application::~Application() = default;

void Application::showDiagrams() {
    switchTo(ensureWindow(diagrams_, state_, this));
}

void Application::showDisplacementDiagram() {
    showDiagrams();
    diagrams_->onAngleClicked();
}

void Application::showTable() {
    switchTo(ensureWindow(table_, state_, this));
}

void Application::showAnimation() {
    switchTo(ensureWindow(animation_, state_, this));
}

void Application::showDesign() {
    // Created once, as the others; it needs no shared state. "应用" writes the lengths into the
    // main window's boxes before the window's exit shows the main window.
    if (!design_) {
        design_ = std::make_unique<DesignWindow>();
        connect(design_.get(), &DesignWindow::exitRequested, this, &Application::showMain);
        connect(design_.get(), &DesignWindow::applyRequested, main_.get(),
                &MainWindow::showInputTexts);
    }
    switchTo(*design_);
}

void Application::showMain() {
    main_->show();
    main_->raise();
    main_->activateWindow();
}

void Application::switchTo(QWidget& target) {
    main_->hide();
    target.show();
    target.raise();
    target.activateWindow();
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        endProgram();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Application::endProgram() {
    for (QWidget* window :
         {static_cast<QWidget*>(main_.get()), static_cast<QWidget*>(diagrams_.get()),
          static_cast<QWidget*>(table_.get()), static_cast<QWidget*>(animation_.get()),
          static_cast<QWidget*>(design_.get())}) {
        if (window != nullptr) {
            window->hide();
        }
    }
    // Ends the event loop without asking the windows to close again.
    QCoreApplication::exit(0);
}

}  // namespace fourbar::ui
