// A window's client widget in a scroll area that scrolls only where the screen is too small.
#include "ui/toolkit/client_area.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>

namespace fourbar::ui {

ClientArea::ClientArea(QWidget* window, QWidget* client)
    : QScrollArea(window), window_(window), hint_(client->size()) {
    setObjectName(window->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    // The window's tab order runs through its own widgets only; Tab to a widget out of view
    // scrolls it in.
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    setWidget(client);
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        main->setCentralWidget(this);
    } else {
        if (window->layout() == nullptr) {
            new QVBoxLayout(window);
        }
        window->layout()->setContentsMargins(0, 0, 0, 0);
        window->layout()->addWidget(this);
    }
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->layout()->activate();
    window->installEventFilter(this);
}

QSize ClientArea::sizeHint() const {
    return hint_;
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event) {
    // The show event comes before the window appears on the screen, so it appears at its size.
    if (watched == window_ && event->type() == QEvent::Show) {
        if (QWindow* handle = window_->windowHandle()) {
            connect(handle, &QWindow::screenChanged, this, &ClientArea::fitToScreen,
                    Qt::UniqueConnection);
        }
        fitToScreen();
    }
    return QScrollArea::eventFilter(watched, event);
}

void ClientArea::fitToScreen() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        return;
    }
    // Before the window was first shown its frame is not known, and taken as none.
    const QWindow* handle = window_->windowHandle();
    const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
    fitTo(screen->availableGeometry().size().shrunkBy(frame));
}

void ClientArea::fitTo(QSize room) {
    const QSize client = widget()->size();
    // What the window needs besides this area (a main window's menu bar).
    hint_ = client;
    updateGeometry();
    window_->layout()->invalidate();
    const QSize limit = (room - (window_->layout()->totalSizeHint() - client)).expandedTo({1, 1});
    // A scroll bar takes room from the other direction, which may then need its own.
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool tall = false;
    bool wide = false;
    for (int pass = 0; pass < 2; ++pass) {
        wide = client.width() + (tall ? barWidth : 0) > limit.width();
        tall = client.height() + (wide ? barHeight : 0) > limit.height();
    }
    hint_ = QSize(client.width() + (tall ? barWidth : 0), client.height() + (wide ? barHeight : 0))
                .boundedTo(limit);
    // Decided here once: left to themselves, bars once shown keep the room they took and so stay.
    setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    updateGeometry();
    window_->layout()->invalidate();
    window_->layout()->activate();
}

}  // namespace fourbar::ui
