// Saving to a file the user names: the file dialog and writing whole files or nothing.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace fourbar::ui {

// Writes `bytes` to `fileName` through a temporary file that replaces it only when complete. On
// failure a message box (parent `parent`) names the file and the reason, no file is left (an
// existing one stays as it was), and the result is false. A file written becomes the last folder
// used.
bool writeFileReporting(QWidget* parent, const QString& fileName, const QByteArray& bytes);

// `fileName` with ".`suffix`" appended when it has no suffix of its own.
QString withDefaultSuffix(const QString& fileName, const QString& suffix);

// Asks for the name of a file to save to. `filter` is the dialog's name filter, e.g.
// "PNG 图片 (*.png)"; a name without suffix gets `defaultSuffix` (without the dot). The dialog
// opens in the last folder used, when it still exists, proposing `proposedName` ("运动线图.png").
// Empty when the user cancels.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& defaultSuffix, const QString& proposedName);

// The folder of the file the program wrote last (writeFileReporting), kept in the user's settings
// and shared by all its file dialogs; empty before the first. A folder chosen for a file that could
// not be written is not remembered.
QString lastFolder();

}  // namespace fourbar::ui
