// The data listing: the commands' plans per kind, the refusals, and the rows listed for boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/listing.h"
#include "core/messages.h"
#include "core/motion_parameters.h"

using namespace fourbar;

namespace {

constexpr auto D = ListingCommand::Display;
constexpr auto Q1 = ListingCommand::FirstQuarter;
constexpr auto Q2 = ListingCommand::SecondQuarter;
constexpr auto Q3 = ListingCommand::ThirdQuarter;
constexpr auto Q4 = ListingCommand::FourthQuarter;
constexpr auto FT = MechanismKind::FullTurn;
constexpr auto RC = MechanismKind::RockerCrank;
constexpr auto DR = MechanismKind::DoubleRocker;

ListingPlan loop(double first, double last, double step, bool crankFromTheta1 = false) {
    return {.first = first, .last = last, .step = step, .crankFromTheta1 = crankFromTheta1};
}
const ListingPlan kNotInRange{.refusal = messages::notInRange};
const ListingPlan kChooseRange{.refusal = messages::chooseRange};

// The state after one execute with L1..L4 (mm), n = 100 r/min and M = -1.
SharedState executed(double L1, double L2, double L3, double L4) {
    SharedState state;
    state.inputs = {L1, L2, L3, L4, 100, 0, -1, {}, 0};
    EXPECT_EQ(executeAnalysis(state).message, ExecuteMessage::None);
    return state;
}

// Every text line the plan lists after the title and the heading.
std::vector<std::string> listed(const SharedState& state, ListingCommand command,
                                ListingBoxes boxes) {
    const Listing listing(state);
    std::vector<std::string> lines;
    listing.listRows(listing.plan(command, boxes), [&](const ListingLine& line) {
        for (const std::string& text : paddedLines(line)) {
            lines.push_back(text);
        }
        return true;
    });
    return lines;
}

// An analysis of `kind` over startAngle..endAngle, degrees; the plans read no row.
struct PlanCase {
    const char* name;
    MechanismKind kind;
    double startAngle, endAngle;
    ListingCommand command;
    ListingBoxes boxes;  // start, end, interval
    ListingPlan expected;
};

class ListingPlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(ListingPlanTest, DefaultsClampsAndQuarterConditions) {
    const PlanCase& c = GetParam();
    auto analysis = std::make_shared<Analysis>();
    analysis->kind = c.kind;
    analysis->tables.startAngle = c.startAngle;
    analysis->tables.endAngle = c.endAngle;
    SharedState state;
    state.analysis = analysis;
    EXPECT_EQ(Listing(state).plan(c.command, c.boxes), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, ListingPlanTest, testing::Values(
    PlanCase{"FullTurnEmptyBoxes", FT, 0, 0, D, {}, loop(0, 359, 10)},
    PlanCase{"FullTurnDownwards", FT, 0, 0, D, {100, 50, -10}, loop(100, 50, -10)},
    PlanCase{"FullTurnQuarterReadsIntervalOnly", FT, 0, 0, Q3, {45, 46, 30}, loop(180, 270, 30)},
    PlanCase{"FullTurnLastQuarter", FT, 0, 0, Q4, {}, loop(270, 360, 5)},
    PlanCase{"RockerCrankBothSwings", RC, 20, 150, D, {}, loop(20, 280, 10, true)},
    PlanCase{"RockerCrankClamped", RC, 20, 150, D, {-5, 400, 15}, loop(20, 280, 15, true)},
    PlanCase{"RockerCrankQuarter", RC, 20, 150, Q2, {}, kChooseRange},
    PlanCase{"DoubleRockerEmptyStart", DR, -40, 60, D, {0, 30, 0}, loop(-40, 30, 10)},
    PlanCase{"DoubleRockerClamped", DR, -40, 60, D, {-100, 0, 25}, loop(-40, 60, 25)},
    PlanCase{"DoubleRockerBelow90", DR, -40, 60, Q1, {}, loop(-40, 60, 5)},
    PlanCase{"DoubleRockerNotInSecond", DR, -40, 60, Q2, {}, kNotInRange},
    PlanCase{"DoubleRockerAcross90", DR, 60, 200, Q1, {}, loop(60, 90, 5)},
    PlanCase{"DoubleRockerThrough180", DR, 60, 200, Q2, {}, loop(90, 180, 5)},
    PlanCase{"DoubleRockerFrom180", DR, 60, 200, Q3, {}, loop(180, 200, 5)},
    PlanCase{"DoubleRockerNotInLast", DR, 60, 200, Q4, {}, kNotInRange},
    PlanCase{"DoubleRockerStartsAt90", DR, 90, 150, Q1, {}, kNotInRange},
    PlanCase{"DoubleRockerWithinSecond", DR, 90, 150, Q2, {}, loop(90, 150, 5)},
    PlanCase{"DoubleRockerAcross270", DR, 200, 300, Q4, {}, loop(270, 300, 5)},
    PlanCase{"DoubleRockerNotInThird", DR, 280, 350, Q3, {}, kNotInRange}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Before any analysis the inputs name the kind and there are no rows: only the refusals show.
TEST(ListingBeforeAnalysis, RefusesAsTheInputsKindWould) {
    SharedState state;
    EXPECT_EQ(Listing(state).plan(D, {}), loop(0, 359, 10));
    EXPECT_TRUE(listed(state, D, {}).empty());
    state.inputs.mechanismName = names::doubleRocker;
    EXPECT_EQ(Listing(state).plan(Q2, {}), kNotInRange);
    // Lengths that cannot close are not analysed, but L3 is found the shortest link.
    state.inputs = {250, 1000, 150, 300, 100, 0, -1, {}, 0};
    ASSERT_EQ(executeAnalysis(state).message, ExecuteMessage::ClosureFailed);
    EXPECT_EQ(Listing(state).plan(Q1, {}), kChooseRange);
}

// A field that ends on the next field's column shares its line; one column more does not.
TEST(ListingLines, FieldPastTheNextColumnStartsANewLine) {
    EXPECT_EQ(paddedLines({{3, "12345678"}, {11, "x"}}), std::vector<std::string>{"  12345678x"});
    EXPECT_EQ(paddedLines({{3, "123456789"}, {11, "x"}}),
              (std::vector<std::string>{"  123456789", "          x"}));
}

struct RowsCase {
    const char* name;
    double L3;  // mm; L1 = 400 - L3, L2 = 220, L4 = 300
    ListingBoxes boxes;
    std::size_t lines;
    const char* first;
    const char* last;
};

class ListingRowsTest : public testing::TestWithParam<RowsCase> {};

TEST_P(ListingRowsTest, LinesForTheBoxes) {
    const RowsCase& c = GetParam();
    const std::vector<std::string> lines = listed(executed(400 - c.L3, 220, c.L3, 300), D, c.boxes);
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CrankRockerAndRockerCrank, ListingRowsTest, testing::Values(
    RowsCase{"CrankRocker", 250, {}, 36,
             "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14",
             "   350    91.45      129.15     -7.64      -10.07      -205.44      -68.61"},
    // Loop value 2.5 reads row 2 and 12.5 row 12: halves go to the even row.
    RowsCase{"HalvesToEven", 250, {0, 12.5, 2.5}, 6,
             "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14",
             "   12.5   69.84      108.05     -11.48     -8.6        18.81        150.17"},
    // The first field is theta1 in degrees, forward swing then return swing.
    RowsCase{"RockerCrankSwing", 150, {}, 15,
             "  11.     331.25     337.2      63.83      107.62      -36066.06    -52093.52",
             "  17.     276.41     255.98     -29.21     -49.13      2608.77      2991.91"},
    // Far short of the rows the loop jumps to them; its long first field pushes the row's
    // other fields onto a line of their own.
    RowsCase{"FarBelowRows", 250, {-1e6, 0.4, 0.001}, 1800, "  -.499999999931082 ",
             "          82.69      119.21     -10.47     -10.47      -122.62      28.14"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ListingLoop, EndsOnATinyOrLostInterval) {
    const Listing listing(executed(150, 220, 250, 300));
    // A tiny interval reads row 0 over and over until the taker stops it.
    int rows = 0;
    listing.listRows(listing.plan(D, {0, 0, 1e-300}), [&](const ListingLine& line) {
        EXPECT_EQ(line[1].text, "82.69");
        return ++rows < 50;
    });
    EXPECT_EQ(rows, 50);
    // An interval lost against the start never advances the loop: nothing is listed.
    listing.listRows(listing.plan(D, {-1e17, 0, 1}), [](const ListingLine&) {
        ADD_FAILURE();
        return false;
    });
}

TEST(ListingSnapshot, ReadsTheAnalysisNotTheInputsChangedSince) {
    SharedState state = executed(150, 220, 250, 300);
    state.inputs = {0, 220, 150, 300, 100, 0, -1, std::string(names::doubleRocker), 150};
    EXPECT_EQ(Listing(state).kind(), MechanismKind::FullTurn);
    EXPECT_EQ(listed(state, D, {90, 90, 0}),
              std::vector<std::string>{
                  "   90     21.62      112.45     -2.73      5.84        30.22        31.28"});
}

}  // namespace
