// Creation of the widgets a window's table declares.
#include "ui/toolkit/widget_table.h"

#include <QGroupBox>
#include <QLabel>

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/output_box.h"
#include "ui/toolkit/twips.h"

namespace fourbar::ui {

QWidget* createWidget(WidgetKind kind, QWidget* parent, const char* name, const char* caption,
                      TwipRect rect, FontSpec spec) {
    const QFont font = designFont(spec.face, spec.points);
    const QString text = QString::fromUtf8(caption);
    switch (kind) {
        case WidgetKind::Frame:
            return makeFrame(parent, name, text, rect, font);
        case WidgetKind::Label:
            return makeLabel(parent, name, text, rect, font);
        case WidgetKind::OneLineLabel:
            return makeLabel(parent, name, text, rect, font, false);
        case WidgetKind::Input:
            return makeInputBox(parent, name, rect, font);
        case WidgetKind::Output: {
            auto* box = new OutputBox(parent);
            box->setObjectName(QString::fromLatin1(name));
            box->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
            box->setFont(font);
            return box;
        }
        case WidgetKind::Button:
            return makeButton(parent, name, text, rect, font);
        case WidgetKind::Picture:
            return makeDrawingArea(parent, name, rect);
        case WidgetKind::Listing:
            return makeListingView(parent, name, rect);
        case WidgetKind::ScrollBar:
            return makeHorizontalScrollBar(parent, name, rect, 0, 0, 0);
    }
    return nullptr;
}

void chainTabOrder(std::vector<std::pair<int, QWidget*>> widgets) {
    std::stable_sort(widgets.begin(), widgets.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1].second, widgets[i].second);
    }
}

}  // namespace fourbar::ui
