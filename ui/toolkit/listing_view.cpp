// A drawing area that prints a listing laid out in character cells, and copies it as text and HTML.
#include "ui/toolkit/listing_view.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/fonts.h"

namespace fourbar::ui {

namespace {

// Far right of any area; keeps the pixel positions bounded.
constexpr int kMaxColumn = 4096;

}  // namespace

ListingView::ListingView(QWidget* parent) : DrawingArea(parent) {
    const QFont font = defaultFont();
    const QFontMetrics metrics(font);
    setTextFont(font, QSize(metrics.averageCharWidth(), metrics.lineSpacing()));
}

void ListingView::setTextFont(const QFont& font, QSize cell) {
    font_ = font;
    cell_ = cell.expandedTo(QSize(1, 1));
}

void ListingView::print(const Line& line) {
    const int baseline = (cell_.height() * 7 + 4) / 8;
    for (const Field& field : line.fields) {
        const int x = std::clamp(field.column, 0, kMaxColumn) * cell_.width();
        const int y = top_ + std::clamp(field.line, 0, int(line.text.size())) * cell_.height();
        drawText(QPoint(x, y + baseline), font_, field.text);
    }
    top_ += int(line.text.size()) * cell_.height();
    printed_.append(line);
}

bool ListingView::isFull() const {
    return top_ >= height();
}

QStringList ListingView::lines() const {
    QStringList all;
    for (const Line& line : printed_) {
        all += line.text;
    }
    return all;
}

QString ListingView::text() const {
    QString all;
    for (const QString& lineText : lines()) {
        all += lineText;
        all += QLatin1Char('\n');
    }
    return all;
}

QString ListingView::html() const {
    qsizetype columns = 1;
    for (const Line& line : printed_) {
        if (line.role != LineRole::Title) {
            columns = std::max(columns, line.fields.size());
        }
    }
    auto cell = [](const char* tag, const QString& text, const QString& attributes = QString()) {
        return QStringLiteral("<%1%2>%3</%1>")
            .arg(QLatin1String(tag), attributes, text.trimmed().toHtmlEscaped());
    };
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n");
    for (const Line& line : printed_) {
        html += QLatin1String("<tr>");
        if (line.role == LineRole::Title) {
            QStringList texts;
            for (const Field& field : line.fields) {
                texts.append(field.text);
            }
            html += cell("td", texts.join(QLatin1Char(' ')),
                         QStringLiteral(" colspan=\"%1\"").arg(columns));
        } else {
            for (const Field& field : line.fields) {
                html += cell(line.role == LineRole::Headings ? "th" : "td", field.text);
            }
        }
        html += QLatin1String("</tr>\n");
    }
    html += QLatin1String("</table></body></html>\n");
    return html;
}

void ListingView::copyToClipboard() const {
    copyText(text(), printed_.isEmpty() ? QString() : html());
}

void ListingView::cleared() {
    top_ = 0;
    printed_.clear();
}

}  // namespace fourbar::ui
