// The data table window: layout, the display and quarter-turn listings, clear and exit.
#include "ui/table/table_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/analysis.h"
#include "core/lenient_number.h"
#include "core/linkage.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/result_tables.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

// Client size, twips. The height is raised from the layout's 6795 so that the whole listing area
// (down to 7815) and the exit button (down to 7695) can be seen.
constexpr int kClientWidth = 6720;
constexpr int kClientHeight = 7935;

constexpr double kDefaultDisplayInterval = 10;  // degrees
constexpr double kDefaultQuarterInterval = 5;   // degrees
constexpr double kFullTurnDefaultEnd = 359;     // degrees: row 360 repeats row 0
// Loop values short of the held rows that are stepped one by one (well under a millisecond);
// longer runs are jumped.
constexpr double kMaxSteppedSkips = 100000;

double boxValue(const InputBox* box) {
    return readNumber(box->text().toStdString());
}

const ResultTables kNoTables;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The listing's faces at their sizes. 宋体 has half-width Latin characters and lines one em high;
// its installed stand-in is wider and taller, so the listing keeps the 宋体 character cell, in
// which the seven columns fit the listing area's width and a full default listing its height.
void setSongTi(DrawingArea& area, double points) {
    const QFont font = designFont(DesignFont::SongTi, points);
    const int em = font.pixelSize();
    area.setTextFont(font, QSize(em / 2, em));
}

// The rows a double rocker analysed over [s, e] lists for the quarter turn ending at `hi`
// (90, 180, 270 or 360): the first condition of the quarter that holds decides.
std::optional<std::pair<double, double>> doubleRockerQuarter(int hi, double s, double e) {
    switch (hi) {
        case 90:
            if (s < 90 && e <= 90)
                return std::pair{s, e};
            if (s < 90 && e >= 90)
                return std::pair{s, 90.0};
            break;
        case 180:
            if (s <= 90 && e > 90 && e <= 180)
                return std::pair{90.0, e};
            if (s <= 90 && e > 180)
                return std::pair{90.0, 180.0};
            if (s >= 90 && e <= 180)
                return std::pair{s, e};
            if (s > 90 && s < 180 && e >= 180)
                return std::pair{s, 180.0};
            break;
        case 270:
            if (s < 180 && e > 180 && e <= 270)
                return std::pair{180.0, e};
            if (s < 180 && e > 270)
                return std::pair{180.0, 270.0};
            if (s >= 180 && e <= 270)
                return std::pair{s, e};
            if (s > 180 && s < 270 && e >= 270)
                return std::pair{s, 270.0};
            break;
        case 360:
            if (s <= 270 && e > 270)
                return std::pair{270.0, e};
            if (s >= 270 && e <= 360)
                return std::pair{s, e};
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

TableWindow::TableWindow(SharedState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setupWindow(this, "Form4", QStringLiteral("运动参数"), kClientWidth, kClientHeight);
    const QFont font = defaultFont();
    setFont(font);

    picture1_ = makeDrawingArea(this, "Picture1", {60, 180, 6075, 7635});
    auto* command1 = makeButton(this, "Command1", QStringLiteral("       显  示       "),
                                {6240, 240, 375, 615}, designFont(DesignFont::TimesNewRoman, 9.75));
    makeLabel(this, "Label2", QStringLiteral(" 起 点"), {6180, 1020, 495, 195}, font);
    text2_ = makeInputBox(this, "Text2", {6180, 1320, 495, 315}, font);
    makeLabel(this, "Label3", QStringLiteral(" 终 点 "), {6180, 1860, 495, 255}, font);
    text3_ = makeInputBox(this, "Text3", {6180, 2160, 495, 315}, font);
    makeLabel(this, "Label1", QStringLiteral(" 间  隔"), {6180, 2700, 465, 195}, font);
    text1_ = makeInputBox(this, "Text1", {6180, 3000, 495, 315}, font);
    auto* command7 =
        makeButton(this, "Command7", QStringLiteral("清零"), {6240, 3540, 375, 615}, font);
    auto* command3 =
        makeButton(this, "Command3", QStringLiteral("0--90   度"), {6180, 4380, 495, 435}, font);
    auto* command4 =
        makeButton(this, "Command4", QStringLiteral("--180   度"), {6180, 5040, 495, 435}, font);
    auto* command5 =
        makeButton(this, "Command5", QStringLiteral("--270   度"), {6180, 5700, 495, 435}, font);
    auto* command6 =
        makeButton(this, "Command6", QStringLiteral("--360   度"), {6180, 6360, 495, 435}, font);
    auto* command2 = makeButton(this, "Command2", QStringLiteral("退出"), {6240, 7020, 375, 675},
                                designFont(DesignFont::MsSansSerif, 9.75));

    // Labels take no focus, so the chain holds the remaining widgets in their order.
    const std::array<QWidget*, 11> tabOrder = {command1, command2, picture1_, command3,
                                               command4, command5, command6,  text1_,
                                               command7, text2_,   text3_};
    for (std::size_t n = 1; n < tabOrder.size(); ++n) {
        setTabOrder(tabOrder[n - 1], tabOrder[n]);
    }

    connect(command1, &QPushButton::clicked, this, &TableWindow::onCommand1Clicked);
    connect(command2, &QPushButton::clicked, this, &TableWindow::onCommand2Clicked);
    connect(command3, &QPushButton::clicked, this, &TableWindow::onCommand3Clicked);
    connect(command4, &QPushButton::clicked, this, &TableWindow::onCommand4Clicked);
    connect(command5, &QPushButton::clicked, this, &TableWindow::onCommand5Clicked);
    connect(command6, &QPushButton::clicked, this, &TableWindow::onCommand6Clicked);
    connect(command7, &QPushButton::clicked, this, &TableWindow::onCommand7Clicked);
}

void TableWindow::onCommand1Clicked() {
    printTitleAndHeading();
    double interval = boxValue(text1_);
    if (interval == 0) {
        interval = kDefaultDisplayInterval;
    }
    double start = boxValue(text2_);
    double end = boxValue(text3_);

    const MechanismKind kind = listingKind();
    if (kind == MechanismKind::FullTurn) {
        if (end == 0) {
            end = kFullTurnDefaultEnd;
        }
        listRows(start, end, interval, false);
        return;
    }
    // The limited kinds keep start and end inside the analysed rows; an end not given is the
    // last of them, and a start not given is the first for a double rocker (a rocker-crank's 0
    // is raised to it).
    const IndexRange range = kindRange(kind, tables());
    if (start == 0 && kind == MechanismKind::DoubleRocker) {
        start = range.first;
    }
    if (end == 0) {
        end = range.last;
    }
    start = std::max(start, static_cast<double>(range.first));
    end = std::min(end, static_cast<double>(range.last));
    listRows(start, end, interval, kind == MechanismKind::RockerCrank);
}

void TableWindow::onCommand2Clicked() {
    picture1_->clear();
    hide();
    emit exitRequested();
}

void TableWindow::onCommand3Clicked() {
    listQuarter(0, 90);
}
void TableWindow::onCommand4Clicked() {
    listQuarter(90, 180);
}
void TableWindow::onCommand5Clicked() {
    listQuarter(180, 270);
}
void TableWindow::onCommand6Clicked() {
    listQuarter(270, 360);
}

void TableWindow::onCommand7Clicked() {
    text1_->clear();
    text2_->clear();
    text3_->clear();
}

void TableWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCommand2Clicked();
}

void TableWindow::listQuarter(int lo, int hi) {
    printTitleAndHeading();
    double interval = boxValue(text1_);
    if (interval == 0) {
        interval = kDefaultQuarterInterval;
    }
    const ResultTables& tables = this->tables();
    switch (listingKind()) {
        case MechanismKind::RockerCrank:
            showMessage(this, messages::chooseRange);
            break;
        case MechanismKind::FullTurn:
            listRows(lo, hi, interval, false);
            break;
        case MechanismKind::DoubleRocker:
            if (const auto rows = doubleRockerQuarter(hi, tables.startAngle, tables.endAngle)) {
                listRows(rows->first, rows->second, interval, false);
            } else {
                showMessage(this, messages::notInRange);
            }
            break;
    }
}

const ResultTables& TableWindow::tables() const {
    return state_.analysis ? state_.analysis->tables : kNoTables;
}

MechanismKind TableWindow::listingKind() const {
    return state_.analysis ? state_.analysis->kind : kindFromNameAndLengths(state_.inputs);
}

void TableWindow::printTitleAndHeading() {
    DrawingArea& area = *picture1_;
    area.clear();
    setSongTi(area, 9);
    area.printAt(30, QStringLiteral("四杆机构运动分析"));
    area.endLine();
    setSongTi(area, 8);
    area.printAt(0, QStringLiteral("L1杆转角"));
    area.printAt(11, QStringLiteral("L2杆转角"));
    area.printAt(22, QStringLiteral("L3杆转角"));
    area.printAt(33, QStringLiteral("L2杆角速"));
    area.printAt(44, QStringLiteral("L3杆角速"));
    area.printAt(56, QStringLiteral("L2杆角加速"));
    area.printAt(69, QStringLiteral("L3杆角加速"));
    area.endLine();
}

void TableWindow::listRows(double first, double last, double step, bool crankFromTheta1) {
    const IndexRange held = tables().rows();
    if (held.empty() || !(step > 0 || step < 0)) {
        return;
    }
    const bool ascending = step > 0;
    // The first loop value that can read a held row lies within half a degree of them.
    const double heldEdge = ascending ? held.first - 0.5 : held.last + 0.5;
    double i = first;
    while (ascending ? i <= last : i >= last) {
        // Lines below the bottom edge cannot be seen, so the listing ends there.
        if (picture1_->printPositionBelowBottom()) {
            return;
        }
        const double row = std::nearbyint(i);  // halves to even in the default rounding mode
        if (row >= held.first && row <= held.last) {
            printRow(i, static_cast<int>(row), crankFromTheta1);
        } else if (ascending ? row > held.last : row < held.first) {
            return;  // past the held rows: the loop only moves further away
        } else if (const double skipped = std::ceil((heldEdge - i) / step) - 1;
                   skipped > kMaxSteppedSkips && i + step != i) {
            // Far short of the held rows: jump over the loop values that read none of them, so
            // that a tiny interval far from the tables costs no time. Shorter runs are stepped,
            // keeping the loop's own sums in the first field.
            i += skipped * step;
        }
        const double next = i + step;
        if (next == i) {
            return;  // the interval is lost against i: the loop would not advance
        }
        i = next;
    }
}

void TableWindow::printRow(double loopValue, int row, bool crankFromTheta1) {
    const ResultTables& tables = this->tables();
    DrawingArea& area = *picture1_;
    area.printAt(3, crankFromTheta1 ? text(patternText(tables.theta1(row) / kDegree))
                                    : text(plainCrankAngle(loopValue)));
    // Entries without a value (NaN) give an empty field.
    area.printAt(11, text(patternText(tables.theta2(row) / kDegree)));
    area.printAt(22, text(patternText(tables.theta3(row) / kDegree)));
    area.printAt(33, text(patternText(tables.omega2(row))));
    area.printAt(44, text(patternText(tables.omega3(row))));
    area.printAt(56, text(patternText(tables.alpha2(row))));
    area.printAt(69, text(patternText(tables.alpha3(row))));
    area.endLine();
}

}  // namespace fourbar::ui
