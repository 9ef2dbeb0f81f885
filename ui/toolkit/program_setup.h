// What the program sets up once in the running Qt application: names for its settings, Qt's own
// texts in Simplified Chinese, and its window icon once the main window is on the screen.
#pragma once

#include <QString>

class QWidget;

namespace fourbar::ui {

// The organisation and application names under which the settings are kept (the file dialogs'
// last folder). Qt's own texts (standard buttons such as "确定", the file dialogs, the text boxes'
// menus) in Simplified Chinese from Qt's translations whatever the user's locale, as the whole
// program is Chinese, and Chinese (China) as the default locale, which the file dialogs' type
// descriptions follow. Calling it again changes nothing. False when Qt's Chinese translations are
// not installed: the program then works with Qt's English texts.
bool setUpProgram();

// Makes `iconFile` the icon of every window of the program (QApplication::setWindowIcon) right
// after `window` was first painted, or at the latest `latestMs` milliseconds from now (a window
// that starts minimised is never painted). Loading the icon (an SVG one loads Qt's SVG icon
// engine plugin and parses the file) would otherwise delay the first paint.
void setWindowIconAfterFirstPaint(QWidget* window, const QString& iconFile, int latestMs = 1000);

}  // namespace fourbar::ui
