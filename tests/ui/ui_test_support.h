// What the window tests share: settings of their own, answering the dialogs and menus a command
// opens, finding the windows and their widgets, and running the analysis as the execute command
// does.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>

class QWidget;

namespace fourbar {
struct SharedState;
}  // namespace fourbar

namespace fourbar::ui {
class Application;
}

namespace fourbar::test {

// The value of the current test data row's column `name`, as QFETCH gives it.
template <class T = QString>
T fetch(const char* name) {
    return *static_cast<T*>(QTest::qData(name, qMetaTypeId<T>()));
}

// Bounding box of the pixels of `image` clearly darker than its top-left pixel: the ink drawn on a
// light background.
QRect inkBox(const QImage& image);

// Runs `act`, closing each message box it opens with OK, each file dialog by choosing the file
// `choose` (a full path) or, when `choose` is empty, by cancelling, and any other dialog by
// cancelling. Returns what each showed: "caption|text|buttons" for a message box, "folder|proposed
// name|accept button" for a file dialog, the objectName of another dialog.
QStringList dialogsDuring(const std::function<void()>& act, const QString& choose = {});

// How the user picks an item of a menu: moving to it with the Down key and pressing Return, or
// clicking it.
enum class Pick { Keyboard, Click };

// Right-clicks `widget` at `pos` (through its window, as the platform delivers the click), picks
// the enabled item `item` of the context menu that opens (none: the menu is closed with Escape)
// by `pick`, and answers the dialogs the item opens as dialogsDuring does, returning them. The
// widget's window must be shown.
QStringList pickFromContextMenu(QWidget* widget, QPoint pos, const QString& item, Pick pick,
                                const QString& choose = {});

// ---- Window tests only (ui_test_support_windows.cpp) ----------------------------------------

// Confirms L1..L4 (mm), n (r/min) and M in `state` and executes on them as the execute command
// does.
void analyse(SharedState& state, double L1, double L2, double L3, double L4, double n = 100,
             double M = -1);

// Ends `app` if there is one, starts a new application and waits until its main window is active;
// false when it never became active.
[[nodiscard]] bool restart(std::unique_ptr<ui::Application>& app);

// The program's window (objectName "Form…") now visible; nullptr when none or several are.
QWidget* shownWindow();

// Clicks the button or triggers the action named, in order, each found in the window shown at that
// moment (or in `window`); returns the dialogs they opened as dialogsDuring does.
QStringList use(std::initializer_list<const char*> names, QWidget* window = nullptr);

}  // namespace fourbar::test
