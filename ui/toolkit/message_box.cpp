// The program's modal message box.
#include "ui/toolkit/message_box.h"

#include <QMessageBox>

namespace fourbar::ui {

namespace {

QString& messageTitle() {
    static QString title;
    return title;
}

}  // namespace

void setMessageTitle(const QString& title) {
    messageTitle() = title;
}

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(messageTitle());
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void showMessage(QWidget* parent, std::string_view utf8Text) {
    showMessage(parent,
                QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
}

}  // namespace fourbar::ui
