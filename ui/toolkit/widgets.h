// Creation of the windows' widgets at their twip positions, with their names, captions and fonts.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;
class QLabel;
class QGroupBox;
class QPushButton;
class QScrollBar;

namespace fourbar::ui {

class InputBox;
class DrawingArea;

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

// Buttons word-wrap their caption to their width, so tall narrow buttons stack it one character
// per line. Enter and Return press a focused button, as Space and the mouse do (clickOnEnter).
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                        const QFont& font);
// Labels wrap their caption the same way; setWordWrap(false) keeps it on one line, cut at the
// right edge.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                  const QFont& font);
// A frame's caption sits on its top line and takes only the top line height of its font.
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, TwipRect rect,
                     const QFont& font);
InputBox* makeInputBox(QWidget* parent, const char* name, TwipRect rect, const QFont& font);
DrawingArea* makeDrawingArea(QWidget* parent, const char* name, TwipRect rect);
QScrollBar* makeHorizontalScrollBar(QWidget* parent, const char* name, TwipRect rect, int minimum,
                                    int maximum, int value);

// Gives a top-level window its name, caption and fixed client size in twips. The size is that of
// the client area: a QMainWindow's caller adds the height of its menu bar.
void setupWindow(QWidget* window, const char* name, const QString& caption, int clientWidthTwips,
                 int clientHeightTwips);

}  // namespace fourbar::ui
