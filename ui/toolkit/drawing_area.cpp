// A drawing area: backing image at the screen's resolution, user coordinates, lines and circles.
#include "ui/toolkit/drawing_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/twips.h"

namespace fourbar::ui {

namespace {

// Pixel coordinates are clipped to this margin around the image before rounding, so far-off
// points neither overflow an int nor change the direction of the visible part of a line.
constexpr double kClipMargin = 4096.0;

// Liang-Barsky clipping of the segment to [lo, hi] on both axes; false when nothing is left.
bool clipSegment(QPointF& a, QPointF& b, double loX, double loY, double hiX, double hiY) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - loX, hiX - a.x(), a.y() - loY, hiY - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

// Device pixels that cover `logical` pixels at `ratio`.
QSize deviceSize(QSize logical, qreal ratio) {
    return QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)));
}

// A painter on `image` that works in its device pixels whatever its device pixel ratio: lines and
// circles are placed on the device grid by the area itself. The ratio is taken off the image for
// the painter's lifetime (a QPainter would scale by it) and put back afterwards.
class DevicePixelPainter {
  public:
    explicit DevicePixelPainter(QImage& image) : image_(image), ratio_(image.devicePixelRatio()) {
        image_.setDevicePixelRatio(1.0);
        painter_.begin(&image_);
    }
    ~DevicePixelPainter() {
        painter_.end();
        image_.setDevicePixelRatio(ratio_);
    }
    DevicePixelPainter(const DevicePixelPainter&) = delete;
    DevicePixelPainter& operator=(const DevicePixelPainter&) = delete;
    QPainter* operator->() { return &painter_; }

  private:
    QImage& image_;
    qreal ratio_;
    QPainter painter_;
};

}  // namespace

struct DrawingArea::Impl {
    QImage image;       // device pixels; its devicePixelRatio() is the ratio it is drawn at
    QSize logicalSize;  // what the image covers, in logical pixels
    QColor backColor = Qt::white;
    QColor foreColor = Qt::black;
    int drawWidth = 1;
    bool customScale = false;  // until setScale, the scale is the client area in twips
    double left = 0.0;
    double top = 0.0;
    double right = 1.0;
    double bottom = 1.0;
    ExportMenu* menu = nullptr;

    qreal ratio() const { return image.devicePixelRatio(); }  // 1 for the null image
    // Logical pixels to device pixels of the image.
    QPointF toDevice(QPointF logical) const { return logical * ratio(); }
    // A pen of drawWidth logical pixels, rounded to whole device pixels so that an aliased line
    // keeps one width along its length (at 150 % a 1-pixel line is 2 device pixels wide).
    QPen devicePen(const QColor& color) const {
        const int width = std::max(1, static_cast<int>(std::lround(drawWidth * ratio())));
        return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
};

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>()) {
    // A stop of the tab order, so that a window whose chain starts with its picture opens with the
    // picture focused and keys such as Space press no button; Ctrl+C copies from it.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    d_->menu = new ExportMenu(this);
}

DrawingArea::~DrawingArea() = default;

void DrawingArea::setScale(double left, double top, double right, double bottom) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) ||
        !std::isfinite(bottom)) {
        return;
    }
    // An axis of zero extent keeps its previous scale.
    if (right != left) {
        d_->left = left;
        d_->right = right;
    } else if (!d_->customScale) {
        d_->left = 0.0;
        d_->right = width() * double(kTwipsPerPixel);
    }
    if (bottom != top) {
        d_->top = top;
        d_->bottom = bottom;
    } else if (!d_->customScale) {
        d_->top = 0.0;
        d_->bottom = height() * double(kTwipsPerPixel);
    }
    d_->customScale = true;
}

double DrawingArea::scaleLeft() const {
    return d_->customScale ? d_->left : 0.0;
}
double DrawingArea::scaleTop() const {
    return d_->customScale ? d_->top : 0.0;
}
double DrawingArea::scaleRight() const {
    return d_->customScale ? d_->right : width() * double(kTwipsPerPixel);
}
double DrawingArea::scaleBottom() const {
    return d_->customScale ? d_->bottom : height() * double(kTwipsPerPixel);
}

void DrawingArea::setBackColor(const QColor& color) {
    d_->backColor = color;
    clear();
}

QColor DrawingArea::backColor() const {
    return d_->backColor;
}
void DrawingArea::setForeColor(const QColor& color) {
    d_->foreColor = color;
}
QColor DrawingArea::foreColor() const {
    return d_->foreColor;
}

void DrawingArea::clear() {
    const QSize size = d_->logicalSize.expandedTo(this->size());
    const qreal ratio = devicePixelRatioF();
    if (d_->logicalSize != size || d_->image.devicePixelRatio() != ratio) {
        d_->image = QImage(deviceSize(size, ratio), QImage::Format_RGB32);
        d_->image.setDevicePixelRatio(ratio);
        d_->logicalSize = size;
    }
    d_->image.fill(d_->backColor);
    update();
    cleared();
}

void DrawingArea::setDrawWidth(int pixels) {
    d_->drawWidth = std::max(pixels, 1);
}
int DrawingArea::drawWidth() const {
    return d_->drawWidth;
}

QPointF DrawingArea::toPixels(double x, double y) const {
    const double w = width();
    const double h = height();
    return QPointF((x - scaleLeft()) / (scaleRight() - scaleLeft()) * w,
                   (y - scaleTop()) / (scaleBottom() - scaleTop()) * h);
}

void DrawingArea::line(double x1, double y1, double x2, double y2, const QColor& color) {
    fitImage();
    QPointF a = d_->toDevice(toPixels(x1, y1));
    QPointF b = d_->toDevice(toPixels(x2, y2));
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y())) {
        return;
    }
    if (!clipSegment(a, b, -kClipMargin, -kClipMargin, d_->image.width() + kClipMargin,
                     d_->image.height() + kClipMargin)) {
        return;
    }
    const QPen pen = d_->devicePen(color);  // before the painter takes the ratio off
    DevicePixelPainter painter(d_->image);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(pen);
    const QPoint p1(static_cast<int>(std::lround(a.x())), static_cast<int>(std::lround(a.y())));
    const QPoint p2(static_cast<int>(std::lround(b.x())), static_cast<int>(std::lround(b.y())));
    if (p1 == p2) {
        painter->drawPoint(p1);
    } else {
        painter->drawLine(p1, p2);
    }
    update();
}

void DrawingArea::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, d_->foreColor);
}

void DrawingArea::circle(double cx, double cy, double radius, const QColor& color) {
    fitImage();
    const QPointF c = d_->toDevice(toPixels(cx, cy));
    const double unitsPerPixel = (scaleRight() - scaleLeft()) / width();
    const double r = std::abs(radius / unitsPerPixel) * d_->ratio();
    if (!std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(r)) {
        return;
    }
    const double w = d_->image.width();
    const double h = d_->image.height();
    // Skip circles that cannot touch the image (also keeps the rounding below in range).
    if (r > 1e6 || c.x() + r < -1.0 || c.y() + r < -1.0 || c.x() - r > w + 1.0 ||
        c.y() - r > h + 1.0) {
        return;
    }
    const QPen pen = d_->devicePen(color);  // before the painter takes the ratio off
    DevicePixelPainter painter(d_->image);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const QPoint center(static_cast<int>(std::lround(c.x())), static_cast<int>(std::lround(c.y())));
    const int ri = static_cast<int>(std::lround(r));
    if (ri == 0) {
        painter->drawPoint(center);
    } else {
        painter->drawEllipse(center, ri, ri);
    }
    update();
}

void DrawingArea::centredText(double x, double y, QPointF offset, const QFont& font,
                              const QString& text) {
    const QPointF at = toPixels(x, y) + offset;
    if (!std::isfinite(at.x()) || !std::isfinite(at.y()) || std::abs(at.x()) > kClipMargin ||
        std::abs(at.y()) > kClipMargin) {
        return;
    }
    fitImage();
    QPainter painter(&d_->image);  // logical coordinates; glyphs rendered at device resolution
    painter.setFont(font);
    painter.setPen(d_->foreColor);
    const QSizeF room(kClipMargin, kClipMargin);  // any name fits; nothing is clipped
    painter.drawText(QRectF(at - QPointF(room.width(), room.height()) / 2, room), Qt::AlignCenter,
                     text);
    update();
}

void DrawingArea::drawText(QPoint origin, const QFont& font, const QString& text) {
    fitImage();
    {
        QPainter painter(&d_->image);  // logical coordinates; glyphs rendered at device resolution
        painter.setFont(font);
        painter.setPen(d_->foreColor);
        painter.drawText(origin, text);
    }
    update();
}

void DrawingArea::copyToClipboard() const {
    copyPicture(image());
}

ExportMenu& DrawingArea::exportMenu() const {
    return *d_->menu;
}

void DrawingArea::enableSavePicture(bool on, const QString& proposedName) {
    d_->menu->enableSavePicture(on, proposedName);
}

void DrawingArea::disableMenu() {
    d_->menu->disable();
}

const QImage& DrawingArea::image() const {
    const_cast<DrawingArea*>(this)->fitImage();
    return d_->image;
}

void DrawingArea::fitImage() {
    const QSize size = d_->logicalSize.expandedTo(this->size());
    const qreal ratio = devicePixelRatioF();
    if (size == d_->logicalSize && ratio == d_->image.devicePixelRatio() && !d_->image.isNull()) {
        return;
    }
    QImage fitted(deviceSize(size, ratio), QImage::Format_RGB32);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(d_->backColor);
    if (!d_->image.isNull()) {
        // After a change of ratio the old drawing is scaled to its logical place, pixel by
        // pixel (no smoothing, so that it keeps its colours), until the window draws again.
        QPainter painter(&fitted);
        painter.drawImage(QRectF(QPointF(0, 0), d_->image.deviceIndependentSize()), d_->image);
    }
    d_->image = fitted;
    d_->logicalSize = size;
}

bool DrawingArea::event(QEvent* event) {
    // A move to a screen of another ratio, or a new ratio of the same screen (from Qt 6.6 on).
    if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    ) {
        fitImage();
        update();
    }
    return QWidget::event(event);
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    // The source rectangle is in device pixels: at the image's own ratio this is a plain copy.
    const qreal ratio = d_->ratio();
    painter.drawImage(
        QRectF(area), d_->image,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
    // Parts not yet covered by the image (before the first resize) show the background.
    const QRect outside = area.intersected(QRect(QPoint(0, 0), size()));
    const QRect covered(QPoint(0, 0), d_->logicalSize);
    if (!covered.contains(outside)) {
        QRegion rest(outside);
        rest -= QRegion(covered);
        for (const QRect& r : rest) {
            painter.fillRect(r, d_->backColor);
        }
    }
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    fitImage();
    QWidget::resizeEvent(event);
}

}  // namespace fourbar::ui
