// What every window test shares: settings of its own, and answering the dialogs and menus a command
// opens.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace fourbar::test {

// Bounding box of the pixels of `image` clearly darker than its top-left pixel: the ink drawn on a
// light background.
QRect inkBox(const QImage& image);

// Runs `act`, closing each message box it opens with OK, and each file dialog by choosing the file
// `choose` (a full path) or, when `choose` is empty, by cancelling. Returns what each showed:
// "caption|text|buttons" for a message box, "folder|proposed name|accept button" for a file dialog.
QStringList dialogsDuring(const std::function<void()>& act, const QString& choose = {});

// How the user picks an item of a menu: moving to it with the Down key and pressing Return, or
// clicking it.
enum class Pick { Keyboard, Click };

// What a right click showed and what the item picked from it opened.
struct MenuUse {
    // The texts of the menu's items, " (disabled)" behind those that are; empty when no menu
    // opened.
    QStringList items;
    QStringList dialogs;  // as dialogsDuring returns them
};

// Right-clicks `widget` at `pos` (through its window, as the platform delivers the click), picks
// the enabled item `item` of the context menu that opens (none: the menu is closed with Escape)
// by `pick`, and answers the dialogs the item opens as dialogsDuring does. The widget's window
// must be shown.
MenuUse pickFromContextMenu(QWidget* widget, QPoint pos, const QString& item, Pick pick,
                            const QString& choose = {});

}  // namespace fourbar::test
