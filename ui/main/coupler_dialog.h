// The dialog "连杆点": sets or removes the point fixed to the coupler whose path is shown.
#pragma once

#include <QDialog>
#include <optional>

#include "core/coupler_point.h"

class QLineEdit;

namespace fourbar::ui {

// Modal over the main window. It opens with the point's values (empty boxes when none is set);
// "确定" sets the point from the boxes, "不显示" removes it, and "取消", Escape or the close box
// change nothing. Bad input is refused with a message and the dialog stays open.
class CouplerDialog : public QDialog {
    Q_OBJECT

  public:
    CouplerDialog(std::optional<CouplerPoint>& point, QWidget* parent);

    void onConfirmClicked();  // "确定"
    void onHideClicked();     // "不显示"

  private:
    std::optional<CouplerPoint>& point_;
    QLineEdit* distance_ = nullptr;  // couplerDistanceBox, mm
    QLineEdit* angle_ = nullptr;     // couplerAngleBox, degrees
};

}  // namespace fourbar::ui
