// Every window the application can show, walked widget by widget: no caption of a label, button or
// frame is cut, and every window fits the available area of its screen, scrolling its client area
// where the screen is too small. Run at 100 % and at 200 %.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/client_area.h"
#include "ui/toolkit/widgets.h"

using namespace fourbar::ui;

namespace {

// The ink of a caption line drawn as its widget draws it but unclipped, at the widget's device
// pixel ratio, in the widget's pixels.
QRectF inkOf(const QWidget* widget, const CaptionLine& line) {
    const int margin = 200;  // room for a caption far wider or taller than its widget
    const qreal ratio = widget->devicePixelRatioF();
    QImage image((widget->size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(margin, margin);
    painter.setFont(widget->font());
    drawCaptionLine(painter, line);
    painter.end();
    const QRect ink = fourbar::test::inkBox(image);
    return QRectF(QPointF(ink.topLeft()) / ratio - QPointF(margin, margin), ink.size() / ratio);
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Application> app_;
    QWidgetList windows_;  // every window the application can show

  private slots:
    void init() {
        QVERIFY(fourbar::test::restart(app_));
        windows_ = {&app_->mainWindow()};  // each other window opened by its command
        for (const char* command : {"transfer", "prin", "low", "designByRatio"}) {
            fourbar::test::use({command}, &app_->mainWindow());
            windows_ << fourbar::test::shownWindow();
            QVERIFY2(windows_.back() != nullptr, command);
            windows_.back()->close();  // back to the main window
        }
    }

    // Each line of each caption lies wholly in the space its widget draws it in: inside a button's
    // border, between a frame's side lines, inside its parents. A label one pixel high hides its
    // caption.
    void captionsWhole() {
        QStringList cut;
        for (const QWidget* window : windows_) {
            const QWidget* client = window->findChild<ClientArea*>()->widget();
            for (const QWidget* w : client->findChildren<QWidget*>()) {
                QRect space = w->rect();
                if (qobject_cast<const QPushButton*>(w) != nullptr) {
                    const int b = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
                    space.adjust(b, b, -b, -b);
                } else if (qobject_cast<const QGroupBox*>(w) != nullptr) {
                    space.adjust(2, 0, -2, 0);
                }
                for (const QWidget* p = w->parentWidget(); p != client; p = p->parentWidget()) {
                    space &= QRect(w->mapFrom(p, QPoint()), p->size());
                }
                for (const CaptionLine& line :
                     w->height() > 1 ? captionLines(w) : QList<CaptionLine>()) {
                    if (!QRectF(space).contains(inkOf(w, line))) {
                        cut << QString("%1 \"%2\"").arg(w->objectName(), line.text);
                    }
                }
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    // Each window fits the available area of its screen (at 200 % the offscreen screen's 400 × 400
    // is too small for all of them), or a room of 320 × 240 given to it. A window that fits shows
    // no scroll bars; otherwise the scroll bars bring each button of
    // the client into view, and there a click reaches it: "退出" leaves the window.
    void windowsReachable_data() {
        QTest::addColumn<QSize>("room");  // invalid: the screen's
        QTest::newRow("screen") << QSize();
        QTest::newRow("320 x 240") << QSize(320, 240);
    }

    void windowsReachable() {
        QFETCH(QSize, room);
        for (QWidget* window : windows_) {
            window->show();
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
            const QSize whole = client->size() + window->size() - area->size();  // + menu bar
            QCOMPARE(
                area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible(),
                whole.boundedTo(room) != whole);
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
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
