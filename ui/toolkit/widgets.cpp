// Creation of the windows' widgets at their twip positions, with their names, captions and fonts.
#include "ui/toolkit/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include "ui/toolkit/drawing_area.h"
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
        const QStringList lines = wrapCaption(text(), font(), area.width());
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

template <typename W>
W* place(W* widget, const char* name, TwipRect rect, const QFont& font) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
    widget->setFont(font);
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
    return lines;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                        const QFont& font) {
    return place<QPushButton>(new WrappingButton(caption, parent), name, rect, font);
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
    return place(new QGroupBox(caption, parent), name, rect, font);
}

InputBox* makeInputBox(QWidget* parent, const char* name, TwipRect rect, const QFont& font) {
    return place(new InputBox(parent), name, rect, font);
}

DrawingArea* makeDrawingArea(QWidget* parent, const char* name, TwipRect rect) {
    auto* area = new DrawingArea(parent);
    area->setObjectName(QString::fromUtf8(name));
    area->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
    return area;
}

QScrollBar* makeHorizontalScrollBar(QWidget* parent, const char* name, TwipRect rect, int minimum,
                                    int maximum, int value) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

void setupWindow(QWidget* window, const char* name, const QString& caption, int clientWidthTwips,
                 int clientHeightTwips) {
    window->setObjectName(QString::fromUtf8(name));
    window->setWindowTitle(caption);
    window->setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
}

}  // namespace fourbar::ui
