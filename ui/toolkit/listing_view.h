// A drawing area that prints a text listing whose lines come laid out in character cells, and
// copies it as text and as an HTML table.
#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ui/toolkit/drawing_area.h"

namespace fourbar::ui {

// Lines are printed one below the other from the top edge, each field at its cell in the current
// text font. The caller lays the lines out (which text line of its listing line a field goes on,
// its cell, the text lines padded with blanks); the view only places them, so what it copies is
// exactly what the caller laid out. Clearing the area forgets the lines.
class ListingView : public DrawingArea {
    Q_OBJECT

  public:
    // What a line is in the HTML copy.
    enum class LineRole {
        Cells,     // one cell per field
        Headings,  // one heading cell per field
        Title,     // the fields joined by a blank in one cell as wide as the table
    };
    // A field of a listing line: on its text line `line` (from 0), `column` cells from the left
    // edge (from 0).
    struct Field {
        int line = 0;
        int column = 0;
        QString text;
    };
    // One line of the listing: its fields, and the text lines it shows (the fields padded with
    // blanks to their cells), which is what "复制" copies.
    struct Line {
        LineRole role = LineRole::Cells;
        QList<Field> fields;
        QStringList text;
    };

    explicit ListingView(QWidget* parent = nullptr);

    // The font of the lines printed from now on, set in a character cell of `cell` (column width
    // and line height, logical pixels, each at least 1) whatever the font's own advances: a face
    // whose installed stand-in is shaped differently keeps the listing's columns. The baseline
    // lies at 7/8 of the line height.
    void setTextFont(const QFont& font, QSize cell);
    QFont textFont() const { return font_; }
    QSize cell() const { return cell_; }

    // Prints `line` below the lines printed so far.
    void print(const Line& line);
    // True once the next line would start at or below the bottom edge, where it cannot be seen.
    bool isFull() const;

    // The text lines printed, and all of them as one text, each line ended by '\n'.
    QStringList lines() const;
    QString text() const;
    // The printed lines as an HTML table (UTF-8 declared), so that a paste into a spreadsheet fills
    // cells: one row per line, one cell per field, its blanks trimmed and its text escaped.
    QString html() const;
    // "复制": text() as text/plain and, once a line is printed, html() as text/html.
    void copyToClipboard() const override;

  protected:
    void cleared() override;

  private:
    QFont font_;
    QSize cell_{1, 1};
    int top_ = 0;  // logical pixels from the top edge to the next line
    QList<Line> printed_;
};

}  // namespace fourbar::ui
