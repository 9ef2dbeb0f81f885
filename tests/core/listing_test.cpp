// The data listing: golden lines per kind, quarter plans and refusals, the row loop and padding.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

#include "core/listing.h"
#include "core/messages.h"
#include "core/motion_parameters.h"

using namespace fourbar;

namespace {

using Lines = std::vector<std::string>;
constexpr auto DR = MechanismKind::DoubleRocker;

// The state after one execute with L1..L4 (mm), n = 100 r/min and M = -1.
SharedState executed(std::array<double, 4> L) {
    SharedState state;
    state.inputs = {L[0], L[1], L[2], L[3], 100, 0, -1, {}, 0};
    EXPECT_EQ(executeAnalysis(state).message, ExecuteMessage::None);
    return state;
}

// The text lines the display command lists after the title and the heading.
Lines listed(const SharedState& state, ListingBoxes boxes) {
    const Listing listing(state);
    Lines lines;
    listing.listRows(listing.plan(ListingCommand::Display, boxes), [&](const ListingLine& line) {
        const Lines padded = paddedLines(line);
        lines.insert(lines.end(), padded.begin(), padded.end());
        return true;
    });
    return lines;
}

struct DisplayCase {
    const char* name;
    std::array<double, 4> lengths;  // L1..L4, mm
    ListingBoxes boxes;             // start, end, interval; 0 is an empty box
    std::size_t lines;
    const char* first;
    const char* last;
};

class ListingDisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(ListingDisplayTest, ListsTheGoldenLines) {
    const DisplayCase& c = GetParam();
    const Lines lines = listed(executed(c.lengths), c.boxes);
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, ListingDisplayTest, testing::Values(
    // Every tenth degree of a full turn up to 359, as row 360 repeats row 0.
    DisplayCase{"CrankRocker", {150, 220, 250, 300}, {}, 36,
                "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14",
                "   350    91.45      129.15     -7.64      -10.07      -205.44      -68.61"},
    // Loop values 2.5 and 12.5 read rows 2 and 12: halves go to the even row.
    DisplayCase{"HalvesToEven", {150, 220, 250, 300}, {0, 12.5, 2.5}, 6,
                "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14",
                "   12.5   69.84      108.05     -11.48     -8.6        18.81        150.17"},
    // The first field is theta1 in degrees, forward swing then return swing.
    DisplayCase{"RockerCrankSwing", {250, 220, 150, 300}, {}, 15,
                "  11.     331.25     337.2      63.83      107.62      -36066.06    -52093.52",
                "  17.     276.41     255.98     -29.21     -49.13      2608.77      2991.91"},
    // Empty boxes list the whole swing, -86 to 84.
    DisplayCase{"DoubleRockerDefaults", {300, 200, 180, 250}, {}, 18,
                "  -86     59.54      224.82     46.78      -38.86      -13255.72    14724.69",
                "   84     318.79     112.26     -16.65     31.93       -2285.65     2496.43"},
    // A start before the swing is raised to its first row; an empty end is its last.
    DisplayCase{"DoubleRockerStartClamped", {300, 200, 180, 250}, {-100, 0, 25}, 7,
                "  -86     59.54      224.82     46.78      -38.86      -13255.72    14724.69",
                "   64     330.51     72.01      -2.23      17.78       -125.04      58.56"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

ListingPlan rows(double first, double last, double step = 5) {
    return {.first = first, .last = last, .step = step};
}
const ListingPlan kNotInRange{.refusal = messages::notInRange};
const ListingPlan kChooseRange{.refusal = messages::chooseRange};

// The four quarter buttons for an analysis of `kind` whose tables span startAngle..endAngle
// (degrees); the plans read no row.
struct QuarterCase {
    MechanismKind kind;
    double startAngle, endAngle;
    ListingPlan quarters[4];  // "0--90   度", "--180   度", "--270   度", "--360   度"
};

// A double rocker lists the part of its swing that lies in the quarter. Every branch of its
// condition table is reached below, and where a swing starting or ending on a quarter's edge
// could tell two branches apart, that edge is tried.
// clang-format off
const QuarterCase kQuarterCases[] = {
    {MechanismKind::FullTurn, 0, 0, {rows(0, 90), rows(90, 180), rows(180, 270), rows(270, 360)}},
    {MechanismKind::RockerCrank, 20, 150, {kChooseRange, kChooseRange, kChooseRange, kChooseRange}},
    {DR, -40, 60, {rows(-40, 60), kNotInRange, kNotInRange, kNotInRange}},
    {DR, 60, 180, {rows(60, 90), rows(90, 180), kNotInRange, kNotInRange}},
    {DR, 90, 200, {kNotInRange, rows(90, 180), rows(180, 200), kNotInRange}},
    {DR, 100, 170, {kNotInRange, rows(100, 170), kNotInRange, kNotInRange}},
    {DR, 100, 270, {kNotInRange, rows(100, 180), rows(180, 270), kNotInRange}},
    {DR, 100, 300, {kNotInRange, rows(100, 180), rows(180, 270), rows(270, 300)}},
    {DR, 180, 270, {kNotInRange, kNotInRange, rows(180, 270), kNotInRange}},
    {DR, 180, 300, {kNotInRange, kNotInRange, kNotInRange, rows(270, 300)}},
    {DR, 200, 300, {kNotInRange, kNotInRange, rows(200, 270), rows(270, 300)}},
    {DR, 270, 360, {kNotInRange, kNotInRange, kNotInRange, rows(270, 360)}},
    {DR, 280, 360, {kNotInRange, kNotInRange, kNotInRange, rows(280, 360)}},
};
// clang-format on

class ListingQuarterTest : public testing::TestWithParam<QuarterCase> {};

TEST_P(ListingQuarterTest, ListsThePartInTheQuarterOrRefuses) {
    const QuarterCase& c = GetParam();
    auto analysis = std::make_shared<Analysis>();
    analysis->kind = c.kind;
    analysis->tables.startAngle = c.startAngle;
    analysis->tables.endAngle = c.endAngle;
    SharedState state;
    state.analysis = analysis;
    const ListingCommand buttons[] = {ListingCommand::FirstQuarter, ListingCommand::SecondQuarter,
                                      ListingCommand::ThirdQuarter, ListingCommand::FourthQuarter};
    for (int q = 0; q < 4; ++q) {
        // The start and end boxes are filled in, but the quarter buttons read the interval only.
        EXPECT_EQ(Listing(state).plan(buttons[q], {45, 46, 0}), c.quarters[q])
            << "quarter " << q + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ListingQuarterTest, testing::ValuesIn(kQuarterCases));

// Before any analysis the inputs name the kind, and there are no rows to list.
TEST(ListingBeforeAnalysis, RefusesAsTheInputsKindWould) {
    SharedState state;
    state.inputs.mechanismName = names::doubleRocker;
    EXPECT_EQ(Listing(state).plan(ListingCommand::SecondQuarter, {}), kNotInRange);
    EXPECT_TRUE(listed(state, {}).empty());
}

// The taker stops after 50 rows, and 0.01 would end the loop by itself after 35900 rows: a loop
// that misses either end fails instead of hanging.
TEST(ListingLoop, EndsOnALostIntervalAndWhereTheTakerStops) {
    const Listing listing(executed({150, 220, 250, 300}));
    int taken = 0;
    const auto takeUpTo50 = [&](const ListingLine&) { return ++taken < 50; };
    // 1e-20 is lost against 100: the loop value would never change.
    listing.listRows(listing.plan(ListingCommand::Display, {100, 0, 1e-20}), takeUpTo50);
    EXPECT_EQ(taken, 1);
    // 0.01 reads row 0 fifty times over; the loop goes on only while the taker wants more.
    taken = 0;
    listing.listRows(listing.plan(ListingCommand::Display, {0, 0, 0.01}), takeUpTo50);
    EXPECT_EQ(taken, 50);
}

TEST(ListingSnapshot, ReadsTheAnalysisNotTheInputsChangedSince) {
    SharedState state = executed({150, 220, 250, 300});
    state.inputs = {0, 220, 150, 300, 100, 0, -1, std::string(names::doubleRocker), 150};
    EXPECT_EQ(Listing(state).kind(), MechanismKind::FullTurn);
    EXPECT_EQ(listed(state, {90, 90, 0}),
              Lines{"   90     21.62      112.45     -2.73      5.84        30.22        31.28"});
}

// Fields are padded to their columns, a Chinese character taking two; a field running past the
// next field's column pushes that one onto a new line.
TEST(ListingLines, PadToColumns) {
    EXPECT_EQ(
        paddedLines(listingHeading()),
        Lines{"L1杆转角  L2杆转角   L3杆转角   L2杆角速   L3杆角速    L2杆角加速   L3杆角加速"});
    EXPECT_EQ(paddedLines({{3, "12345678"}, {11, "x"}}), Lines{"  12345678x"});
    EXPECT_EQ(paddedLines({{3, "123456789"}, {11, "x"}}), (Lines{"  123456789", "          x"}));
}

}  // namespace

namespace {

// Every row of the analysis as CSV in index order: a byte-order mark and the headings, then the
// values the listing shows, in the shortest form that reads back, empty where a row has no value.
TEST(ListingCsv, EveryRowInIndexOrder) {
    const SharedState crankRocker = executed({150, 220, 250, 300});
    const std::string csv = analysisCsv(*crankRocker.analysis);
    std::istringstream lines(csv);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 1u + 361);
    EXPECT_EQ(rows[0],
              "\xEF\xBB\xBFL1杆转角,L2杆转角,L3杆转角,L2杆角速,L3杆角速,L2杆角加速,L3杆角加速");
    EXPECT_EQ(rows[11],
              "10,72.03220253263522,109.73380710553954,-11.507161090897052,-9.074299857187517,"
              "-2.3636802532120513,134.46517944335938");

    // The rocker-crank's first field is its crank angle theta1, back at 11 degrees on the last row
    // of the return swing.
    const std::string rockerCrank = analysisCsv(*executed({250, 220, 150, 300}).analysis);
    EXPECT_TRUE(
        rockerCrank.ends_with("\n11,306.4625664157932,300.50952098480104,"
                              "-108.15135204136934,-151.93779754565756,39190.51785885455,"
                              "55217.953125\n"));

    Analysis gap = *crankRocker.analysis;
    TableRow row = gap.tables.row(0);
    row.omega2 = row.omega3 = row.alpha2 = std::nan("");
    row.alpha3 = std::nanf("");
    gap.tables.setRow(0, row);
    EXPECT_NE(analysisCsv(gap).find("\n0,82.68796895607858,119.20920455288095,,,,\n"),
              std::string::npos);
}

}  // namespace
