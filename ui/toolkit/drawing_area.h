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
    // True once the next line would start at or below the area's bottom edge (cannot be seen).
    bool printPositionBelowBottom() const;

    // The printed text as plain lines, fields padded with blanks to their columns.
    QString printedText() const;
    QStringList printedLines() const;
    void copyPrintedText() const;  // to the clipboard; Ctrl+C and the context menu item "复制"

    // The backing image (what paintEvent shows).
    const QImage& image() const;
    // Maps user coordinates to pixel coordinates of the backing image.
    QPointF toPixels(double x, double y) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void growImage();  // the image grows with the widget and never loses what is drawn
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace fourbar::ui
