// The data listing: title and heading, the commands' plans, the bounded row loop and the layout of
// its lines by display width.
#include "core/listing.h"

#include <array>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/analysis.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace fourbar {

namespace {

constexpr double kDefaultDisplayInterval = 10;  // degrees
constexpr double kDefaultQuarterInterval = 5;   // degrees
constexpr double kFullTurnDefaultEnd = 359;     // degrees: row 360 repeats row 0
// Loop values short of the held rows that are stepped one by one (well under a millisecond);
// longer runs are jumped.
constexpr double kMaxSteppedSkips = 100000;

// The columns of the seven fields of the heading and of every row.
constexpr int kFieldColumns[] = {3, 11, 22, 33, 44, 56, 69};

const ResultTables kNoTables;

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

ListingPlan displayPlan(ListingBoxes boxes, Sweep sweep, const ResultTables& tables) {
    const double step = boxes.interval == 0 ? kDefaultDisplayInterval : boxes.interval;
    double start = boxes.start;
    double end = boxes.end;
    if (sweep == Sweep::FullTurn) {
        return {.first = start, .last = end == 0 ? kFullTurnDefaultEnd : end, .step = step};
    }
    // The limited kinds keep start and end inside the analysed rows; an end not given is the
    // last of them, and a start not given is the first for a double rocker (a rocker-crank's 0
    // is raised to it).
    const IndexRange range = sweepRange(sweep, tables);
    if (start == 0 && sweep == Sweep::DoubleRocker) {
        start = range.first;
    }
    if (end == 0) {
        end = range.last;
    }
    start = std::max(start, static_cast<double>(range.first));
    end = std::min(end, static_cast<double>(range.last));
    return {
        .first = start, .last = end, .step = step, .crankFromTheta1 = sweep == Sweep::RockerCrank};
}

ListingPlan quarterPlan(int quarter, double interval, Sweep sweep, const ResultTables& tables) {
    const double step = interval == 0 ? kDefaultQuarterInterval : interval;
    const int hi = 90 * quarter;
    switch (sweep) {
        case Sweep::RockerCrank:
            break;
        case Sweep::FullTurn:
            return {.first = hi - 90.0, .last = static_cast<double>(hi), .step = step};
        case Sweep::DoubleRocker:
            if (const auto rows = doubleRockerQuarter(hi, tables.startAngle, tables.endAngle)) {
                return {.first = rows->first, .last = rows->second, .step = step};
            }
            return {.refusal = messages::notInRange};
    }
    return {.refusal = messages::chooseRange};
}

// Entries without a value (NaN) give an empty field.
ListingLine rowLine(const ResultTables& tables, int row, double loopValue, bool crankFromTheta1) {
    const std::array<double, 7> values = rowValues(tables, row, loopValue, crankFromTheta1);
    ListingLine line;
    for (std::size_t n = 0; n < values.size(); ++n) {
        // The loop value keeps the loop's own sums, such as " 2.5 ", rather than a rounding.
        const bool loopField = n == 0 && !crankFromTheta1;
        line.push_back(
            {kFieldColumns[n], loopField ? plainCrankAngle(values[n]) : patternText(values[n])});
    }
    return line;
}

// The code point of UTF-8 text starting at `at`, which it advances past it.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = trailing == 0 ? lead : lead & (0x3F >> trailing);
    for (int n = 0; n < trailing && at < text.size(); ++n) {
        c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return c;
}

}  // namespace

bool isWideCharacter(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

ListingLine listingTitle() {
    return {{30, "四杆机构运动分析"}};
}

ListingLine listingHeading() {
    const char* const headings[] = {"L1杆转角", "L2杆转角",   "L3杆转角",  "L2杆角速",
                                    "L3杆角速", "L2杆角加速", "L3杆角加速"};
    ListingLine line;
    for (std::size_t n = 0; n < std::size(headings); ++n) {
        // The first heading starts at the edge, left of its field's column.
        line.push_back({n == 0 ? 0 : kFieldColumns[n], headings[n]});
    }
    return line;
}

Listing::Listing(const SharedState& state) : analysis_(state.analysis) {}

const ResultTables& Listing::tables() const {
    return analysis_ ? analysis_->tables : kNoTables;
}

ListingPlan Listing::plan(ListingCommand command, ListingBoxes boxes) const {
    if (!analysis_) {
        return {};  // no step: nothing is listed
    }
    const Sweep sweep = analysis_->sweep;
    const ResultTables& tables = analysis_->tables;
    switch (command) {
        case ListingCommand::Display:
            return displayPlan(boxes, sweep, tables);
        case ListingCommand::FirstQuarter:
            return quarterPlan(1, boxes.interval, sweep, tables);
        case ListingCommand::SecondQuarter:
            return quarterPlan(2, boxes.interval, sweep, tables);
        case ListingCommand::ThirdQuarter:
            return quarterPlan(3, boxes.interval, sweep, tables);
        case ListingCommand::FourthQuarter:
            return quarterPlan(4, boxes.interval, sweep, tables);
    }
    return {};
}

void Listing::listRows(const ListingPlan& plan,
                       const std::function<bool(const ListingLine&)>& take) const {
    const ResultTables& tables = this->tables();
    const IndexRange held = tables.rows();
    const double step = plan.step;
    if (!plan.refusal.empty() || held.empty() || !(step > 0 || step < 0)) {
        return;
    }
    const bool ascending = step > 0;
    // The first loop value that can read a held row lies within half a degree of them.
    const double heldEdge = ascending ? held.first - 0.5 : held.last + 0.5;
    double i = plan.first;
    while (ascending ? i <= plan.last : i >= plan.last) {
        const double row = std::nearbyint(i);  // halves to even in the default rounding mode
        if (row >= held.first && row <= held.last) {
            if (!take(rowLine(tables, static_cast<int>(row), i, plan.crankFromTheta1))) {
                return;
            }
        } else if (ascending ? row > held.last : row < held.first) {
            return;  // past the held rows: the loop only moves further away
        } else if (const double skipped = std::ceil((heldEdge - i) / step) - 1;
                   skipped > kMaxSteppedSkips && i + step != i) {
            // Far short of the held rows: jump over the loop values that read none of them.
            // Shorter runs are stepped, keeping the loop's own sums in the first field.
            i += skipped * step;
        }
        const double next = i + step;
        if (next == i) {
            return;  // the interval is lost against i: the loop would not advance
        }
        i = next;
    }
}

int displayColumns(std::string_view text) {
    int columns = 0;
    for (std::size_t at = 0; at < text.size();) {
        columns += isWideCharacter(nextCodePoint(text, at)) ? 2 : 1;
    }
    return columns;
}

LaidOutLine layOutLine(const ListingLine& line) {
    LaidOutLine laidOut;
    int end = 0;  // cells the current text line takes; 0 while no line is open
    for (const ListingField& field : line) {
        const int start = std::max(field.column, 1) - 1;
        if (laidOut.text.empty() || start < end) {
            laidOut.text.emplace_back();
            end = 0;
        }
        laidOut.text.back().append(static_cast<std::size_t>(start - end), ' ');
        laidOut.text.back() += field.text;
        end = start + displayColumns(field.text);
        laidOut.fields.push_back({laidOut.text.size() - 1, start, field.text});
    }
    return laidOut;
}

std::vector<std::string> paddedLines(const ListingLine& line) {
    return layOutLine(line).text;
}

std::array<double, 7> rowValues(const ResultTables& tables, int row, double loopValue,
                                bool crankFromTheta1) {
    return {crankFromTheta1 ? tables.theta1(row) / kDegree : loopValue,
            tables.theta2(row) / kDegree,
            tables.theta3(row) / kDegree,
            tables.omega2(row),
            tables.omega3(row),
            tables.alpha2(row),
            tables.alpha3(row)};
}

std::string analysisCsv(const Analysis& analysis) {
    // The byte-order mark lets spreadsheet programs read the Chinese headings as UTF-8.
    std::string csv = "\xEF\xBB\xBF";
    csv +=
        "L1杆转角(度),L2杆转角(度),L3杆转角(度),L2杆角速(1/s),L3杆角速(1/s),"
        "L2杆角加速(1/s²),L3杆角加速(1/s²)\n";
    // Only alpha3 reaches its column as it is held, in single precision; theta3 is divided by the
    // degree factor in double precision, and every other column is a double throughout.
    constexpr std::size_t kSingleColumn = 6;
    const ResultTables& tables = analysis.tables;
    const IndexRange rows = tables.rows();
    const bool crankFromTheta1 = analysis.sweep == Sweep::RockerCrank;
    for (int i = rows.first; i <= rows.last; ++i) {
        const std::array<double, 7> values = rowValues(tables, i, i, crankFromTheta1);
        for (std::size_t column = 0; column < values.size(); ++column) {
            if (column > 0) {
                csv += ',';
            }
            csv += column == kSingleColumn ? shortestNumberText(static_cast<float>(values[column]))
                                           : shortestNumberText(values[column]);
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace fourbar
