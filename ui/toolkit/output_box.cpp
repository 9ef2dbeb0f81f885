// A text box that a command writes into and the user only reads.
#include "ui/toolkit/output_box.h"

#include <QStyleOptionFrame>

namespace fourbar::ui {

OutputBox::OutputBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    // textChanged comes with every change of the text, the program's setText and clear included.
    connect(this, &QLineEdit::textChanged, this, &QWidget::setToolTip);
}

void OutputBox::initStyleOption(QStyleOptionFrame* option) const {
    QLineEdit::initStyleOption(option);
    option->state &= ~QStyle::State_ReadOnly;
}

}  // namespace fourbar::ui
