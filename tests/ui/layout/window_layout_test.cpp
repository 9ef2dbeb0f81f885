// Every window the application can show, walked widget by widget: no caption of a label, button,
// frame, menu or menu item is cut or covered, and every window fits the available area of its
// screen, scrolling its client area where the screen is too small. Run at 100 % and at 200 %.
#include <QtTest>
#include <QtWidgets>

#include "core/motion_parameters.h"
#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/toolkit/client_area.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/widgets.h"

using namespace fourbar::ui;

namespace {

// Every window the application can show, each opened by one of its show slots.
QWidgetList openEveryWindow(Application& app) {
    QWidgetList windows;
    const QMetaObject* meta = app.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot && method.parameterCount() == 0 &&
            method.name().startsWith("show")) {
            method.invoke(&app);
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && w->windowType() == Qt::Window && !windows.contains(w)) {
                    windows << w;
                }
            }
        }
    }
    return windows;
}

// The smallest rectangle that holds every pixel of `image` at least a quarter covered, in logical
// pixels from `origin`.
QRectF inkBox(const QImage& image, QPointF origin) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) >= 64) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const qreal ratio = image.devicePixelRatio();
    return QRectF(QPointF(ink.topLeft()) / ratio, QSizeF(ink.size()) / ratio).translated(-origin);
}

// The ink of a caption line as its widget draws it, without the widget's clipping, in the widget's
// logical pixels and at its device pixel ratio; and the ink of the line's text drawn whole, placed
// at the origin.
std::pair<QRectF, QRectF> inkOf(const QWidget* widget, const CaptionLine& line) {
    const int margin = 200;  // room for a caption far wider or taller than its widget
    const qreal ratio = widget->devicePixelRatioF();
    QImage drawn((widget->size() + QSize(2 * margin, 2 * margin)) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    QImage whole = drawn;
    for (QImage* image : {&drawn, &whole}) {
        QPainter painter(image);
        painter.translate(margin, margin);
        painter.setFont(widget->font());
        painter.setPen(Qt::black);
        image == &drawn ? drawCaptionLine(painter, line) : painter.drawText(QPoint(), line.text);
    }
    return {inkBox(drawn, {margin, margin}), inkBox(whole, {margin, margin})};
}

// Where a widget's caption may be drawn: a label's whole rectangle, inside a button's border,
// inside a frame's side lines; and inside each parent up to the window's client widget.
QRectF captionSpace(const QWidget* w, const QWidget* client) {
    QRect space = w->rect();
    if (qobject_cast<const QPushButton*>(w) != nullptr) {
        const int border = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        space.adjust(border, border, -border, -border);
    } else if (qobject_cast<const QGroupBox*>(w) != nullptr) {
        space.adjust(2, 0, -2, 0);
    }
    for (const QWidget* p = w; p != client; p = p->parentWidget()) {
        space &= p->parentWidget()->rect().translated(-w->mapTo(p->parentWidget(), QPoint()));
    }
    return space;
}

// True when `above` is painted over `w`: a child of it, or after it among the children of their
// nearest common ancestor.
bool paintedOver(const QWidget* above, const QWidget* w) {
    if (above->isAncestorOf(w)) {
        return false;
    }
    if (w->isAncestorOf(above)) {
        return true;
    }
    const QWidget* a = above;
    while (!a->parentWidget()->isAncestorOf(w)) {
        a = a->parentWidget();
    }
    const QWidget* b = w;
    while (b->parentWidget() != a->parentWidget()) {
        b = b->parentWidget();
    }
    const QObjectList& siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

// A caption's ink in the window's client coordinates, with the widget it belongs to.
struct Ink {
    const QWidget* owner;
    QString text;
    QRectF rect;
};

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Application> app_;
    QWidgetList windows_;

  private slots:
    void init() {
        app_ = std::make_unique<Application>();
        windows_ = openEveryWindow(*app_);
    }

    // The main window and the three it opens.
    void everyWindowIsWalked() {
        QStringList names;
        for (const QWidget* w : windows_) {
            names << w->objectName();
        }
        names.sort();
        QCOMPARE(names, QStringList({"Form1", "Form2", "Form3", "Form4"}));
    }

    // Each line of each caption lies wholly in the space its widget draws it in (a stacked
    // caption's lines too), no widget painted later covers it, and no two captions overlap. A
    // label one pixel high is laid out to hide its caption.
    void captionsWhole() {
        QStringList faults;
        auto fault = [&faults] {
            faults.append(QString());
            return QDebug(&faults.last());
        };
        for (const QWidget* window : windows_) {
            const QWidget* client = window->findChild<ClientArea*>()->widget();
            QList<Ink> inks;
            for (const QWidget* w : client->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(window) || w->height() < 2) {
                    continue;
                }
                for (const CaptionLine& line : captionLines(w)) {
                    const auto [ink, whole] = inkOf(w, line);
                    const QRectF space = captionSpace(w, client);
                    // Drawn as large as the whole text (a device pixel less where it is placed
                    // between pixels), so nothing took part of it away.
                    const qreal pixel = 1 / w->devicePixelRatioF();
                    if (ink.width() + pixel < whole.width() ||
                        ink.height() + pixel < whole.height() || !space.contains(ink)) {
                        fault() << w->objectName() << line.text << "ink" << ink << "outside"
                                << space;
                    }
                    inks.append({w, line.text, ink.translated(w->mapTo(client, QPointF()))});
                }
            }
            for (const Ink& ink : inks) {
                for (const QWidget* other : client->findChildren<QWidget*>()) {
                    // A label covers nothing but the ink of its caption.
                    const QRectF rect(other->mapTo(client, QPoint()), other->size());
                    if (other->isVisibleTo(window) &&
                        qobject_cast<const QLabel*>(other) == nullptr &&
                        paintedOver(other, ink.owner) && rect.intersects(ink.rect)) {
                        fault() << ink.owner->objectName() << ink.text << "under"
                                << other->objectName();
                    }
                }
                for (const Ink& next : inks) {
                    if (&next != &ink && next.rect.intersects(ink.rect)) {
                        fault() << ink.owner->objectName() << ink.text << "on"
                                << next.owner->objectName() << next.text;
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Each window fits the available area of its screen (at 200 % the offscreen screen's 400 × 400
    // is too small for all of them), or a room of 320 × 240 given to it. A window that fits shows
    // its client widget whole, without scroll bars; otherwise the scroll bars bring each button of
    // the client into view, and there a click reaches it: "退出" leaves the window.
    void windowsReachable_data() {
        QTest::addColumn<QSize>("room");  // invalid: the screen's
        QTest::newRow("screen") << QSize();
        QTest::newRow("320 x 240") << QSize(320, 240);
    }

    void windowsReachable() {
        QFETCH(QSize, room);
        for (QWidget* window : windows_) {
            auto* area = window->findChild<ClientArea*>();
            const QWidget* client = area->widget();
            if (room.isValid()) {
                area->fitTo(room);
                QCoreApplication::processEvents();
            } else {
                room = window->screen()->availableGeometry().size().shrunkBy(
                    window->windowHandle()->frameMargins());
            }
            QVERIFY2(window->width() <= room.width() && window->height() <= room.height(),
                     qPrintable(window->objectName()));
            const QSize chrome = window->size() - area->size();  // the main window's menu bar
            const bool fits = (client->size() + chrome).boundedTo(room) == client->size() + chrome;
            QCOMPARE(area->viewport()->size() == client->size(), fits);
            QCOMPARE(
                area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible(),
                !fits);
            for (QPushButton* button : client->findChildren<QPushButton*>()) {
                area->ensureWidgetVisible(button, 0, 0);
                const QRect place(button->mapTo(area->viewport(), QPoint()), button->size());
                QVERIFY2(area->viewport()->rect().contains(place), qPrintable(button->text()));
                if (button->text() == "退出") {
                    QTest::mouseClick(button, Qt::LeftButton);
                    QVERIFY(!window->isVisible());
                }
            }
        }
    }

    // The linkage is drawn to the scale of the client size as laid out, however little of it a
    // small screen shows: the same range of motion before and after.
    void pictureKeepsItsScale() {
        app_->state().inputs = {150, 220, 250, 300, 100, 0, -1, {}, 0};
        fourbar::executeAnalysis(app_->state());
        AnimationWindow* window = app_->animationWindow();
        window->onRangeClicked();
        const QImage before = window->picture()->image();
        window->findChild<ClientArea*>()->fitTo({320, 240});
        window->onRangeClicked();
        QVERIFY(window->picture()->image() == before);
    }

    // A menu bar keeps its captions on one row inside it; a menu is wide enough for its items.
    void menusWhole() {
        for (const QWidget* window : windows_) {
            for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
                const int top = bar->actionGeometry(bar->actions().constFirst()).top();
                for (QAction* action : bar->actions()) {
                    const QRect place = bar->actionGeometry(action);
                    QVERIFY2(place.top() == top && bar->rect().contains(place),
                             qPrintable(action->text()));
                    const QMenu* menu = action->menu();
                    menu->ensurePolished();
                    for (QAction* item : menu->actions()) {
                        QVERIFY2(menu->actionGeometry(item).width() >
                                     menu->fontMetrics().horizontalAdvance(item->text()),
                                 qPrintable(item->text()));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
