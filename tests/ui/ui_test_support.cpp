// What every window test shares: settings of its own, and answering the dialogs a command opens.
#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

// Before anything reads them, the settings (the file dialogs' last folder, Qt's own dialog state)
// go to a folder of this run, never the user's own; the folder goes when the test ends.
static void keepSettingsApart() {
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir settings;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    }
}
Q_COREAPP_STARTUP_FUNCTION(keepSettingsApart)

namespace fourbar::test {

QStringList dialogsDuring(const std::function<void()>& act, const QString& choose) {
    QStringList seen;
    QTimer poll;
    poll.callOnTimeout([&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QStringList buttons;
            for (const QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            seen << box->windowTitle() + '|' + box->text() + '|' + buttons.join(',');
            box->accept();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            seen << dialog->directory().absolutePath() + '|' +
                        QFileInfo(dialog->selectedFiles().value(0)).fileName() + '|' +
                        dialog->labelText(QFileDialog::Accept);
            if (choose.isEmpty()) {
                dialog->reject();
                return;
            }
            // Qt's dialog leaves the name box as it is while the box has the focus.
            if (QWidget* focused = dialog->focusWidget()) {
                focused->clearFocus();
            }
            dialog->selectFile(choose);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    poll.start(10);
    act();
    return seen;
}

}  // namespace fourbar::test
