// Saving to a file the user names: the file dialog and writing whole files or nothing.
#include "ui/toolkit/save_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "ui/toolkit/message_box.h"

namespace fourbar::ui {

bool writeFileReporting(QWidget* parent, const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    // The temporary file goes with `file` unless commit() already removed it.
    const QString reason = file.errorString();
    file.cancelWriting();
    showMessage(
        parent,
        QStringLiteral("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(fileName), reason));
    return false;
}

QString withDefaultSuffix(const QString& fileName, const QString& suffix) {
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + QLatin1Char('.') + suffix : fileName;
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    // Qt's own dialog adds the suffix before it asks about overwriting; a platform dialog may
    // not, hence withDefaultSuffix below as well.
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return withDefaultSuffix(dialog.selectedFiles().constFirst(), defaultSuffix);
}

}  // namespace fourbar::ui
