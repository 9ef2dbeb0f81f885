// The program's modal message box: one OK button, the program's title as caption.
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace fourbar::ui {

// The caption of every message box from now on: the program's title, which the program sets once
// at its start, before its first window. Empty until then.
void setMessageTitle(const QString& title);

// Shows `text` modally and returns when the user presses OK. The box is a QMessageBox with the
// object name "messageBox"; tests find it as QApplication::activeModalWidget().
void showMessage(QWidget* parent, const QString& text);
void showMessage(QWidget* parent, std::string_view utf8Text);

}  // namespace fourbar::ui
