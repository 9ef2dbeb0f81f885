// Saving to a file the user names: the file dialog and writing whole files or nothing.
#include "ui/toolkit/save_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>

#include "ui/toolkit/message_box.h"

namespace fourbar::ui {

namespace {

const QString kLastFolderKey = QStringLiteral("fileDialogs/lastFolder");

void rememberFolderOf(const QString& fileName) {
    QSettings().setValue(kLastFolderKey, QFileInfo(fileName).absolutePath());
}

}  // namespace

bool writeFileReporting(QWidget* parent, const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    // Unbuffered, so that each write reports its own failure: the flush of a buffer when the file
    // is committed could fail unnoticed and leave a file cut short, reported as written.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; written && done < bytes.size();) {
        // A write cut short (the disk full) goes on with the rest, which fails with the reason.
        const qint64 count = file.write(bytes.constData() + done, bytes.size() - done);
        written = count > 0;
        done += std::max<qint64>(count, 0);
    }
    if (written && file.commit()) {
        rememberFolderOf(fileName);
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

QString lastFolder() {
    return QSettings().value(kLastFolderKey).toString();
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& defaultSuffix, const QString& proposedName) {
    QFileDialog dialog(parent, caption);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    // Qt's own dialog adds the suffix before it asks about overwriting; a platform dialog may
    // not, hence withDefaultSuffix below as well.
    dialog.setDefaultSuffix(defaultSuffix);
    const QString folder = lastFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        dialog.setDirectory(folder);
    }
    if (!proposedName.isEmpty()) {
        // A full path: a platform dialog would take a bare name as one in the current directory.
        dialog.selectFile(dialog.directory().filePath(proposedName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return withDefaultSuffix(dialog.selectedFiles().constFirst(), defaultSuffix);
}

}  // namespace fourbar::ui
