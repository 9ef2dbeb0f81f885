// A drawing area with a persistent backing image, a user coordinate system and column-placed text.
#pragma once

#include <memory>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace fourbar::ui {

// Drawings build up in a backing image until a command clears them; paintEvent only copies the
// image to the screen, so the drawing survives being covered or hidden. Lines and circles are drawn
// without antialiasing, so that drawing a figure again in the background colour erases it wholly.
//
// The image has the screen's device pixel ratio: every coordinate, size and pen width here is in
// logical pixels (or user units), and the image holds logical size × ratio device pixels, so that
// at 200 % lines, circles and text are drawn at twice the resolution instead of being scaled up.
// Lines and circles are placed on the device pixel grid with pen widths rounded to whole device
// pixels (a 1-pixel line is 2 device pixels wide at 200 %, keeping the picture's proportions); at
// 100 % this is exactly the logical drawing.
//
// Its context menu holds "复制" (Ctrl+C while focused) and, where the window switches it on,
// "保存图片...".
class DrawingArea : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingArea(QWidget* parent = nullptr);
    ~DrawingArea() override;

    // User coordinates of the top-left and bottom-right corners; either axis may run either way.
    // A scale of zero extent on an axis is ignored.
    void setScale(double left, double top, double right, double bottom);
    double scaleLeft() const;
    double scaleTop() const;
    double scaleRight() const;
    double scaleBottom() const;

    // Setting the background colour clears the area (drawing and printed text).
    void setBackColor(const QColor& color);
    QColor backColor() const;
    void setForeColor(const QColor& color);  // colour of lines drawn without a colour of their own
    QColor foreColor() const;
    void
    clear();  // fills with the background colour, forgets the printed text, print position home

    void setDrawWidth(int pixels);  // pen width in pixels, at least 1
    int drawWidth() const;

    // Shapes in user coordinates. A circle's radius is in units of the x axis.
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    void line(double x1, double y1, double x2, double y2);  // in the foreground colour
    void circle(double cx, double cy, double radius, const QColor& color);
    // A name beside a point of a figure: `text` in the text font and the foreground colour, centred
    // `offset` logical pixels from the point (x, y) in user coordinates. Not printed text: it
    // takes no column, moves no print position and is not in the text copy.
    void centredText(double x, double y, QPointF offset, const QString& text);

    // Text output at character columns. Column n starts n - 1 average character widths of the
    // current text font from the left edge (columns 0 and 1 are both the edge; columns above
    // kMaxColumn count as kMaxColumn). A field that would start left of the current print
    // position goes to that column on the next line.
    // A non-empty `cell` (column width, line height; pixels) replaces the font's metrics, for a
    // face whose installed stand-in is shaped differently: the baseline then lies at 7/8 of the
    // line height, and a field advances the print position by its columns of the cell, a Chinese
    // character counting two.
    void setTextFont(const QFont& font, QSize cell = QSize());
    QFont textFont() const;
    void printAt(int column, const QString& text);
    static constexpr int kMaxColumn = 4096;  // far right of any area; keeps the text bounded
    void endLine();  // ends the current line; the next field starts on the next line

    // What the lines begun from now on are in the HTML copy of the printed text (a setting kept,
    // like the text font, until changed).
    enum class LineRole {
        Cells,     // one cell per field
        Headings,  // one heading cell per field
        Title,     // the fields joined by a blank in one cell as wide as the table
    };
    void setLineRole(LineRole role);
    // True once the next line would start at or below the area's bottom edge (cannot be seen).
    bool printPositionBelowBottom() const;

    // The printed text as plain lines, fields padded with blanks to their columns.
    QString printedText() const;
    QStringList printedLines() const;
    // The printed text as an HTML table (UTF-8 declared), so that a paste into a spreadsheet fills
    // cells: one row per line ended by endLine() (a field that went on to the next text line stays
    // in its row), one cell per field as printed, its blanks trimmed and its text escaped.
    QString printedHtml() const;

    // "复制": the picture as shown, as an image at device resolution; or, for an area that copies
    // text, its printed text as text/plain and, once a line is printed, as text/html
    // (printedHtml).
    void copyToClipboard() const;
    // Copy gives the printed text instead of the picture (the data listing), even when empty.
    void setCopiesText(bool on);
    // No context menu and no Ctrl+C: a fixed picture that is not the window's result.
    void disableMenu();

    // While held, the screen keeps showing the picture as it was, and copy and save take that
    // picture, so that a figure erased to be drawn again elsewhere is never seen half-done.
    void holdScreen(bool hold);
    // The picture as the screen shows it: image(), or the held one.
    const QImage& shownImage() const;

    // Adds "保存图片..." to the context menu (or takes it away); off until a window asks for it.
    // Its file dialog proposes `proposedName` ("运动线图.png").
    void enableSavePicture(bool on, const QString& proposedName = QString());
    // Writes the picture as a PNG at device resolution, through a temporary file: on failure a
    // message box names the file and the reason, no file is left, and the result is false.
    bool savePicture(const QString& fileName);
    // "保存图片...": asks for the file (PNG by default, ".png" added to a name without suffix)
    // and saves; cancelling writes nothing.
    void savePictureAs();

    // The backing image at device resolution (what paintEvent shows); its devicePixelRatio() is
    // the ratio it was drawn at.
    const QImage& image() const;
    // Maps user coordinates to logical pixel coordinates of the area.
    QPointF toPixels(double x, double y) const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Ends the text line and moves the print position to the start of the next one.
    void breakLine();
    // The image follows the widget's device pixel ratio and grows with the widget; it never loses
    // what is drawn (after a change of ratio, the drawing is rescaled).
    void fitImage();
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace fourbar::ui
