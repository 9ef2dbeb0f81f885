// Creation of the windows' widgets at their twip positions, with their names, captions and fonts.
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;
class QLabel;
class QPainter;
class QGroupBox;
class QPushButton;
class QScrollBar;

namespace fourbar::ui {

class InputBox;
class DrawingArea;
class ListingView;

// A twip rectangle relative to the parent's client area: left, top, width, height.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// The lines a button shows its caption in: wrapped at word boundaries, or between any two
// characters where a word (or Chinese text) does not fit `widthPixels`; blanks at line ends
// dropped.
QStringList wrapCaption(const QString& caption, const QFont& font, int widthPixels);

// One line of a caption as its widget paints it, in the widget's pixels: aligned in `rect`, or,
// where `baseline` is set, from the left of `rect` on that baseline.
struct CaptionLine {
    QString text;
    QRect rect;
    Qt::Alignment alignment;
    int baseline = -1;
};

// The lines the caption of a label, button or frame made here is painted in; empty for any other
// widget and for a label one pixel high. Each line is drawn with drawCaptionLine in the widget's
// font.
QList<CaptionLine> captionLines(const QWidget* widget);
void drawCaptionLine(QPainter& painter, const CaptionLine& line);

// The widget's place in its parent as laid out, in pixels: a label whose caption needs more room
// than its width is widened to the right (its geometry), and this keeps the laid-out rectangle.
QRect designGeometry(const QWidget* widget);

// Buttons word-wrap their caption to their width, so tall narrow buttons stack it one character
// per line. Enter and Return press a focused button, as Space and the mouse do (clickOnEnter).
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                        const QFont& font);
// Labels wrap their caption the same way where their height holds the wrapped lines (`wrap`
// false: never); otherwise the caption stays on one line, and the label is widened to the right
// as far as that line needs, so that no caption is cut. A label one pixel high shows none of its
// caption (text() keeps it) and keeps its width; its font is not loaded for it.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                  const QFont& font, bool wrap = true);
// A frame's caption sits on its top line and takes only the top line height of its font.
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                     const QFont& font);
InputBox* makeInputBox(QWidget* parent, const char* name, TwipRect rect, const QFont& font);
DrawingArea* makeDrawingArea(QWidget* parent, const char* name, TwipRect rect);
ListingView* makeListingView(QWidget* parent, const char* name, TwipRect rect);
QScrollBar* makeHorizontalScrollBar(QWidget* parent, const char* name, TwipRect rect, int minimum,
                                    int maximum, int value);

// Gives a top-level window its name and caption, and returns its client widget (named after the
// window with "Client" behind), of the fixed client size in twips, on which the window places its
// widgets. The client widget sits in a ClientArea: the window takes the client size (plus a
// QMainWindow's menu bar) and cannot be resized, and scrolls its client widget where the screen
// is too small for it. Read the client size from the client widget, not from the window.
QWidget* setupWindow(QWidget* window, const char* name, const QString& caption,
                     int clientWidthTwips, int clientHeightTwips);

}  // namespace fourbar::ui
