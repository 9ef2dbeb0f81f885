// A drawing area: a persistent backing image at the screen's resolution, a user coordinate system
// and lines and circles drawn in it.
#pragma once

#include <memory>

#include <QColor>
#include <QImage>
#include <QWidget>

namespace fourbar::ui {

class ExportMenu;

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
// Its context menu (exportMenu()) holds "复制" (Ctrl+C in its window) and, where the window
// switches it on, "保存图片...".
class DrawingArea : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingArea(QWidget* parent = nullptr);
    ~DrawingArea() override;

    // User coordinates of the top-left and bottom-right corners; either axis may run either way.
    // A scale of zero extent on an axis is ignored. Until the first call the area measures in
    // twips from its top-left corner.
    void setScale(double left, double top, double right, double bottom);
    double scaleLeft() const;
    double scaleTop() const;
    double scaleRight() const;
    double scaleBottom() const;

    // Setting the background colour clears the area.
    void setBackColor(const QColor& color);
    QColor backColor() const;
    void setForeColor(const QColor& color);  // of lines drawn without a colour of their own, text
    QColor foreColor() const;
    void clear();  // fills the area with the background colour

    void setDrawWidth(int pixels);  // pen width in pixels, at least 1
    int drawWidth() const;

    // Shapes in user coordinates. A circle's radius is in units of the x axis.
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    void line(double x1, double y1, double x2, double y2);  // in the foreground colour
    void circle(double cx, double cy, double radius, const QColor& color);
    // A name beside a point of a figure: `text` in `font` and the foreground colour, centred
    // `offset` logical pixels from the point (x, y) in user coordinates.
    void centredText(double x, double y, QPointF offset, const QFont& font, const QString& text);

    // "复制": the picture as shown, as an image at device resolution.
    virtual void copyToClipboard() const;
    // The context menu and the actions behind it.
    ExportMenu& exportMenu() const;
    // Adds "保存图片..." to the context menu (or takes it away); off until a window asks for it.
    // Its file dialog proposes `proposedName` ("运动线图.png").
    void enableSavePicture(bool on, const QString& proposedName = QString());
    // No context menu and no Ctrl+C: a fixed picture that is not the window's result.
    void disableMenu();

    // The backing image at device resolution (what paintEvent shows); its devicePixelRatio() is
    // the ratio it was drawn at.
    const QImage& image() const;
    // Maps user coordinates to logical pixel coordinates of the area.
    QPointF toPixels(double x, double y) const;

  protected:
    // Draws `text` in `font` and the foreground colour with its baseline starting at `origin`
    // (logical pixels from the top-left corner); glyphs are rendered at device resolution.
    void drawText(QPoint origin, const QFont& font, const QString& text);
    // Called at the end of every clear(), for what a subclass keeps beside the picture.
    virtual void cleared() {}

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The image follows the widget's device pixel ratio and grows with the widget; it never loses
    // what is drawn (after a change of ratio, the drawing is rescaled).
    void fitImage();
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace fourbar::ui
