// What every window test shares: settings of its own, and answering the dialogs and menus a command
// opens.
#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

// Before anything reads them, the settings (the file dialogs' last folder, Qt's own dialog state)
// go to a folder of this run, never the user's own; the folder goes when the test ends.
static void keepSettingsApart() {
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
}
Q_COREAPP_STARTUP_FUNCTION(keepSettingsApart)

namespace fourbar::test {

QRect inkBox(const QImage& image) {
    const int background = qGray(image.pixel(0, 0));
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            box |= qGray(image.pixel(x, y)) + 60 < background ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

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
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            seen << other->objectName();
            other->reject();
        }
    });
    poll.start(0);
    act();
    return seen;
}

QStringList pickFromContextMenu(QWidget* widget, QPoint pos, const QString& item, Pick pick,
                                const QString& choose) {
    QTimer poll;
    poll.callOnTimeout([&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        poll.stop();
        QAction* target = nullptr;
        for (QAction* action : menu->actions()) {
            target = action->isEnabled() && action->text() == item ? action : target;
        }
        if (target == nullptr) {
            QTest::keyClick(menu, Qt::Key_Escape);
        } else if (pick == Pick::Click) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(target).center());
        } else {
            for (qsizetype n = 0; n < menu->actions().size() && menu->activeAction() != target;
                 ++n) {
                QTest::keyClick(menu, Qt::Key_Down);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    poll.start(10);
    QWidget* window = widget->window();
    return dialogsDuring(
        [&] {
            QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                              widget->mapTo(window, pos));
        },
        choose);
}

}  // namespace fourbar::test
