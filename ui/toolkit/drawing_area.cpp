// A drawing area with a persistent backing image, a user coordinate system and column-placed text.
#include "ui/toolkit/drawing_area.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "ui/toolkit/fonts.h"
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

// Columns `text` takes in a character cell: wide (Chinese) characters take two, as in a face with
// half-width Latin characters, whatever the stand-in face's own advances are.
int cellColumns(const QString& text) {
    int columns = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        columns += wide ? 2 : 1;
    }
    return columns;
}

}  // namespace

struct DrawingArea::Impl {
    QImage image;
    QColor backColor = Qt::white;
    QColor foreColor = Qt::black;
    int drawWidth = 1;
    bool customScale = false;  // until setScale, the scale is the client area in twips
    double left = 0.0;
    double top = 0.0;
    double right = 1.0;
    double bottom = 1.0;

    QFont textFont = defaultFont();
    QSize textCell;  // empty: the text font's own average width and line spacing
    int lineHeight() const {
        return textCell.isValid() ? textCell.height() : QFontMetrics(textFont).lineSpacing();
    }
    int printX = 0;  // pixels from the left edge where the next field may start
    int printY = 0;  // pixels from the top of the current (or next) line
    bool lineOpen = false;
    QStringList lines;  // printed text, fields padded with blanks to their columns
};

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>()) {
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    const QSize size = d_->image.size().expandedTo(this->size());
    if (d_->image.size() != size) {
        d_->image = QImage(size, QImage::Format_RGB32);
    }
    d_->image.fill(d_->backColor);
    d_->printX = 0;
    d_->printY = 0;
    d_->lineOpen = false;
    d_->lines.clear();
    update();
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
    QPointF a = toPixels(x1, y1);
    QPointF b = toPixels(x2, y2);
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y())) {
        return;
    }
    growImage();
    if (!clipSegment(a, b, -kClipMargin, -kClipMargin, d_->image.width() + kClipMargin,
                     d_->image.height() + kClipMargin)) {
        return;
    }
    QPainter painter(&d_->image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, d_->drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPoint p1(static_cast<int>(std::lround(a.x())), static_cast<int>(std::lround(a.y())));
    const QPoint p2(static_cast<int>(std::lround(b.x())), static_cast<int>(std::lround(b.y())));
    if (p1 == p2) {
        painter.drawPoint(p1);
    } else {
        painter.drawLine(p1, p2);
    }
    update();
}

void DrawingArea::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, d_->foreColor);
}

void DrawingArea::circle(double cx, double cy, double radius, const QColor& color) {
    const QPointF c = toPixels(cx, cy);
    const double unitsPerPixel = (scaleRight() - scaleLeft()) / width();
    const double r = std::abs(radius / unitsPerPixel);
    if (!std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(r)) {
        return;
    }
    growImage();
    const double w = d_->image.width();
    const double h = d_->image.height();
    // Skip circles that cannot touch the image (also keeps the rounding below in range).
    if (r > 1e6 || c.x() + r < -1.0 || c.y() + r < -1.0 || c.x() - r > w + 1.0 ||
        c.y() - r > h + 1.0) {
        return;
    }
    QPainter painter(&d_->image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, d_->drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QPoint center(static_cast<int>(std::lround(c.x())), static_cast<int>(std::lround(c.y())));
    const int ri = static_cast<int>(std::lround(r));
    if (ri == 0) {
        painter.drawPoint(center);
    } else {
        painter.drawEllipse(center, ri, ri);
    }
    update();
}

void DrawingArea::setTextFont(const QFont& font, QSize cell) {
    d_->textFont = font;
    d_->textCell = cell.isEmpty() ? QSize() : cell;
}
QFont DrawingArea::textFont() const {
    return d_->textFont;
}

void DrawingArea::printAt(int column, const QString& text) {
    const QFontMetrics metrics(d_->textFont);
    const int col = std::clamp(column, 1, kMaxColumn);
    const bool cell = d_->textCell.isValid();
    const int x = (col - 1) * (cell ? d_->textCell.width() : metrics.averageCharWidth());
    const int baseline = cell ? (d_->textCell.height() * 7 + 4) / 8 : metrics.ascent();
    if (d_->lineOpen && x < d_->printX) {
        endLine();
    }
    if (!d_->lineOpen) {
        d_->lines.append(QString());
        d_->lineOpen = true;
    }
    growImage();
    {
        QPainter painter(&d_->image);
        painter.setFont(d_->textFont);
        painter.setPen(d_->foreColor);
        painter.drawText(QPoint(x, d_->printY + baseline), text);
    }
    d_->printX =
        x + (cell ? cellColumns(text) * d_->textCell.width() : metrics.horizontalAdvance(text));

    QString& lineText = d_->lines.last();
    const qsizetype start = col - 1;
    if (lineText.size() <= start) {
        lineText += QString(start - lineText.size(), QLatin1Char(' '));
    } else if (!lineText.isEmpty()) {
        lineText += QLatin1Char(' ');
    }
    lineText += text;
    update();
}

void DrawingArea::endLine() {
    if (!d_->lineOpen) {
        d_->lines.append(QString());  // an empty line
    }
    d_->lineOpen = false;
    d_->printX = 0;
    d_->printY += d_->lineHeight();
}

bool DrawingArea::printPositionBelowBottom() const {
    int nextTop = d_->printY;
    if (d_->lineOpen) {
        nextTop += d_->lineHeight();
    }
    return nextTop >= height();
}

QString DrawingArea::printedText() const {
    QString text;
    for (const QString& lineText : d_->lines) {
        text += lineText;
        text += QLatin1Char('\n');
    }
    return text;
}

QStringList DrawingArea::printedLines() const {
    return d_->lines;
}

void DrawingArea::copyPrintedText() const {
    QApplication::clipboard()->setText(printedText());
}

const QImage& DrawingArea::image() const {
    const_cast<DrawingArea*>(this)->growImage();
    return d_->image;
}

void DrawingArea::growImage() {
    const QSize size = d_->image.size().expandedTo(this->size());
    if (size == d_->image.size()) {
        return;
    }
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(d_->backColor);
    if (!d_->image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, d_->image);
    }
    d_->image = grown;
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), d_->image, area);
    // Parts not yet covered by the image (before the first resize) show the background.
    const QRect outside = area.intersected(QRect(QPoint(0, 0), size()));
    if (d_->image.width() < outside.right() + 1 || d_->image.height() < outside.bottom() + 1) {
        QRegion rest(outside);
        rest -= QRegion(d_->image.rect());
        for (const QRect& r : rest) {
            painter.fillRect(r, d_->backColor);
        }
    }
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    growImage();
    QWidget::resizeEvent(event);
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyPrintedText();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingArea::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("drawingAreaMenu"));
    QAction* copy = menu.addAction(QStringLiteral("复制"));
    copy->setObjectName(QStringLiteral("copyAction"));
    connect(copy, &QAction::triggered, this, &DrawingArea::copyPrintedText);
    menu.exec(event->globalPos());
}

}  // namespace fourbar::ui
