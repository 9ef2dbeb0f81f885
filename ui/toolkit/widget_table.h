// A window's widgets declared as one table: name, kind, caption, place, font, tab position and
// handler, built in one pass.
#pragma once

#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

enum class WidgetKind {
    Frame,
    Label,         // wraps its caption to its width
    OneLineLabel,  // a caption a little wider than its label: on one line that reaches past the
                   // label's right edge, never broken onto a second line
    Input,         // an InputBox, which empties itself when the user gives it the focus
    Output,        // an OutputBox: a command writes into it, the user reads and copies
    Button,
    Picture,    // a DrawingArea
    Listing,    // a ListingView: a DrawingArea printing a text listing
    ScrollBar,  // horizontal; the window sets its range
};

struct FontSpec {
    DesignFont face;
    double points;
};

// The windows' default font, MS Sans Serif 8.25 pt.
inline constexpr FontSpec kDefaultFontSpec{DesignFont::MsSansSerif, 8.25};

template <class Window>
struct WidgetSpec {
    WidgetKind kind;
    const char* name;  // objectName, the widget's name in the layout
    const char* caption;
    TwipRect rect;  // relative to the parent's client area
    FontSpec font;
    int tab = 0;  // place in the window's tab order, from 1; 0 for widgets outside it
    // A button's click, an input box's focus reset, a scroll bar's change; nullptr for none.
    void (Window::*handler)() = nullptr;
    const char* parent = nullptr;  // the frame or picture it lies in; nullptr for the client area
};

// Creates one widget of the table (no handler, no tab order).
QWidget* createWidget(WidgetKind kind, QWidget* parent, const char* name, const char* caption,
                      TwipRect rect, FontSpec font);

// Chains `widgets` (tab position, widget) in the order of their positions.
void chainTabOrder(std::vector<std::pair<int, QWidget*>> widgets);

// Creates the widgets of `table` in order (parents before their children) on `client`, connects
// their handlers to `window` and chains the tab order.
template <class Window>
void buildWidgets(Window* window, QWidget* client, std::span<const WidgetSpec<Window>> table) {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const WidgetSpec<Window>& w : table) {
        QWidget* parent =
            w.parent ? client->findChild<QWidget*>(QString::fromLatin1(w.parent)) : client;
        QWidget* widget = createWidget(w.kind, parent, w.name, w.caption, w.rect, w.font);
        if (w.tab > 0) {
            tabOrder.emplace_back(w.tab, widget);
        }
        if (w.handler == nullptr) {
            continue;
        }
        const auto handler = w.handler;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QObject::connect(button, &QPushButton::clicked, window,
                             [window, handler] { (window->*handler)(); });
        } else if (auto* input = qobject_cast<InputBox*>(widget)) {
            QObject::connect(input, &InputBox::focusReset, window, handler);
        } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
            QObject::connect(bar, &QScrollBar::valueChanged, window,
                             [window, handler] { (window->*handler)(); });
        }
    }
    chainTabOrder(std::move(tabOrder));
}

// The widget of `window` named `name`, of type T.
template <class T>
T* widget(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace fourbar::ui
