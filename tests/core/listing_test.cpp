// The data listing: golden lines per kind, quarter plans and refusals, the row loop, the layout of
// wide fields and the CSV export.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/listing.h"
#include "core/messages.h"
#include "tests/core/executed.h"

namespace fourbar {
namespace {

using Lines = std::vector<std::string>;
using test::Inputs;
constexpr auto DR = Sweep::DoubleRocker;

// The state after one execute and a clear of the boxes since: the listing reads the analysis,
// never the inputs as they stand.
SharedState executedThenCleared(const Inputs& inputs) {
    SharedState state = test::executed(inputs);
    state.inputs = {};
    return state;
}

// The text lines the display command lists after the title and the heading; the taker stops
// after 100, so that a loop that misses its end fails instead of hanging.
Lines listed(const SharedState& state, ListingBoxes boxes) {
    const Listing listing(state);
    Lines lines;
    listing.listRows(listing.plan(ListingCommand::Display, boxes), [&](const ListingLine& line) {
        std::ranges::copy(paddedLines(line), std::back_inserter(lines));
        return lines.size() < 100;
    });
    return lines;
}

struct DisplayCase {
    const char* label;
    Inputs lengths;
    ListingBoxes boxes;  // start, end, interval; 0 is an empty box
    std::size_t lines;
    const char *first, *last;
};

class ListingDisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(ListingDisplayTest, ListsTheGoldenLines) {
    const DisplayCase& c = GetParam();
    const Lines lines = listed(executedThenCleared(c.lengths), c.boxes);
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
}

// A full turn's default listing, every tenth degree up to 350: the report's listing test.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, ListingDisplayTest, testing::Values(
    // Loop values 2.5 and 12.5 read rows 2 and 12: halves go to the even row.
    DisplayCase{"HalvesToEven", {150, 220, 250, 300}, {0, 12.5, 2.5}, 6,
                "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14",
                "   12.5   69.84      108.05     -11.48     -8.6        18.81        150.17"},
    // The first field is theta1 in degrees, forward swing then return swing; an empty start box
    // is raised to the swing's first row.
    DisplayCase{"RockerCrankSwing", {250, 220, 150, 300}, {}, 15,
                "  11.     331.25     337.2      63.83      107.62      -36066.06    -52093.52",
                "  17.     276.41     255.98     -29.21     -49.13      2608.77      2991.91"},
    // 1e-20 is lost against 100: the loop value would never change.
    DisplayCase{"LostInterval", {150, 220, 250, 300}, {100, 0, 1e-20}, 1,
                "   100    19.24      118.25     -2.26      6.28        25.72        21.52",
                "   100    19.24      118.25     -2.26      6.28        25.72        21.52"},
    // Empty boxes list the whole swing, -86 to 84.
    DisplayCase{"DoubleRockerDefaults", {300, 200, 180, 250}, {}, 18,
                "  -86     59.54      224.82     46.78      -38.86      -13255.72    14724.69",
                "   84     318.79     112.26     -16.65     31.93       -2285.65     2496.43"}),
    test::byLabel);
// clang-format on

ListingPlan rows(double first, double last, double step = 5) {
    return {.first = first, .last = last, .step = step};
}
const ListingPlan kNotInRange{.refusal = messages::notInRange};

// The four quarter buttons for an analysis of `sweep` whose tables span startAngle..endAngle
// (degrees); the plans read no row.
struct QuarterCase {
    Sweep sweep;
    double startAngle, endAngle;
    ListingPlan quarters[4];  // "0--90   度", "--180   度", "--270   度", "--360   度"
};

// A double rocker lists the part of its swing that lies in the quarter: a swing for every branch
// of its condition table. (A rocker-crank refuses every quarter: the table window's test.)
// clang-format off
const QuarterCase kQuarterCases[] = {
    {Sweep::FullTurn, 0, 0, {rows(0, 90), rows(90, 180), rows(180, 270), rows(270, 360)}},
    {DR, -40, 60, {rows(-40, 60), kNotInRange, kNotInRange, kNotInRange}},
    {DR, 100, 300, {kNotInRange, rows(100, 180), rows(180, 270), rows(270, 300)}},
    {DR, 280, 360, {kNotInRange, kNotInRange, kNotInRange, rows(280, 360)}},
};
// clang-format on

class ListingQuarterTest : public testing::TestWithParam<QuarterCase> {};

TEST_P(ListingQuarterTest, ListsThePartInTheQuarterOrRefuses) {
    const QuarterCase& c = GetParam();
    Analysis analysis;
    analysis.sweep = c.sweep;
    analysis.tables.startAngle = c.startAngle;
    analysis.tables.endAngle = c.endAngle;
    SharedState state;
    state.analysis = std::make_shared<Analysis>(analysis);
    const ListingCommand buttons[] = {ListingCommand::FirstQuarter, ListingCommand::SecondQuarter,
                                      ListingCommand::ThirdQuarter, ListingCommand::FourthQuarter};
    for (int q = 0; q < 4; ++q) {
        // The start and end boxes are filled in, but the quarter buttons read the interval only.
        EXPECT_EQ(Listing(state).plan(buttons[q], {45, 46, 0}), c.quarters[q])
            << "quarter " << q + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ListingQuarterTest, testing::ValuesIn(kQuarterCases));

// A field that would overlap the one before it goes to the next line, at its own cell; one that
// starts where the text ends follows it ("四杆" takes four cells).
TEST(ListingLayout, OverlappedFieldToTheNextLine) {
    const LaidOutLine expected{.fields = {{0, 0, "四杆"}, {0, 4, "x"}, {1, 4, "y"}},
                               .text = {"四杆x", "    y"}};
    EXPECT_EQ(layOutLine({{1, "四杆"}, {5, "x"}, {5, "y"}}), expected);
}

// Before any analysis no command lists a row or shows a message.
TEST(ListingBeforeAnalysis, ListsNothingWithoutAMessage) {
    const Listing listing{SharedState{}};
    for (const ListingCommand command : {ListingCommand::Display, ListingCommand::FourthQuarter}) {
        EXPECT_EQ(listing.plan(command, {0, 90, 5}), ListingPlan{});
    }
}

// Every row of the analysis as CSV in index order: a byte-order mark and the headings with their
// units, then the values the listing shows, in the shortest form that reads back to the value as
// held (the output link's angular acceleration is a float), empty where a row has no value.
TEST(ListingCsv, EveryRowInIndexOrderAtItsPrecision) {
    const SharedState crankRocker = executedThenCleared({150, 220, 250, 300});
    const std::string csv = analysisCsv(*crankRocker.analysis);
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 361);
    EXPECT_TRUE(
        csv.starts_with("\xEF\xBB\xBFL1杆转角(度),L2杆转角(度),L3杆转角(度),L2杆角速(1/s),"
                        "L3杆角速(1/s),L2杆角加速(1/s²),L3杆角加速(1/s²)\n0,"));
    // The L3 angle is a float divided by the degree factor in double precision: a double.
    EXPECT_NE(csv.find("\n10,72.03220253263522,109.73380710553954,-11.507161090897052,"
                       "-9.074299857187517,-2.3636802532120513,134.46518\n11,"),
              std::string::npos);
    // The rocker-crank's first field is its crank angle theta1, 11 degrees at the return's end.
    EXPECT_TRUE(analysisCsv(*executedThenCleared({250, 220, 150, 300}).analysis)
                    .ends_with("\n11,306.4625664157932,300.50952098480104,-108.15135204136934,"
                               "-151.93779754565756,39190.51785885455,55217.953\n"));

    Analysis gap = *crankRocker.analysis;
    TableRow row = gap.tables.row(0);
    row.omega2 = row.omega3 = row.alpha2 = row.alpha3 = NAN;
    gap.tables.setRow(0, row);
    EXPECT_NE(analysisCsv(gap).find("\n0,82.68796895607858,119.20920455288095,,,,\n"),
              std::string::npos);
}

}  // namespace
}  // namespace fourbar
