// Drawing the analysis report with QPainter: A4 pages laid out once and painted one by one, so that
// a PDF and a preview on screen show the same pages.
#pragma once

#include <QFont>
#include <QRectF>
#include <vector>

#include "core/report_model.h"

class QPainter;

namespace fourbar::ui {

// The report's font at `points` (in page units, so independent of any screen): Liberation Sans for
// Latin, Greek and digits, Droid Sans Fallback for Chinese. Droid's glyphs map back to the
// ideographs they show; with Noto Sans CJK, Qt's PDF writer lets readers extract some ideographs
// as look-alike radicals ("⻆" for "角"), so that a search for "角速度" finds nothing.
QFont reportFont(double points, bool bold = false);

class ReportRenderer {
  public:
    // Page units are tenths of a millimetre: an A4 page is 2100 x 2970, y down from the top-left
    // corner.
    static constexpr double kPageWidth = 2100;
    static constexpr double kPageHeight = 2970;

    // Lays the report out into pages.
    explicit ReportRenderer(ReportModel model);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Paints page `page` (0 for the first) with `painter` set up in page units.
    void paintPage(QPainter& painter, int page) const;

  private:
    enum class BlockKind { Title, Section, Figure, PlotsHeading, Plot, Table };
    // A piece of the report placed on a page: `index` is the section (0 inputs, 1 panel, 2 further
    // results) or the plot; a table block holds rows first..last.
    struct Block {
        BlockKind kind = BlockKind::Title;
        QRectF area = {};
        int index = 0;
        int first = 0;
        int last = -1;
        bool withNote = false;
    };

    void layOut();
    void place(Block block, double height);
    void newPage();

    void paintTitle(QPainter& p, const QRectF& area) const;
    void paintSection(QPainter& p, const Block& b) const;
    void paintFigure(QPainter& p, const QRectF& area) const;
    void paintPlot(QPainter& p, const ReportPlot& plot, const QRectF& area) const;
    void paintTable(QPainter& p, const Block& b) const;
    void paintPageFrame(QPainter& p, int page) const;

    ReportModel model_;
    std::vector<std::vector<Block>> pages_;
    double y_ = 0;  // the layout's cursor on the last page
};

// The report as a PDF: A4 pages, vector graphics, selectable text, embedded fonts.
QByteArray reportPdf(const ReportModel& model);

}  // namespace fourbar::ui
