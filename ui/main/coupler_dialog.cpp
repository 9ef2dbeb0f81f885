// The coupler point dialog: two boxes, a word on what they mean, and three buttons.
#include "ui/main/coupler_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "ui/toolkit/enter_click.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/message_box.h"

namespace fourbar::ui {

namespace {

// The shortest digits that read back to the value, without the presets' leading blank.
QString valueText(double value) {
    return QString::fromStdString(inputNumberText(value)).trimmed();
}

QPushButton* addButton(QDialog* dialog, QHBoxLayout* row, const char* name,
                       const QString& caption) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(QString::fromLatin1(name));
    clickOnEnter(button);
    row->addWidget(button);
    return button;
}

}  // namespace

CouplerDialog::CouplerDialog(std::optional<CouplerPoint>& point, QWidget* parent)
    : QDialog(parent), point_(point) {
    setObjectName(QStringLiteral("couplerDialog"));
    setWindowTitle(QStringLiteral("连杆点"));
    setFont(defaultFont());
    setModal(true);

    auto* explanation = new QLabel(QStringLiteral("连杆上的点P：BP为P到铰链B的距离，\n"
                                                  "∠CBP自BC逆时针量取。"),
                                   this);
    distance_ = new QLineEdit(this);
    distance_->setObjectName(QStringLiteral("couplerDistanceBox"));
    angle_ = new QLineEdit(this);
    angle_->setObjectName(QStringLiteral("couplerAngleBox"));
    if (point_) {
        distance_->setText(valueText(point_->distance));
        angle_->setText(valueText(point_->angle));
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("BP(mm):"), distance_);
    form->addRow(QStringLiteral("∠CBP(度):"), angle_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* confirm = addButton(this, buttons, "couplerConfirmButton", QStringLiteral("确定"));
    QPushButton* hide = addButton(this, buttons, "couplerHideButton", QStringLiteral("不显示"));
    QPushButton* cancel = addButton(this, buttons, "couplerCancelButton", QStringLiteral("取消"));
    // Enter in a box confirms, as in any dialog, and on a focused button presses that button;
    // Escape cancels.
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &CouplerDialog::onConfirmClicked);
    connect(hide, &QPushButton::clicked, this, &CouplerDialog::onHideClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CouplerDialog::onConfirmClicked() {
    const CouplerPointReading reading =
        readCouplerPoint(distance_->text().toStdString(), angle_->text().toStdString());
    if (!reading.point) {
        showMessage(this, reading.refusal);
        return;
    }
    point_ = reading.point;
    accept();
}

void CouplerDialog::onHideClicked() {
    point_.reset();
    accept();
}

}  // namespace fourbar::ui
