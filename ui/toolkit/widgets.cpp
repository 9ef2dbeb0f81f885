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

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/enter_click.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/twips.h"

namespace fourbar::ui {

namespace {

// Blank pixels kept free of the caption on each side of a button, inside its border.
constexpr int kButtonTextMargin = 3;

// A push button that paints its caption wrapped to its width; text() stays the caption as given.
class WrappingButton : public QPushButton {
  public:
    WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);

        const QStringList lines = wrapCaption(text(), font(), width() - 2 * kButtonTextMargin);
        const QFontMetrics metrics(font());
        const int lineHeight = metrics.lineSpacing();
        int y = (height() - lineHeight * int(lines.size())) / 2;
        if (isDown()) {
            y += style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this);
        }
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        for (const QString& lineText : lines) {
            painter.drawText(QRect(0, y, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                             lineText);
            y += lineHeight;
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

// A label that paints its caption wrapped to its width at the line spacing of its own font, so a
// Chinese caption in a Latin font keeps the line height of that font and a tall narrow label shows
// all of its characters; text() stays the caption as given.
class WrappingLabel : public QLabel {
  public:
    WrappingLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QStringList lines =
            wordWrap() ? wrapCaption(text(), font(), area.width()) : QStringList{text()};
        const int lineHeight = QFontMetrics(font()).lineSpacing();
        const int textHeight = lineHeight * int(lines.size());
        int y = area.top();
        if (alignment() & Qt::AlignVCenter) {
            y += (area.height() - textHeight) / 2;
        } else if (alignment() & Qt::AlignBottom) {
            y += area.height() - textHeight;
        }
        const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        for (const QString& lineText : lines) {
            painter.drawText(QRect(area.left(), y, area.width(), lineHeight),
                             int(horizontal | Qt::AlignVCenter), lineText);
            y += lineHeight;
        }
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

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        // Chinese captions are drawn by a fallback font whose glyphs reach above the frame font's
        // ascent: the baseline goes low enough that the tallest glyph still starts at the top.
        const QRect ink = metrics.tightBoundingRect(title());
        const int baseline = std::max(metrics.ascent(), -ink.top());
        const int height = baseline + std::max(metrics.descent(), ink.bottom() + 1);
        // An etched line through the middle of the caption (the style's group box frame would
        // move itself below the caption).
        qDrawShadeRect(&painter, rect().adjusted(0, height / 2, 0, 0), palette(), true);
        const QRect caption(
            kFrameCaptionLeft, 0,
            std::min(metrics.horizontalAdvance(title()), width() - 2 * kFrameCaptionLeft), height);
        painter.fillRect(caption, palette().brush(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.setClipRect(caption);
        painter.drawText(QPoint(kFrameCaptionLeft, baseline), title());
    }
};

template <typename W>
W* place(W* widget, const char* name, TwipRect rect) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
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

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                        const QFont& font) {
    auto* button = place<QPushButton>(new WrappingButton(caption, parent), name, rect, font);
    clickOnEnter(button);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                  const QFont& font) {
    auto* label = place<QLabel>(new WrappingLabel(caption, parent), name, rect, font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

void setupWindow(QWidget* window, const char* name, const QString& caption, int clientWidthTwips,
                 int clientHeightTwips) {
    window->setObjectName(QString::fromUtf8(name));
    window->setWindowTitle(caption);
    window->setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
}

}  // namespace fourbar::ui
