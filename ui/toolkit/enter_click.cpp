// Enter and Return on a focused button, pressing it as a click does.
#include "ui/toolkit/enter_click.h"

#include <QKeyEvent>
#include <QPushButton>

namespace fourbar::ui {

namespace {

// Filters the button's own key presses, so QPushButton never sees an Enter it could take for a
// default button's.
class EnterClickFilter : public QObject {
  public:
    explicit EnterClickFilter(QPushButton* button) : QObject(button), button_(button) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != button_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            modifiers != Qt::NoModifier) {
            return false;
        }
        // The button shows itself pressed, as with Space, and clicks when it comes up; the repeats
        // of a held key would press it again.
        if (!key->isAutoRepeat()) {
            button_->animateClick();
        }
        return true;
    }

  private:
    QPushButton* button_;
};

}  // namespace

void clickOnEnter(QPushButton* button) {
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(new EnterClickFilter(button));
}

}  // namespace fourbar::ui
