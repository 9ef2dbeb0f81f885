// Classification, result tables, the engine's golden rows, the execute decision's golden texts and
// the analysis it leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "tests/core/confirmed_inputs.h"

namespace fourbar {
namespace {

using testing_support::byLabel;
using testing_support::confirmed;
using testing_support::fields;
using testing_support::Inputs;

constexpr MechanismKind kFull = MechanismKind::FullTurn;
constexpr MechanismKind kDoubleRocker = MechanismKind::DoubleRocker;
constexpr MechanismKind kRockerCrank = MechanismKind::RockerCrank;

// The name that classification gives, and the kinds by which the readers then take the tables.
struct ClassifyCase {
    const char* label;
    Inputs lengths;
    const char* name = nullptr;  // nullptr: the closure test fails and the name stays as it was
    MechanismKind byNameAndLengths = kFull;  // the diagrams' and the listing's rule
    MechanismKind byName = kFull;            // the animation's rule
};

class Classify : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(Classify, NamesTheLinkageAndItsKind) {
    const ClassifyCase& c = GetParam();
    LinkageState state = confirmed(c.lengths);
    state.mechanismName = "kept";
    EXPECT_EQ(classifyLinkage(state) == Classification::Named, c.name != nullptr);
    EXPECT_EQ(state.mechanismName, c.name ? c.name : "kept");
    if (c.name) {
        EXPECT_EQ(kindFromNameAndLengths(state), c.byNameAndLengths);
        EXPECT_EQ(kindFromName(state.mechanismName), c.byName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, Classify,
    ::testing::Values(
        ClassifyCase{"crankRockerB", Inputs{150, 220, 250, 300}, "B型曲柄摇杆机构"},
        ClassifyCase{"crankRockerA", Inputs{100, 200, 200, 100}, "A型曲柄摇杆机构"},
        ClassifyCase{"crankRockerAFraction", Inputs{12.3, 22, 25, 30}, "A型曲柄摇杆机构"},
        ClassifyCase{"crankRockerCentred", Inputs{100, 100, 200, 200}, "正置曲柄摇杆机构"},
        ClassifyCase{"rockerCrankB", Inputs{250, 220, 150, 300}, "B型摇杆曲柄机构", kRockerCrank,
                     kRockerCrank},
        ClassifyCase{"rockerCrankA", Inputs{300, 220, 150, 250}, "A型摇杆曲柄机构", kRockerCrank,
                     kRockerCrank},
        ClassifyCase{"rockerCrankCentred", Inputs{200, 100, 100, 200}, "正置摇杆曲柄机构",
                     kRockerCrank, kRockerCrank},
        ClassifyCase{"doubleCrank", Inputs{220, 250, 300, 150}, "双曲柄机构"},
        ClassifyCase{"doubleRocker", Inputs{300, 150, 220, 250}, "双摇杆机构", kDoubleRocker,
                     kDoubleRocker},
        ClassifyCase{"doubleRockerNonGrashof", Inputs{220, 150, 300, 100}, "双摇杆机构",
                     kDoubleRocker, kDoubleRocker},
        ClassifyCase{"parallelogram", Inputs{300, 100, 300, 100}, "平行四边形机构"},
        // L3 ties with the shortest link L1 only in single precision: the two rules part.
        ClassifyCase{"singlePrecisionTie", Inputs{100, 200, 100.000000001, 200}, "A型曲柄摇杆机构",
                     kRockerCrank, kFull},
        ClassifyCase{"longestIsTheSum", Inputs{100, 100, 100, 300}},
        ClassifyCase{"allZero", Inputs{0, 0, 0, 0}},
        ClassifyCase{"longestTooLong", Inputs{100, 100, 12.3, 300}}),
    byLabel);

TEST(Tables, RowsAndRangesStayInsideTheSixteenBitIndex) {
    ResultTables tables;
    EXPECT_TRUE(tables.empty());
    tables.resize(0, 360);
    EXPECT_DEATH((void)tables.theta1(361), "invariant failed");
    const auto range = [&](MechanismKind kind, double start, double end) {
        tables.startAngle = start;
        tables.endAngle = end;
        return kindRange(kind, tables);
    };
    EXPECT_EQ(range(kRockerCrank, 20, 150), (IndexRange{20, 280}));
    EXPECT_EQ(range(kDoubleRocker, -32768, 32767), (IndexRange{-32768, 32767}));
    EXPECT_TRUE(range(kDoubleRocker, 0, 32768).empty());
    EXPECT_TRUE(range(kRockerCrank, -30000, 30000).empty());
    EXPECT_TRUE(range(kRockerCrank, 0, std::numeric_limits<double>::quiet_NaN()).empty());
}

TEST(Helpers, VectorAndTriangleAngles) {
    EXPECT_EQ(vectorAngle(0, 1), 3.141593 / 2);
    EXPECT_EQ(vectorAngle(5e-11, -1), 3 * 3.141593 / 2);  // below the vertical threshold
    EXPECT_EQ(vectorAngle(-1, 0), 3.141593);
    EXPECT_EQ(vectorAngle(-1, -1), std::atan(1.0) + 3.141593);
    EXPECT_EQ(triangleAngle(3, 4, 5), 3.141593 / 2);
    EXPECT_EQ(triangleAngle(1, 1, 2 + 1e-13), 3.141593);  // a cosine within 1e-12 of -1 is -1
    EXPECT_NEAR(triangleAngle(-1, 1, 1), 3.141593 - std::atan(std::sqrt(3.0)), 1e-15);
    EXPECT_NEAR(triangleAngle(1, 1, 1e-6), 1e-6, 1e-9);  // just below 1 is a real small angle
    EXPECT_TRUE(std::isnan(triangleAngle(1, 1, 2.001)));
    EXPECT_TRUE(std::isnan(triangleAngle(0, 1, 1)) && std::isnan(triangleAngle(1, 0, 1)));
}

TEST(Engine, RockerCrankReturnsOnTheOtherBranch) {
    LinkageState state = confirmed({250, 220, 150, 300});
    LinkageState other = confirmed({250, 220, 150, 300, 100, 1});
    ResultTables tables;
    ResultTables single;
    Maxima maxima;
    ASSERT_EQ(analyseRockerDriven(state, tables, maxima, 11, 84), RunStatus::Completed);
    // Rows 84 (the return swing's stays) and 100 hold crank angles 84 and 68 on branch -M.
    for (const auto& [row, angle] : {std::pair{84, 84}, {100, 68}}) {
        ASSERT_EQ(analyseRange(other, single, maxima, angle, angle), RunStatus::Completed);
        EXPECT_EQ(tables.theta1(row), single.theta1(angle));
        EXPECT_EQ(tables.theta3(row), single.theta3(angle));
        EXPECT_EQ(tables.alpha3(row), single.alpha3(angle));
    }
}

TEST(Engine, InLineRowHoldsNoValuesAndCountsForNoMaximum) {
    // At crank angle 0 the coupler and output link lie stretched along the frame.
    LinkageState state = confirmed({300, 50, 250, 100});
    ResultTables tables;
    Maxima maxima;
    ASSERT_EQ(analyseRange(state, tables, maxima, 0, 0), RunStatus::Completed);
    const TableRow r = tables.row(0);
    for (const double x : {r.omega2, r.omega3, r.alpha2, static_cast<double>(r.alpha3)}) {
        EXPECT_TRUE(std::isnan(x));
    }
    EXPECT_EQ(maxima.omega3 + maxima.alpha3, 0);
}

struct FailedRunCase {
    const char* label;
    Inputs inputs;
};

class FailedRun : public ::testing::TestWithParam<FailedRunCase> {};

// A failed run leaves no rows and the maxima of before: nothing of it counts.
TEST_P(FailedRun, LeavesNoRowsAndTheMaximaOfBefore) {
    LinkageState good = confirmed({150, 220, 250, 300});
    LinkageState bad = confirmed(GetParam().inputs);
    ResultTables tables;
    Maxima maxima;
    ASSERT_EQ(analyseFullTurn(good, tables, maxima), RunStatus::Completed);
    const Maxima before = maxima;
    EXPECT_EQ(analyseFullTurn(bad, tables, maxima), RunStatus::CannotClose);
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(maxima, before);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FailedRun,
    ::testing::Values(FailedRunCase{"neverCloses", {10, 10, 10, 40}},
                      // Rows up to 127 degrees, at a speed that raises every maximum.
                      FailedRunCase{"closesUpTo127Degrees", {300, 150, 220, 100, 5000}},
                      FailedRunCase{"noCoupler", {100, 0, 250, 300}},
                      FailedRunCase{"noOutputLink", {100, 220, 0, 300}},
                      FailedRunCase{"overflows", {1e200, 1e200, 1e200, 1e200}}),
    byLabel);

constexpr ExecuteMessage kShown = ExecuteMessage::None;
constexpr ExecuteMessage kClosureFailed = ExecuteMessage::ClosureFailed;
constexpr ExecuteMessage kRunFailed = ExecuteMessage::RunFailed;
constexpr const char* kKept = nullptr;     // a box that keeps its text
using Boxes = std::array<const char*, 7>;  // Text8 .. Text14

struct ExecuteCase {
    const char* label;
    Inputs inputs;
    ExecuteMessage message;
    IndexRange rows;  // held by the analysis
    Boxes boxes;
};

class Execute : public ::testing::TestWithParam<ExecuteCase> {};

// What the execute command shows, and the analysis it leaves: the inputs as the run used them, and
// the rows of the kind it found.
TEST_P(Execute, ShowsTheParametersAndKeepsTheAnalysis) {
    const ExecuteCase& c = GetParam();
    SharedState state;
    state.inputs = confirmed(c.inputs);
    const ExecuteOutcome out = executeAnalysis(state);
    EXPECT_EQ(out.message, c.message);
    for (std::size_t k = 0; k < c.boxes.size(); ++k) {
        EXPECT_EQ(out.boxes[k], c.boxes[k] ? std::optional<std::string>(c.boxes[k]) : std::nullopt)
            << "Text" << 8 + k;
    }
    if (c.message == kClosureFailed) {
        EXPECT_EQ(state.analysis, nullptr);
        return;
    }
    ASSERT_NE(state.analysis, nullptr);
    EXPECT_EQ(fields(state.analysis->linkage), fields(state.inputs));
    EXPECT_EQ(state.analysis->tables.rows(), c.rows);
    EXPECT_TRUE(c.rows.empty() || state.analysis->kindRows() == c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Execute,
    ::testing::Values(
        ExecuteCase{
            "crankRocker", Inputs{150, 220, 250, 300}, kShown, IndexRange{0, 360},
            Boxes{"B型曲柄摇杆机构", " 73.767340617148", " 33.6200736089135", " 1.03051257105492",
                  " 169.736383970466", " 10.5279152691898", " 187.7075"}},
        // The other assembly: the output link's angles mirrored about the frame.
        ExecuteCase{
            "crankRockerOtherBranch", Inputs{150, 220, 250, 300, 100, 1}, kShown,
            IndexRange{0, 360},
            Boxes{"B型曲柄摇杆机构", " 73.767340617148", " 33.6200736089135", " 1.03051257105492",
                  " 264.029921782322", " 10.5279138845789", " 187.7076"}},
        ExecuteCase{
            "rockerCrank", Inputs{250, 220, 150, 300}, kShown, IndexRange{11, 157},
            Boxes{"B型摇杆曲柄机构", " 360", " 0", kKept, " 360", " 291.490842375463", " 2830125"}},
        ExecuteCase{
            "doubleCrank", Inputs{220, 250, 300, 150}, kShown, IndexRange{0, 360},
            Boxes{"双曲柄机构", " 360", " 0", kKept, " 360", " 36.3389224045975", " 753.9048"}},
        ExecuteCase{"doubleRocker1", Inputs{300, 150, 220, 250}, kShown, IndexRange{16, 84},
                    Boxes{"双摇杆机构", " 92.6328952619087", " 0", kKept, " 125.096348855039",
                          " 202.134753440254", " 1929905"}},
        ExecuteCase{"doubleRocker2", Inputs{220, 150, 300, 100}, kShown, IndexRange{40, 324},
                    Boxes{"双摇杆机构", "255.903852056737", " 12.3049860825041", kKept,
                          " 296.419467557007", " 50.0102633392581", " 16261.27"}},
        ExecuteCase{"doubleRocker3", Inputs{300, 150, 220, 100}, kShown, IndexRange{-127, 127},
                    Boxes{"双摇杆机构", "280.513824221746", " 0", kKept, " 358.891376100664",
                          " 28.2539025684975", " 6157.451"}},
        ExecuteCase{"doubleRocker4", Inputs{150, 300, 100, 220}, kShown, IndexRange{63, 297},
                    Boxes{"双摇杆机构", "186.185311253965", " 0", kKept, " 357.759832446017",
                          " 88.0612767696255", " 28543.58"}},
        ExecuteCase{"parallelogram", Inputs{100, 200, 100, 200, 60}, kShown, IndexRange{0, 360},
                    Boxes{"平行四边形机构", " 360", " 0", kKept, " 360", " 6.283186", " 0"}},
        // Crank and frame both shortest: a crank-rocker name with the double crank's boxes.
        ExecuteCase{"crankAndFrameShortest", Inputs{100, 200, 200, 100}, kShown, IndexRange{0, 360},
                    Boxes{"A型曲柄摇杆机构", " 360", " 0", kKept, " 360", " 88.1818876415955",
                          " 2.04482E+10"}},
        // L1 = L2: one limit position has no triangle, so K has no value.
        ExecuteCase{"crankEqualsCoupler", Inputs{100, 100, 200, 200}, kShown, IndexRange{0, 360},
                    Boxes{"正置曲柄摇杆机构", " 59.9999933840531", " 0", "", " 359.999997642984",
                          " 88.1818876415955", " 1.467955E+11"}},
        // 12.3 has no exact single-precision form and is still the shortest link.
        ExecuteCase{"inexactShortestLink", Inputs{25, 22, 12.3, 30}, kShown, IndexRange{18, 134},
                    Boxes{"A型摇杆曲柄机构", " 360", " 0", kKept, " 360", " 165.092989331523",
                          " 88645.82"}},
        // The limit positions lie less than a degree apart: no rows and no message.
        ExecuteCase{"limitsWithinADegree", Inputs{100, 100.1, .05, 100.04}, kShown, IndexRange{},
                    Boxes{"A型摇杆曲柄机构", " 360", " 0", kKept, " 360", " 0", " 0"}},
        // Refusals: the closure test keeps the panel; a run that cannot close empties the values.
        ExecuteCase{"cannotClose", Inputs{100, 100, 100, 300}, kClosureFailed, IndexRange{},
                    Boxes{kKept, kKept, kKept, kKept, kKept, kKept, kKept}},
        ExecuteCase{"noCoupler", Inputs{100, 0, 150, 200}, kRunFailed, IndexRange{},
                    Boxes{"双摇杆机构", "", "", "", "", "", ""}},
        ExecuteCase{"noOutputLink", Inputs{100, 220, 0, 300}, kRunFailed, IndexRange{},
                    Boxes{"B型摇杆曲柄机构", "", "", "", "", "", ""}}),
    byLabel);

// After the rocker-crank preset was executed, the boxes confirm `later` and an execute may follow.
struct AfterwardsCase {
    const char* label;
    Inputs later;
    std::optional<ExecuteMessage> executed;  // nullopt: confirmed only
    bool replacesAnalysis;
    IndexRange rows;  // of the state's analysis afterwards
};

class Afterwards : public ::testing::TestWithParam<AfterwardsCase> {};

// The analysis keeps the inputs it used, whatever the boxes confirm later; only a run replaces it,
// even one that cannot close. The maxima stand apart: every run since the start raises them.
TEST_P(Afterwards, TheAnalysisKeepsWhatItUsed) {
    const AfterwardsCase& c = GetParam();
    SharedState state;
    state.inputs = confirmed({250, 220, 150, 300});
    executeAnalysis(state);
    const LinkageState used = state.inputs;
    const Maxima before = state.maxima;
    const std::shared_ptr<const Analysis> first = state.analysis;
    SharedState alone;  // the later inputs executed on their own
    alone.inputs = state.inputs = confirmed(c.later);
    if (c.executed) {
        EXPECT_EQ(executeAnalysis(state).message, *c.executed);
        executeAnalysis(alone);
    }
    ASSERT_NE(state.analysis, nullptr);
    EXPECT_EQ(fields(first->linkage), fields(used));
    EXPECT_EQ(first->kind, kRockerCrank);
    EXPECT_EQ(first->tables.rows(), (IndexRange{11, 157}));
    EXPECT_EQ(state.analysis != first, c.replacesAnalysis);
    EXPECT_EQ(state.analysis->tables.rows(), c.rows);
    EXPECT_TRUE(!c.replacesAnalysis || fields(state.analysis->linkage) == fields(state.inputs));
    EXPECT_EQ(state.maxima, (Maxima{std::max(before.theta3, alone.maxima.theta3),
                                    std::max(before.omega3, alone.maxima.omega3),
                                    std::max(before.alpha3, alone.maxima.alpha3)}));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Afterwards,
    ::testing::Values(
        AfterwardsCase{"focusResetZeroesL1", Inputs{0, 220, 150, 300}, std::nullopt, false,
                       IndexRange{11, 157}},
        AfterwardsCase{"otherLengthsConfirmed", Inputs{220, 250, 300, 150}, std::nullopt, false,
                       IndexRange{11, 157}},
        AfterwardsCase{"classificationFails", Inputs{100, 100, 100, 300}, kClosureFailed, false,
                       IndexRange{11, 157}},
        AfterwardsCase{"runCannotClose", Inputs{100, 0, 150, 200}, kRunFailed, true, IndexRange{}},
        // "1e400" in a box: refused with the run's message before anything runs.
        AfterwardsCase{"lengthBeyondDoubleRange",
                       Inputs{std::numeric_limits<double>::infinity(), 220, 150, 300}, kRunFailed,
                       false, IndexRange{11, 157}},
        // The double crank's velocity maxima lie below the rocker-crank's and leave them standing.
        AfterwardsCase{"otherLengthsExecuted", Inputs{220, 250, 300, 150}, kShown, true,
                       IndexRange{0, 360}}),
    byLabel);

}  // namespace
}  // namespace fourbar
