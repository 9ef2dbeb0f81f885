// Placeholder: the application object lands with the main window.
#include "ui/application.h"

#include "ui/animation/animation_window.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/main/main_window.h"
#include "ui/table/table_window.h"

namespace fourbar::ui {

Application::Application() : main_(std::make_unique<MainWindow>(state_)) { main_->show(); }
Application::~Application() = default;

void Application::showDiagrams() {}
void Application::showDisplacementDiagram() {}
void Application::showTable() {}
void Application::showAnimation() {}
void Application::showMain() {}

}  // namespace fourbar::ui
