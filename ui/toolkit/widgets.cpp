// Creation of the windows' widgets at their twip positions, with their names, captions and fonts.
#include "ui/toolkit/widgets.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "ui/toolkit/client_area.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/enter_click.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/twips.h"

namespace fourbar::ui {

namespace {

// Blank pixels kept free of the caption on each side of a button, inside its border.
constexpr int kButtonTextMargin = 3;

// A push button that paints its caption wrapped to its width; text() stays the caption as given.
class WrappingButton : public QPushButton {
  public:
    WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

    // The lines centred one below the other, the block centred in the button's height.
    QList<CaptionLine> captionLayout() const {
        const QStringList lines = wrapCaption(text(), font(), width() - 2 * kButtonTextMargin);
        const int lineHeight = QFontMetrics(font()).lineSpacing();
        int y = (height() - lineHeight * int(lines.size())) / 2;
        if (isDown()) {
            QStyleOptionButton option;
            initStyleOption(&option);
            y += style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this);
        }
        QList<CaptionLine> layout;
        for (const QString& lineText : lines) {
            layout.append(
                {lineText, QRect(0, y, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter});
            y += lineHeight;
        }
        return layout;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        for (const CaptionLine& line : captionLayout()) {
            drawCaptionLine(painter, line);
        }
    }
};

// A horizontal scroll bar whose Right arrow raises the value and Left lowers it, as dragging the
// thumb right and left does. QScrollBar inverts its controls so that PageUp scrolls up, and that
// turns the Left and Right arrows round as well.
class HorizontalScrollBar : public QScrollBar {
  public:
    explicit HorizontalScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Right && event->key() != Qt::Key_Left) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
    }
};

// A label that paints its caption at the line spacing of its own font, so a Chinese caption in a
// Latin font keeps the line height of that font; text() stays the caption as given. A label tall
// enough for its caption wrapped to its width shows it so (a tall narrow label stacks it); any
// other shows it on one line, and is made wide enough for that line when it is placed. A label one
// pixel high shows none of its caption and keeps its width.
class WrappingLabel : public QLabel {
  public:
    WrappingLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

    QList<CaptionLine> captionLayout() const {
        const QRect area = contentsRect();
        const QStringList lines = this->lines();
        if (lines.isEmpty()) {
            return {};
        }
        const int lineHeight = QFontMetrics(font()).lineSpacing();
        const int textHeight = lineHeight * int(lines.size());
        int y = area.top();
        if (alignment() & Qt::AlignVCenter) {
            y += (area.height() - textHeight) / 2;
        } else if (alignment() & Qt::AlignBottom) {
            y += area.height() - textHeight;
        }
        const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
        QList<CaptionLine> layout;
        for (const QString& lineText : lines) {
            layout.append({lineText, QRect(area.left(), y, area.width(), lineHeight),
                           horizontal | Qt::AlignVCenter});
            y += lineHeight;
        }
        return layout;
    }

    // Widens the label to the right, where its caption needs more than its width; the left edge,
    // the top and the height stay.
    void extendToCaption() {
        const QFontMetricsF metrics(font());
        qreal right = 0;
        for (const QString& line : lines()) {
            // The ink can reach past the advance (an italic end, a wide fallback glyph).
            right = std::max(
                {right, metrics.horizontalAdvance(line), metrics.tightBoundingRect(line).right()});
        }
        const int needed = int(std::ceil(right)) + width() - contentsRect().width();
        if (needed > width()) {
            resize(needed, height());
        }
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        for (const CaptionLine& line : captionLayout()) {
            drawCaptionLine(painter, line);
        }
    }

  private:
    QStringList lines() const {
        const QRect area = contentsRect();
        // No line of the caption would show above the pixel row such a label clips it to, and
        // shaping it would load its font for nothing (the main window's Label3, 15 twips high,
        // is the only label in its window's own font).
        if (area.height() <= 1) {
            return {};
        }
        if (wordWrap()) {
            const QStringList wrapped = wrapCaption(text(), font(), area.width());
            if (QFontMetrics(font()).lineSpacing() * wrapped.size() <= area.height()) {
                return wrapped;
            }
        }
        // Blanks after the last character take no room on a line of their own.
        QString line = text();
        while (!line.isEmpty() && line.back().isSpace()) {
            line.chop(1);
        }
        return {line};
    }
};

// Pixels from the frame's left edge to its caption.
constexpr int kFrameCaptionLeft = 6;

// A frame whose caption sits on its top line, as in the classic toolkit: the caption takes only
// the top line height of its font, so children placed just below the top edge leave it readable.
// Qt's own group box puts the caption above the line and the line lower down, under the children.
class Frame : public QGroupBox {
  public:
    Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

    // One line on the caption's baseline; `rect` is the band the caption takes on the top line.
    CaptionLine captionLine() const {
        const QFontMetrics metrics(font());
        // Chinese captions are drawn by a fallback font whose glyphs reach above the frame font's
        // ascent: the baseline goes low enough that the tallest glyph still starts at the top.
        const QRect ink = metrics.tightBoundingRect(title());
        const int baseline = std::max(metrics.ascent(), -ink.top());
        const int height = baseline + std::max(metrics.descent(), ink.bottom() + 1);
        const QRect band(
            kFrameCaptionLeft, 0,
            std::min(metrics.horizontalAdvance(title()), width() - 2 * kFrameCaptionLeft), height);
        return {title(), band, {}, baseline};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const CaptionLine caption = captionLine();
        // An etched line through the middle of the caption (the style's group box frame would
        // move itself below the caption).
        qDrawShadeRect(&painter, rect().adjusted(0, caption.rect.height() / 2, 0, 0), palette(),
                       true);
        painter.fillRect(caption.rect, palette().brush(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.setClipRect(caption.rect);
        drawCaptionLine(painter, caption);
    }
};

// The property that keeps a widget's place as laid out, in pixels, when its caption widens it.
constexpr char kDesignGeometry[] = "designGeometry";

template <typename W>
W* place(W* widget, const char* name, TwipRect rect) {
    widget->setObjectName(QString::fromUtf8(name));
    const QRect geometry = twipsRect(rect.left, rect.top, rect.width, rect.height);
    widget->setGeometry(geometry);
    widget->setProperty(kDesignGeometry, geometry);
    return widget;
}

template <typename W>
W* place(W* widget, const char* name, TwipRect rect, const QFont& font) {
    place(widget, name, rect)->setFont(font);
    return widget;
}

}  // namespace

QStringList wrapCaption(const QString& caption, const QFont& font, int widthPixels) {
    QStringList lines;
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(std::max(widthPixels, 1));
        QString text = caption.mid(line.textStart(), line.textLength());
        while (!text.isEmpty() && text.back().isSpace()) {
            text.chop(1);
        }
        lines.append(text);
    }
    layout.endLayout();
    // A run of blanks that fills a whole line of a wrapped caption would only push the characters
    // out of a narrow button ("       显  示       ").
    if (lines.size() > 1) {
        lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    }
    return lines;
}

void drawCaptionLine(QPainter& painter, const CaptionLine& line) {
    if (line.baseline >= 0) {
        painter.drawText(QPoint(line.rect.left(), line.baseline), line.text);
    } else {
        // Only the widget's edges may limit a caption, not the line's band.
        painter.drawText(line.rect, int(line.alignment) | Qt::TextDontClip, line.text);
    }
}

QList<CaptionLine> captionLines(const QWidget* widget) {
    if (const auto* label = dynamic_cast<const WrappingLabel*>(widget)) {
        return label->captionLayout();
    }
    if (const auto* button = dynamic_cast<const WrappingButton*>(widget)) {
        return button->captionLayout();
    }
    if (const auto* frame = dynamic_cast<const Frame*>(widget)) {
        return {frame->captionLine()};
    }
    return {};
}

QRect designGeometry(const QWidget* widget) {
    const QVariant designed = widget->property(kDesignGeometry);
    return designed.isValid() ? designed.toRect() : widget->geometry();
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                        const QFont& font) {
    auto* button = place<QPushButton>(new WrappingButton(caption, parent), name, rect, font);
    clickOnEnter(button);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                  const QFont& font, bool wrap) {
    auto* label = place(new WrappingLabel(caption, parent), name, rect, font);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A label has no behaviour: where its caption reaches over a neighbour, the clicks still go to
    // the neighbour.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->extendToCaption();
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                     const QFont& font) {
    return place<QGroupBox>(new Frame(caption, parent), name, rect, font);
}

InputBox* makeInputBox(QWidget* parent, const char* name, TwipRect rect, const QFont& font) {
    return place(new InputBox(parent), name, rect, font);
}

DrawingArea* makeDrawingArea(QWidget* parent, const char* name, TwipRect rect) {
    return place(new DrawingArea(parent), name, rect);
}

ListingView* makeListingView(QWidget* parent, const char* name, TwipRect rect) {
    return place(new ListingView(parent), name, rect);
}

QScrollBar* makeHorizontalScrollBar(QWidget* parent, const char* name, TwipRect rect, int minimum,
                                    int maximum, int value) {
    auto* bar = place<QScrollBar>(new HorizontalScrollBar(parent), name, rect);
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // A tab stop whose arrow keys move it one step, as a drag does.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QWidget* setupWindow(QWidget* window, const char* name, const QString& caption,
                     int clientWidthTwips, int clientHeightTwips) {
    window->setObjectName(QString::fromUtf8(name));
    window->setWindowTitle(caption);
    auto* client = new QWidget(window);
    client->setObjectName(window->objectName() + QStringLiteral("Client"));
    client->setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
    new ClientArea(window, client);
    return client;
}

}  // namespace fourbar::ui
