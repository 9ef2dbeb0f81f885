// What every window test shares: settings of its own, and answering the dialogs a command opens.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace fourbar::test {

// Runs `act`, closing each message box it opens with OK, and each file dialog by choosing the file
// `choose` (a full path) or, when `choose` is empty, by cancelling. Returns what each showed:
// "caption|text|buttons" for a message box, "folder|proposed name|accept button" for a file dialog.
QStringList dialogsDuring(const std::function<void()>& act, const QString& choose = {});

}  // namespace fourbar::test
