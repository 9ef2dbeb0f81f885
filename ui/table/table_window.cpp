// The data table window: layout, the listing printed in its area, clear and exit.
#include "ui/table/table_window.h"

#include "core/lenient_number.h"
#include "core/messages.h"
#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/widget_table.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

// Client size, twips. The height is raised from the layout's 6795 so that the whole listing area
// (down to 7815) and the exit button (down to 7695) can be seen.
constexpr int kClientWidth = 6720;
constexpr int kClientHeight = 7935;

constexpr FontSpec kTnr975{DesignFont::TimesNewRoman, 9.75};
constexpr FontSpec kMsSansSerif975{DesignFont::MsSansSerif, 9.75};
constexpr auto kFirstQuarter = &TableWindow::onQuarterClicked<ListingCommand::FirstQuarter>;
constexpr auto kSecondQuarter = &TableWindow::onQuarterClicked<ListingCommand::SecondQuarter>;
constexpr auto kThirdQuarter = &TableWindow::onQuarterClicked<ListingCommand::ThirdQuarter>;
constexpr auto kFourthQuarter = &TableWindow::onQuarterClicked<ListingCommand::FourthQuarter>;

// Every widget of the window; the labels take no place in the tab order.
// clang-format off
constexpr WidgetSpec<TableWindow> kWidgets[] = {
    {WidgetKind::Listing, "Picture1", "", {60, 180, 6075, 7635}, kDefaultFontSpec, 3, nullptr},
    {WidgetKind::Button, "Command1", "       显  示       ", {6240, 240, 375, 615}, kTnr975, 1, &TableWindow::onDisplayClicked},
    {WidgetKind::Label, "Label2", " 起 点", {6180, 1020, 495, 195}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::Input, "Text2", "", {6180, 1320, 495, 315}, kDefaultFontSpec, 10, nullptr},
    {WidgetKind::Label, "Label3", " 终 点 ", {6180, 1860, 495, 255}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::Input, "Text3", "", {6180, 2160, 495, 315}, kDefaultFontSpec, 11, nullptr},
    {WidgetKind::Label, "Label1", " 间  隔", {6180, 2700, 465, 195}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::Input, "Text1", "", {6180, 3000, 495, 315}, kDefaultFontSpec, 8, nullptr},
    {WidgetKind::Button, "Command7", "清零", {6240, 3540, 375, 615}, kDefaultFontSpec, 9, &TableWindow::onClearBoxesClicked},
    {WidgetKind::Button, "Command3", "0--90   度", {6180, 4380, 495, 435}, kDefaultFontSpec, 4, kFirstQuarter},
    {WidgetKind::Button, "Command4", "--180   度", {6180, 5040, 495, 435}, kDefaultFontSpec, 5, kSecondQuarter},
    {WidgetKind::Button, "Command5", "--270   度", {6180, 5700, 495, 435}, kDefaultFontSpec, 6, kThirdQuarter},
    {WidgetKind::Button, "Command6", "--360   度", {6180, 6360, 495, 435}, kDefaultFontSpec, 7, kFourthQuarter},
    {WidgetKind::Button, "Command2", "退出", {6240, 7020, 375, 675}, kMsSansSerif975, 2, &TableWindow::exitWindow},
};
// clang-format on

// 宋体 has half-width Latin characters and lines one em high; its installed stand-in is wider and
// taller, so the listing keeps the 宋体 character cell, in which the seven columns fit the
// listing area's width and a full default listing its height.
void setSongTi(ListingView& area, double points) {
    const QFont font = designFont(DesignFont::SongTi, points);
    const int em = font.pixelSize();
    area.setTextFont(font, QSize(em / 2, em));
}

// The line as core lays it out, for the listing area to place.
ListingView::Line viewLine(const ListingLine& line, ListingView::LineRole role) {
    const LaidOutLine laidOut = layOutLine(line);
    ListingView::Line view;
    view.role = role;
    for (const PlacedField& field : laidOut.fields) {
        view.fields.append({int(field.line), field.column, QString::fromStdString(field.text)});
    }
    for (const std::string& text : laidOut.text) {
        view.text.append(QString::fromStdString(text));
    }
    return view;
}

double boxValue(const InputBox* box) {
    return readNumber(box->text().toStdString());
}

}  // namespace

TableWindow::TableWindow(SharedState& state, QWidget* parent) : ChildWindow(parent), state_(state) {
    QWidget* client =
        setupWindow(this, "Form4", QStringLiteral("运动参数"), kClientWidth, kClientHeight);
    setFont(defaultFont());
    buildWidgets<TableWindow>(this, client, kWidgets);
    listingArea_ = widget<ListingView>(this, "Picture1");
    intervalBox_ = widget<InputBox>(this, "Text1");
    startBox_ = widget<InputBox>(this, "Text2");
    endBox_ = widget<InputBox>(this, "Text3");

    listingArea_->enableSavePicture(true, QStringLiteral("运动参数.png"));
    listingArea_->exportMenu().enableCsvExport([this] { return analysisCsvBytes(); },
                                               QStringLiteral("运动参数.csv"));
}

std::optional<QByteArray> TableWindow::analysisCsvBytes() {
    if (!state_.analysis) {
        showMessage(this, messages::analyseFirst);
        return std::nullopt;
    }
    return QByteArray::fromStdString(analysisCsv(*state_.analysis));
}

void TableWindow::onDisplayClicked() {
    list(ListingCommand::Display);
}

void TableWindow::onClearBoxesClicked() {
    intervalBox_->clear();
    startBox_->clear();
    endBox_->clear();
}

void TableWindow::beforeExit() {
    listingArea_->clear();
}

void TableWindow::list(ListingCommand command) {
    ListingView& area = *listingArea_;
    area.clear();
    // The copy of the listing as a table: the title in one cell, the headings, the rows.
    using enum ListingView::LineRole;
    setSongTi(area, kListingTitlePoints);
    area.print(viewLine(listingTitle(), Title));
    setSongTi(area, kListingPoints);
    area.print(viewLine(listingHeading(), Headings));

    const Listing listing(state_);
    const ListingPlan plan =
        listing.plan(command, {boxValue(startBox_), boxValue(endBox_), boxValue(intervalBox_)});
    if (!plan.refusal.empty()) {
        showMessage(this, plan.refusal);
        return;
    }
    listing.listRows(plan, [&](const ListingLine& line) {
        // Lines below the bottom edge cannot be seen, so the listing ends there.
        if (area.isFull()) {
            return false;
        }
        area.print(viewLine(line, Cells));
        return true;
    });
}

}  // namespace fourbar::ui
