// What the program sets up once in the running Qt application before its first window: names for
// its settings, and Qt's own texts in Simplified Chinese.
#pragma once

namespace fourbar::ui {

// The organisation and application names under which the settings are kept (the file dialogs'
// last folder). Qt's own texts (standard buttons such as "确定", the file dialogs, the text boxes'
// menus) in Simplified Chinese from Qt's translations whatever the user's locale, as the whole
// program is Chinese, and Chinese (China) as the default locale, which the file dialogs' type
// descriptions follow. Calling it again changes nothing. False when Qt's Chinese translations are
// not installed: the program then works with Qt's English texts.
bool setUpProgram();

}  // namespace fourbar::ui
