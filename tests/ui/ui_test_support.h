// What every window test shares: settings of its own, and answering the modal dialogs a command
// opens.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace fourbar::test {

// What a modal dialog showed while a command ran.
struct DialogSeen {
    QString title;
    QString text;         // a message box's text
    QStringList buttons;  // a message box's button texts
    QString folder;       // a file dialog's folder, absolute
    QString proposed;     // the file name a file dialog proposed, without its folder
    QString acceptLabel;  // a file dialog's accept button
};

// Runs `act`. Each message box it opens is closed with OK; each file dialog is accepted with the
// file `choose` (a full path) or, when `choose` is empty, cancelled.
QList<DialogSeen> dialogsDuring(const std::function<void()>& act, const QString& choose = {});

}  // namespace fourbar::test
