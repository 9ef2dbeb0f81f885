// The design window: its widgets, the request read and refused or solved, the solution list, and
// the construction core lays out, painted.
#include "ui/design/design_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <utility>

#include "core/design_view.h"
#include "core/messages.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

// Client size at layout, twips.
constexpr int kClientWidth = 10200;
constexpr int kClientHeight = 6450;

// Pixels kept free around the construction for the names of its points.
constexpr double kLabelMargin = 22;
// Pixels from a point to the centre of its name.
constexpr double kLabelDistance = 12;
constexpr double kJointRadius = 3;  // pixels

const QColor kFirstPosition(0, 0, 200);   // A-B1-C1 and DC1
const QColor kSecondPosition(200, 0, 0);  // A-B2-C2 and DC2
const QColor kCircleColour(0, 130, 60);
const QColor kConstructionColour(150, 150, 150);  // the chord C1C2
const QColor kInk(Qt::black);

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The labels, the frame and the buttons; the boxes, radio buttons, the list and the picture are
// made below, in the order of the tab stops (the widget table knows none of the first three, and
// the picture goes after the list so that the tab order can end with it).
// clang-format off
constexpr WidgetSpec<DesignWindow> kWidgets[] = {
    {WidgetKind::OneLineLabel, "ratioLabel", "行程速比系数K", {180, 240, 1650, 300}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::OneLineLabel, "swingLabel", "摇杆摆角ψ(度)", {180, 690, 1650, 300}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::OneLineLabel, "rockerLabel", "摇杆长度L3(mm)", {180, 1140, 1650, 300}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::Frame, "wayFrame", "第四个条件", {120, 1590, 3090, 1800}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::Button, "designButton", "计算", {180, 3570, 900, 420}, kDefaultFontSpec, 0, &DesignWindow::onDesignClicked},
    {WidgetKind::Button, "applyButton", "应用", {1200, 3570, 900, 420}, kDefaultFontSpec, 0, &DesignWindow::onApplyClicked},
    {WidgetKind::Button, "exitButton", "退出", {2220, 3570, 900, 420}, kDefaultFontSpec, 0, &DesignWindow::exitWindow},
    {WidgetKind::OneLineLabel, "solutionLabel", "设计结果（按最小传动角由大到小排列，选中一行查看其作图）", {180, 4830, 9000, 300}, kDefaultFontSpec, 0, nullptr},
};
// clang-format on

QLineEdit* makeBox(QWidget* parent, const char* name, TwipRect rect) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
    return box;
}

QRadioButton* makeRadio(QWidget* parent, const char* name, const char* caption, TwipRect rect) {
    auto* radio = new QRadioButton(QString::fromUtf8(caption), parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(twipsRect(rect.left, rect.top, rect.width, rect.height));
    return radio;
}

}  // namespace

DesignWindow::DesignWindow(QWidget* parent) : ChildWindow(parent) {
    QWidget* client =
        setupWindow(this, "Form5", QStringLiteral("机构设计"), kClientWidth, kClientHeight);
    setFont(defaultFont());
    createWidgets(client);
    onWayChanged();
    showSolutions({});
}

void DesignWindow::createWidgets(QWidget* client) {
    buildWidgets<DesignWindow>(this, client, kWidgets);
    ratioBox_ = makeBox(client, "ratioBox", {1860, 210, 1260, 330});
    swingBox_ = makeBox(client, "swingBox", {1860, 660, 1260, 330});
    rockerBox_ = makeBox(client, "rockerBox", {1860, 1110, 1260, 330});

    auto* frame = widget<QGroupBox>(client, "wayFrame");
    byFrame_ = makeRadio(frame, "byFrame", "给定机架长度L4", {120, 300, 1680, 330});
    frameBox_ = makeBox(frame, "frameBox", {1740, 300, 1260, 330});
    byCrank_ = makeRadio(frame, "byCrank", "给定曲柄长度L1", {120, 780, 1680, 330});
    crankBox_ = makeBox(frame, "crankBox", {1740, 780, 1260, 330});
    bestTransmission_ =
        makeRadio(frame, "bestTransmission", "最小传动角最大", {120, 1260, 2850, 330});
    auto* ways = new QButtonGroup(this);
    for (QRadioButton* radio : {byFrame_, byCrank_, bestTransmission_}) {
        ways->addButton(radio);
        connect(radio, &QRadioButton::toggled, this, &DesignWindow::onWayChanged);
    }
    byFrame_->setChecked(true);

    // Enter in any box computes, as "计算" does.
    for (QLineEdit* box : {ratioBox_, swingBox_, rockerBox_, frameBox_, crankBox_}) {
        connect(box, &QLineEdit::returnPressed, this, &DesignWindow::onDesignClicked);
    }

    applyButton_ = widget<QPushButton>(client, "applyButton");

    table_ = new QTableWidget(0, static_cast<int>(kSolutionColumns.size()), client);
    table_->setObjectName(QStringLiteral("solutionList"));
    table_->setGeometry(twipsRect(120, 5130, 9960, 1200));
    QStringList headings;
    for (const std::string_view heading : kSolutionColumns) {
        headings << text(heading);
    }
    table_->setHorizontalHeaderLabels(headings);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &DesignWindow::drawSelected);

    view_ = makeDrawingArea(client, "constructionView", {3360, 120, 6720, 4590});
    view_->enableSavePicture(true, QStringLiteral("机构设计.png"));

    // clang-format off
    chainTabOrder({{1, ratioBox_}, {2, swingBox_}, {3, rockerBox_}, {4, byFrame_}, {5, frameBox_}, {6, byCrank_},
                   {7, crankBox_}, {8, bestTransmission_}, {9, widget<QPushButton>(client, "designButton")},
                   {10, applyButton_}, {11, widget<QPushButton>(client, "exitButton")}, {12, table_}, {13, view_}});
    // clang-format on
}

void DesignWindow::onWayChanged() {
    frameBox_->setEnabled(byFrame_->isChecked());
    crankBox_->setEnabled(byCrank_->isChecked());
}

void DesignWindow::onDesignClicked() {
    const DesignWay way = byFrame_->isChecked()   ? DesignWay::ByFrame
                          : byCrank_->isChecked() ? DesignWay::ByCrank
                                                  : DesignWay::Best;
    const std::optional<DesignRequest> request =
        readDesignRequest({.K = ratioBox_->text().toStdString(),
                           .swing = swingBox_->text().toStdString(),
                           .L3 = rockerBox_->text().toStdString(),
                           .way = way,
                           .L4 = frameBox_->text().toStdString(),
                           .L1 = crankBox_->text().toStdString()});
    // What is listed always answers the last request: a refused one leaves nothing to apply.
    if (!request) {
        showSolutions({});
        showMessage(this, messages::designParametersInvalid);
        return;
    }
    DesignResult result = designCrankRocker(*request);
    showSolutions(std::move(result.solutions));
    if (result.status != DesignStatus::Solved) {
        showMessage(this, designMessageText(result.status));
    }
}

void DesignWindow::showSolutions(std::vector<DesignSolution> solutions) {
    solutions_ = std::move(solutions);
    table_->clearSelection();
    table_->setRowCount(static_cast<int>(solutions_.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const SolutionRow row = solutionRow(solutions_[static_cast<std::size_t>(r)]);
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(text(row.cells[static_cast<std::size_t>(c)]));
            if (static_cast<std::size_t>(c) < row.exact.size()) {
                item->setToolTip(text(row.exact[static_cast<std::size_t>(c)]));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                item->setForeground(kSecondPosition);
            }
            table_->setItem(r, c, item);
        }
    }
    applyButton_->setEnabled(!solutions_.empty());
    if (solutions_.empty()) {
        drawSelected();
    } else {
        table_->setCurrentCell(0, 0);  // selects the row, which draws it
    }
}

void DesignWindow::onApplyClicked() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(solutions_.size())) {
        return;
    }
    QStringList texts;
    for (const std::string& length :
         appliedLengthTexts(solutions_[static_cast<std::size_t>(row)])) {
        texts << text(length);
    }
    emit applyRequested(texts);
    exitWindow();
}

void DesignWindow::drawSelected() {
    DrawingArea& area = *view_;
    area.clear();
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty() || selected.front()->row() >= static_cast<int>(solutions_.size())) {
        return;
    }
    const DesignConstruction c =
        designConstruction(solutions_[static_cast<std::size_t>(selected.front()->row())]);
    const PlotScale s = constructionScale(c, area.width(), area.height(), kLabelMargin);
    area.setScale(s.left, s.top, s.right, s.bottom);
    const double perPixel = (s.right - s.left) / area.width();
    const auto segment = [&](SketchPoint p, SketchPoint q, const QColor& colour) {
        area.line(p.x, p.y, q.x, q.y, colour);
    };
    const auto polyline = [&](const std::vector<SketchPoint>& points, const QColor& colour) {
        for (std::size_t k = 1; k < points.size(); ++k) {
            segment(points[k - 1], points[k], colour);
        }
    };

    // The construction under the linkage: the circle, the chord and the two angles.
    area.setDrawWidth(1);
    if (c.circle) {
        area.circle(c.circle->centre.x, c.circle->centre.y, c.circle->radius, kCircleColour);
    }
    segment(c.c1, c.c2, kConstructionColour);
    polyline(c.swingArc, kInk);
    polyline(c.limitArc, kInk);
    // The frame, then each limit position in its colour: crank, coupler and rocker.
    area.setDrawWidth(2);
    segment(c.a, c.d, kInk);
    for (const auto& [b, cc, colour] :
         {std::tuple(c.b1, c.c1, kFirstPosition), std::tuple(c.b2, c.c2, kSecondPosition)}) {
        segment(c.a, b, colour);
        segment(b, cc, colour);
        segment(cc, c.d, colour);
    }
    area.setDrawWidth(1);
    for (const SketchPoint& joint : {c.a, c.d, c.b1, c.c1, c.b2, c.c2}) {
        area.circle(joint.x, joint.y, kJointRadius * perPixel, kInk);
    }
    area.setForeColor(kInk);
    for (const SketchLabel& label : c.labels) {
        area.centredText(label.at.x, label.at.y,
                         QPointF(label.away.x, -label.away.y) * kLabelDistance, font(),
                         text(label.text));
    }
}

}  // namespace fourbar::ui
