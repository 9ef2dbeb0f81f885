// The report's page layout and its painting: title, sections, figure, plots and the table with its
// headings on every page.
#include "ui/report/report_renderer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace fourbar::ui {

namespace {

// Page geometry, in page units (0.1 mm).
constexpr double kMargin = 200;
constexpr double kContentWidth = ReportRenderer::kPageWidth - 2 * kMargin;
constexpr double kContentTop = 200;
constexpr double kContentBottom = ReportRenderer::kPageHeight - 200;
constexpr double kHeaderBaseline = 140;
constexpr double kFooterTop = ReportRenderer::kPageHeight - 150;

constexpr double kTitleHeight = 175;
constexpr double kHeadingHeight = 80;
constexpr double kSectionRow = 42;
constexpr double kSectionGap = 25;
constexpr double kFigureBoxLeast = 600;  // the box's height on the first page at least
constexpr double kFigureBoxMost = 1300;  // and on a page of its own at most
constexpr double kCaptionLine = 46;
constexpr double kPlotHeight = 1200;
constexpr double kTableHeader = 92;
constexpr double kTableRow = 38;
constexpr double kTableNote = 60;

// Point sizes.
constexpr double kTitlePoints = 18;
constexpr double kHeadingPoints = 11;
constexpr double kBodyPoints = 9;
constexpr double kSmallPoints = 7.5;
constexpr double kPlotTitlePoints = 10;

const QColor kInk{0, 0, 0};
const QColor kRule{150, 150, 150};
const QColor kGrid{222, 222, 222};
const QColor kShade{238, 238, 238};
const QColor kReferenceColour{110, 110, 110};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QColor colour(const Rgb& c) {
    return {c.red, c.green, c.blue};
}

QPen pen(const QColor& c, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(c, width, style, Qt::FlatCap, Qt::RoundJoin);
    return p;
}

QPen seriesPen(const QColor& c, bool dashed) {
    QPen p = pen(c, 4.5);
    if (dashed) {
        // In pen widths: long dashes keep a dashed curve readable beside a solid one.
        p.setDashPattern({4, 2.5});
    }
    return p;
}

void drawText(QPainter& p, const QRectF& r, int flags, const QString& s, double points,
              bool bold = false) {
    p.setPen(kInk);
    p.setFont(reportFont(points, bold));
    p.drawText(r, flags, s);
}

double textWidth(const QString& s, double points, bool bold = false) {
    return QFontMetricsF(reportFont(points, bold)).horizontalAdvance(s);
}

double sectionHeight(const ReportSection& s, int pairsPerRow) {
    const auto rows = (s.lines.size() + pairsPerRow - 1) / pairsPerRow;
    return kHeadingHeight + static_cast<double>(rows) * kSectionRow + kSectionGap;
}

// The inputs are short: two per row.
int pairsPerRow(int section) {
    return section == 0 ? 2 : 1;
}

// The figure's height above and below its box: heading, and a caption line per position and one
// for the figure.
double figureFrame(const LinkageFigure& f) {
    const double captions = static_cast<double>(f.poses.size()) + 1;
    return kHeadingHeight + 20 + captions * kCaptionLine;
}

// A short sample of a curve's line, for legends.
void lineSample(QPainter& p, double x, double y, double length, const QPen& linePen) {
    p.setPen(linePen);
    p.drawLine(QPointF(x, y), QPointF(x + length, y));
}

}  // namespace

QFont reportFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Droid Sans Fallback")});
    // Page units are 0.1 mm; a point is 0.3528 mm.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 254.0 / 72.0))));
    font.setBold(bold);
    // Unhinted outlines: the layout measures the same widths the PDF shows.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

ReportRenderer::ReportRenderer(ReportModel model) : model_(std::move(model)) {
    layOut();
}

void ReportRenderer::newPage() {
    pages_.emplace_back();
    y_ = kContentTop;
}

void ReportRenderer::place(Block block, double height) {
    if (y_ + height > kContentBottom && !pages_.back().empty()) {
        newPage();
    }
    block.area = QRectF(kMargin, y_, kContentWidth, height);
    pages_.back().push_back(block);
    y_ += height;
}

void ReportRenderer::layOut() {
    newPage();
    place({.kind = BlockKind::Title}, kTitleHeight);
    const ReportSection* sections[] = {&model_.inputs, &model_.panel, &model_.further};
    for (int k = 0; k < 3; ++k) {
        if (!sections[k]->lines.empty()) {
            place({.kind = BlockKind::Section, .index = k},
                  sectionHeight(*sections[k], pairsPerRow(k)));
        }
    }
    // The figure fills the rest of the first page, or a page of its own when too little is left.
    const double frame = figureFrame(model_.figure);
    if (kContentBottom - y_ < frame + kFigureBoxLeast) {
        newPage();
    }
    place({.kind = BlockKind::Figure}, std::min(kContentBottom - y_, frame + kFigureBoxMost));

    // The plots start a page of their own, two to a page.
    newPage();
    place({.kind = BlockKind::PlotsHeading}, kHeadingHeight);
    for (int k = 0; k < static_cast<int>(model_.plots.size()); ++k) {
        place({.kind = BlockKind::Plot, .index = k}, kPlotHeight);
    }

    // The table too; each page repeats its headings.
    newPage();
    const int rows = static_cast<int>(model_.table.rows.size());
    const bool hasNote = !model_.table.note.empty();
    int first = 0;
    bool firstSlice = true;
    while (first < rows || firstSlice) {
        const double heading = firstSlice ? kHeadingHeight : 0;
        const double room = kContentBottom - y_ - heading - kTableHeader;
        const int fit = static_cast<int>(std::floor(room / kTableRow));
        if (fit < 1 && !pages_.back().empty()) {
            newPage();
            continue;
        }
        const int last = std::min(rows - 1, first + std::max(fit, 1) - 1);
        const bool note =
            hasNote && last == rows - 1 &&
            y_ + heading + kTableHeader + (last - first + 1) * kTableRow + kTableNote <=
                kContentBottom;
        const Block b{.kind = BlockKind::Table,
                      .index = firstSlice ? 1 : 0,
                      .first = first,
                      .last = last,
                      .withNote = note};
        place(b, heading + kTableHeader + (last - first + 1) * kTableRow + (note ? kTableNote : 0));
        if (last == rows - 1 && hasNote && !note) {
            // The note did not fit under the last rows: it goes on a page of its own.
            newPage();
            place({.kind = BlockKind::Table, .first = rows, .last = rows - 1, .withNote = true},
                  kTableHeader + kTableNote);
        }
        first = last + 1;
        firstSlice = false;
    }
}

void ReportRenderer::paintPage(QPainter& p, int page) const {
    if (page < 0 || page >= pageCount()) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintPageFrame(p, page);
    for (const Block& b : pages_[static_cast<std::size_t>(page)]) {
        switch (b.kind) {
            case BlockKind::Title:
                paintTitle(p, b.area);
                break;
            case BlockKind::Section:
                paintSection(p, b);
                break;
            case BlockKind::Figure:
                paintFigure(p, b.area);
                break;
            case BlockKind::PlotsHeading:
                drawText(p, b.area, Qt::AlignLeft | Qt::AlignVCenter, text(model_.plotsTitle),
                         kHeadingPoints, true);
                break;
            case BlockKind::Plot:
                paintPlot(p, model_.plots[static_cast<std::size_t>(b.index)], b.area);
                break;
            case BlockKind::Table:
                paintTable(p, b);
                break;
        }
    }
    p.restore();
}

void ReportRenderer::paintPageFrame(QPainter& p, int page) const {
    if (page > 0) {
        const QRectF header(kMargin, kHeaderBaseline - 50, kContentWidth, 50);
        drawText(p, header, Qt::AlignLeft | Qt::AlignBottom, text(model_.title), kSmallPoints);
        drawText(p, header, Qt::AlignRight | Qt::AlignBottom,
                 text(model_.mechanismName + "    " + model_.date), kSmallPoints);
        p.setPen(pen(kRule, 2));
        p.drawLine(QPointF(kMargin, kHeaderBaseline + 10),
                   QPointF(kMargin + kContentWidth, kHeaderBaseline + 10));
    }
    const QString number = QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(pageCount());
    drawText(p, QRectF(kMargin, kFooterTop, kContentWidth, 50), Qt::AlignHCenter | Qt::AlignTop,
             number, kSmallPoints);
}

void ReportRenderer::paintTitle(QPainter& p, const QRectF& area) const {
    drawText(p, QRectF(area.left(), area.top(), area.width(), 100), Qt::AlignCenter,
             text(model_.title), kTitlePoints, true);
    drawText(p, QRectF(area.left(), area.top() + 100, area.width(), 50),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("日期：") + text(model_.date),
             kBodyPoints);
    p.setPen(pen(kInk, 4));
    p.drawLine(QPointF(area.left(), area.top() + 165), QPointF(area.right(), area.top() + 165));
}

void ReportRenderer::paintSection(QPainter& p, const Block& b) const {
    const ReportSection* sections[] = {&model_.inputs, &model_.panel, &model_.further};
    const ReportSection& s = *sections[b.index];
    drawText(p, QRectF(b.area.left(), b.area.top(), b.area.width(), kHeadingHeight),
             Qt::AlignLeft | Qt::AlignVCenter, text(s.title), kHeadingPoints, true);
    const int pairs = pairsPerRow(b.index);
    const double pairWidth = b.area.width() / pairs;
    const double captionWidth = pairs > 1 ? pairWidth * 0.5 : pairWidth * 0.55;
    const double top = b.area.top() + kHeadingHeight;
    const int rows = static_cast<int>((s.lines.size() + pairs - 1) / pairs);
    for (int r = 0; r < rows; ++r) {
        const double y = top + r * kSectionRow;
        if (r % 2 == 0) {
            p.fillRect(QRectF(b.area.left(), y, b.area.width(), kSectionRow), kShade);
        }
        for (int c = 0; c < pairs; ++c) {
            const std::size_t k = static_cast<std::size_t>(r * pairs + c);
            if (k >= s.lines.size()) {
                break;
            }
            const double x = b.area.left() + c * pairWidth;
            p.setPen(kInk);
            drawText(p, QRectF(x + 25, y, captionWidth - 25, kSectionRow),
                     Qt::AlignLeft | Qt::AlignVCenter, text(s.lines[k].caption), kBodyPoints);
            drawText(p, QRectF(x + captionWidth, y, pairWidth - captionWidth - 25, kSectionRow),
                     Qt::AlignLeft | Qt::AlignVCenter, text(s.lines[k].text), kBodyPoints);
        }
    }
    p.setPen(pen(kRule, 2));
    p.drawLine(QPointF(b.area.left(), top), QPointF(b.area.right(), top));
    p.drawLine(QPointF(b.area.left(), top + rows * kSectionRow),
               QPointF(b.area.right(), top + rows * kSectionRow));
}

void ReportRenderer::paintFigure(QPainter& p, const QRectF& area) const {
    const LinkageFigure& f = model_.figure;
    drawText(p, QRectF(area.left(), area.top(), area.width(), kHeadingHeight),
             Qt::AlignLeft | Qt::AlignVCenter, text(f.title), kHeadingPoints, true);
    const QRectF box(area.left(), area.top() + kHeadingHeight, area.width(),
                     area.height() - figureFrame(f));
    p.setPen(pen(kRule, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);

    // To scale: the largest nice scale at which the linkage fits, leaving room for the names.
    const QRectF inner = box.adjusted(90, 70, -90, -70);
    const double spanX = std::max(f.upper.x - f.lower.x, 1e-9);
    const double spanY = std::max(f.upper.y - f.lower.y, 1e-9);
    const double need = std::max(spanX / (inner.width() / 10), spanY / (inner.height() / 10));
    const double denominator = drawingScaleDenominator(need, 1);
    const double k = 10 / denominator;  // page units per mm of linkage
    const QPointF centre = inner.center();
    const double midX = (f.lower.x + f.upper.x) / 2;
    const double midY = (f.lower.y + f.upper.y) / 2;
    const auto map = [&](ReportPoint q) {
        return QPointF(centre.x() + (q.x - midX) * k, centre.y() - (q.y - midY) * k);
    };

    p.save();
    p.setClipRect(box);
    p.setPen(pen(kReferenceColour, 2, Qt::DashDotLine));
    p.drawLine(map(f.a), map(f.d));
    p.setPen(pen(kInk, 2.5));
    for (const ReportSegment& s : f.ground) {
        p.drawLine(map(s.from), map(s.to));
    }
    if (f.coupler) {
        QPainterPath path;
        for (std::size_t i = 0; i < f.coupler->path.size(); ++i) {
            i == 0 ? path.moveTo(map(f.coupler->path[i])) : path.lineTo(map(f.coupler->path[i]));
        }
        p.setPen(pen(QColor(0, 130, 60), 3));
        p.drawPath(path);
    }
    constexpr double kJoint = 10;
    for (const LinkagePose& pose : f.poses) {
        p.setPen(seriesPen(kInk, pose.dashed));
        p.drawLine(map(f.a), map(pose.b));
        p.drawLine(map(pose.b), map(pose.c));
        p.drawLine(map(pose.c), map(f.d));
    }
    p.setBrush(Qt::white);
    p.setPen(pen(kInk, 3));
    std::vector<ReportPoint> joints{f.a, f.d};
    for (const LinkagePose& pose : f.poses) {
        joints.push_back(pose.b);
        joints.push_back(pose.c);
    }
    for (const ReportPoint& j : joints) {
        p.drawEllipse(map(j), kJoint, kJoint);
    }
    if (f.coupler) {
        p.setBrush(QColor(0, 130, 60));
        p.drawEllipse(map(f.coupler->point), kJoint, kJoint);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(kInk);
    for (const FigureLabel& label : f.labels) {
        const QPointF at = map(label.at) + QPointF(label.away.x * 45, -label.away.y * 45);
        drawText(p, QRectF(at.x() - 60, at.y() - 30, 120, 60), Qt::AlignCenter, text(label.text),
                 kBodyPoints, true);
    }
    p.restore();

    // One line per position, with its line style, then the caption with the scale.
    double y = box.bottom() + 20;
    for (const LinkagePose& pose : f.poses) {
        lineSample(p, area.left() + 25, y + kCaptionLine / 2, 120, seriesPen(kInk, pose.dashed));
        p.setPen(kInk);
        drawText(p, QRectF(area.left() + 170, y, area.width() - 170, kCaptionLine),
                 Qt::AlignLeft | Qt::AlignVCenter, text(pose.caption), kBodyPoints);
        y += kCaptionLine;
    }
    drawText(p, QRectF(area.left(), y, area.width(), kCaptionLine), Qt::AlignCenter,
             text(f.caption + "（" + drawingScaleText(denominator) + "）"), kBodyPoints);
}

void ReportRenderer::paintPlot(QPainter& p, const ReportPlot& plot, const QRectF& area) const {
    constexpr double kTitle = 80;
    constexpr double kTickText = 50;
    constexpr double kAxisTitle = 55;
    constexpr double kLegendRow = 48;
    constexpr double kLegendRows = 2;
    constexpr double kTick = 14;

    drawText(p, QRectF(area.left(), area.top(), area.width(), kTitle), Qt::AlignCenter,
             text(plot.title), kPlotTitlePoints, true);
    double tickTextWidth = 0;
    for (const PlotTick& t : plot.y.ticks) {
        tickTextWidth = std::max(tickTextWidth, textWidth(text(t.text), kSmallPoints));
    }
    const double left = area.left() + kAxisTitle + tickTextWidth + 35;
    const double right = area.right() - 30;
    const double top = area.top() + kTitle + 10;
    const double bottom =
        area.bottom() - kLegendRows * kLegendRow - kAxisTitle - kTickText - kTick - 20;
    const QRectF frame(left, top, right - left, bottom - top);
    const auto px = [&](double x) {
        return left + (x - plot.x.min) / (plot.x.max - plot.x.min) * frame.width();
    };
    const auto py = [&](double y) {
        return bottom - (y - plot.y.min) / (plot.y.max - plot.y.min) * frame.height();
    };

    // Grid, ticks and their values.
    p.setFont(reportFont(kSmallPoints));
    for (const PlotTick& t : plot.x.ticks) {
        const double x = px(t.value);
        p.setPen(pen(kGrid, 1.5));
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
        p.setPen(pen(kInk, 2));
        p.drawLine(QPointF(x, bottom), QPointF(x, bottom + kTick));
        p.drawText(QRectF(x - 150, bottom + kTick, 300, kTickText),
                   Qt::AlignHCenter | Qt::AlignVCenter, text(t.text));
    }
    for (const PlotTick& t : plot.y.ticks) {
        const double y = py(t.value);
        p.setPen(pen(t.value == 0 ? kRule : kGrid, 1.5));
        p.drawLine(QPointF(left, y), QPointF(right, y));
        p.setPen(pen(kInk, 2));
        p.drawLine(QPointF(left - kTick, y), QPointF(left, y));
        p.drawText(QRectF(left - kTick - 10 - tickTextWidth, y - 25, tickTextWidth, 50),
                   Qt::AlignRight | Qt::AlignVCenter, text(t.text));
    }

    // The curves and the reference lines, clipped to the frame.
    p.save();
    p.setClipRect(frame);
    for (const PlotReference& r : plot.references) {
        p.setPen(pen(kReferenceColour, 3, Qt::DashDotLine));
        p.drawLine(QPointF(left, py(r.value)), QPointF(right, py(r.value)));
    }
    for (const PlotSeries& s : plot.series) {
        p.setPen(seriesPen(colour(s.colour), s.dashed));
        for (const auto& run : s.runs) {
            QPainterPath path(QPointF(px(run.front().x), py(run.front().y)));
            for (std::size_t i = 1; i < run.size(); ++i) {
                path.lineTo(px(run[i].x), py(run[i].y));
            }
            p.drawPath(path);
        }
    }
    p.restore();
    p.setPen(pen(kInk, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);

    // Axis titles.
    p.setPen(kInk);
    drawText(p, QRectF(left, bottom + kTick + kTickText, frame.width(), kAxisTitle),
             Qt::AlignCenter, text(plot.x.title), kBodyPoints);
    p.save();
    p.translate(area.left() + kAxisTitle / 2, frame.center().y());
    p.rotate(-90);
    drawText(p, QRectF(-frame.height() / 2, -kAxisTitle / 2, frame.height(), kAxisTitle),
             Qt::AlignCenter, text(plot.y.title), kBodyPoints);
    p.restore();

    // The legend, entries flowing across and wrapping onto a second row.
    struct Entry {
        QString name;
        QPen linePen;
    };
    std::vector<Entry> entries;
    for (const PlotSeries& s : plot.series) {
        entries.push_back({text(s.name), seriesPen(colour(s.colour), s.dashed)});
    }
    for (const PlotReference& r : plot.references) {
        entries.push_back({text(r.label), pen(kReferenceColour, 3, Qt::DashDotLine)});
    }
    constexpr double kSample = 110;
    double x = left;
    double y = area.bottom() - kLegendRows * kLegendRow;
    for (const Entry& e : entries) {
        const double width = kSample + 20 + textWidth(e.name, kBodyPoints) + 60;
        if (x + width > right && x > left) {
            x = left;
            y += kLegendRow;
        }
        lineSample(p, x, y + kLegendRow / 2, kSample, e.linePen);
        p.setPen(kInk);
        drawText(p, QRectF(x + kSample + 20, y, width, kLegendRow),
                 Qt::AlignLeft | Qt::AlignVCenter, e.name, kBodyPoints);
        x += width;
    }
}

void ReportRenderer::paintTable(QPainter& p, const Block& b) const {
    const ReportTable& t = model_.table;
    double y = b.area.top();
    if (b.index == 1) {
        drawText(p, QRectF(b.area.left(), y, b.area.width(), kHeadingHeight),
                 Qt::AlignLeft | Qt::AlignVCenter, text(t.title), kHeadingPoints, true);
        y += kHeadingHeight;
    }
    const std::size_t columns = t.columns.size();
    const double width = b.area.width() / static_cast<double>(std::max<std::size_t>(columns, 1));
    const auto cell = [&](std::size_t c, double top, double height) {
        return QRectF(b.area.left() + static_cast<double>(c) * width + 12, top, width - 24, height);
    };

    // The headings, on every page: the quantity, then its unit.
    p.fillRect(QRectF(b.area.left(), y, b.area.width(), kTableHeader), kShade);
    p.setPen(kInk);
    for (std::size_t c = 0; c < columns; ++c) {
        drawText(p, cell(c, y + 4, kTableHeader / 2), Qt::AlignCenter, text(t.columns[c].heading),
                 kSmallPoints, true);
        if (!t.columns[c].unit.empty()) {
            drawText(p, cell(c, y + kTableHeader / 2 - 4, kTableHeader / 2), Qt::AlignCenter,
                     QStringLiteral("（") + text(t.columns[c].unit) + QStringLiteral("）"),
                     kSmallPoints);
        }
    }
    p.setPen(pen(kInk, 3));
    p.drawLine(QPointF(b.area.left(), y), QPointF(b.area.right(), y));
    y += kTableHeader;
    p.drawLine(QPointF(b.area.left(), y), QPointF(b.area.right(), y));

    p.setFont(reportFont(kSmallPoints));
    const double decimalsWidth = textWidth(QStringLiteral(".00"), kSmallPoints);
    for (int r = b.first; r <= b.last; ++r) {
        const auto& row = t.rows[static_cast<std::size_t>(r)];
        const RowRule rule = static_cast<std::size_t>(r) < t.rules.size()
                                 ? t.rules[static_cast<std::size_t>(r)]
                                 : RowRule::None;
        if (r > b.first && rule != RowRule::None) {
            p.setPen(rule == RowRule::Strong ? pen(kRule, 3) : pen(kGrid, 1.5));
            p.drawLine(QPointF(b.area.left(), y), QPointF(b.area.right(), y));
        }
        p.setPen(kInk);
        for (std::size_t c = 0; c < row.size() && c < columns; ++c) {
            const QRectF r = cell(c, y, kTableRow);
            const QString value = text(row[c]);
            // A column without unit holds words; numbers line up on their decimal points.
            if (t.columns[c].unit.empty()) {
                p.drawText(r, Qt::AlignHCenter | Qt::AlignVCenter, value);
                continue;
            }
            const double anchor = r.right() - decimalsWidth;
            const qsizetype point = value.indexOf(QLatin1Char('.'));
            const QString whole = point < 0 ? value : value.left(point);
            if (!whole.isEmpty()) {
                p.drawText(QRectF(r.left(), y, anchor - r.left(), kTableRow),
                           Qt::AlignRight | Qt::AlignVCenter, whole);
            }
            if (point >= 0) {
                p.drawText(QRectF(anchor, y, r.right() - anchor, kTableRow),
                           Qt::AlignLeft | Qt::AlignVCenter, value.mid(point));
            }
        }
        y += kTableRow;
    }
    p.setPen(pen(kInk, 3));
    p.drawLine(QPointF(b.area.left(), y), QPointF(b.area.right(), y));
    if (b.withNote) {
        p.setPen(kInk);
        drawText(p, QRectF(b.area.left(), y + 10, b.area.width(), kTableNote - 10),
                 Qt::AlignLeft | Qt::AlignVCenter, text(t.note), kSmallPoints);
    }
}

QByteArray reportPdf(const ReportModel& model) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const ReportRenderer renderer(model);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(text(model.title));
        writer.setCreator(QStringLiteral("fourbar"));
        QPainter painter(&writer);
        // The writer's device units per page unit (0.1 mm).
        const double scale = writer.resolution() / 254.0;
        for (int page = 0; page < renderer.pageCount(); ++page) {
            if (page > 0) {
                writer.newPage();
            }
            painter.save();
            painter.scale(scale, scale);
            renderer.paintPage(painter, page);
            painter.restore();
        }
        painter.end();
    }
    return bytes;
}

}  // namespace fourbar::ui
