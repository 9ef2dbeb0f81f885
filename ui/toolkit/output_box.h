// A text box that a command writes into and the user only reads.
#pragma once

#include <QLineEdit>

class QStyleOptionFrame;

namespace fourbar::ui {

// The user can select its text, move through it with the cursor keys and copy it, but not change
// it. Its tooltip is always its whole text (none while it is empty), since the box is often
// narrower than what it shows; windows only set the text.
class OutputBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit OutputBox(QWidget* parent = nullptr);

  protected:
    // Drawn as the editable boxes are: some styles grey a read-only box.
    void initStyleOption(QStyleOptionFrame* option) const override;
};

}  // namespace fourbar::ui
