// Enter and Return on a focused button, pressing it as a click does.
#pragma once

class QPushButton;

namespace fourbar::ui {

// From now on Enter (keypad) and Return press `button` while it has the focus, once per key press
// (held keys do not repeat it), through the same clicked() as the mouse and Space, which keeps
// working. The button is never a default button, so that Enter elsewhere presses nothing.
void clickOnEnter(QPushButton* button);

}  // namespace fourbar::ui
