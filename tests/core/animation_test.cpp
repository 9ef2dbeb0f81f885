// Tests of the animation's rules: the kind by name, the advance rules, the joints of a frame, the
// figure closing on every frame, the range picture's samples and the frames Demonstrate draws.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/animation.h"
#include "core/motion_parameters.h"

namespace fourbar {
namespace {

using Kind = MechanismKind;

// Failures name the row, not its bytes.
template <class Row>
requires requires(const Row& r) {
    r.what;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.what;
}

// One execute of a freshly started program with these inputs.
Analysis execute(double L1, double L2, double L3, double L4, double M) {
    SharedState s;
    s.inputs = {.L1 = L1, .L2 = L2, .L3 = L3, .L4 = L4, .n = 100, .M = M, .mechanismName = {}};
    executeAnalysis(s);
    return *s.analysis;
}

// Tables as a run of the named kind leaves them over rows first..last: theta1 i degrees (2 end - i
// on a rocker-crank's return swing), theta3 a quarter turn; L1 150, L3 250, L4 300 mm.
Analysis madeUp(std::string_view name, int start, int end, IndexRange rows) {
    Analysis a;
    a.linkage = {.L1 = 150, .L3 = 250, .L4 = 300, .mechanismName = std::string(name)};
    a.tables.resize(rows.first, rows.last);
    for (int i = rows.first; i <= rows.last; ++i) {
        const bool returning = kindFromName(name) == Kind::RockerCrank && i > end;
        a.tables.setRow(i,
                        {.theta1 = (returning ? 2 * end - i : i) * kDegree, .theta3 = 1.5707964f});
    }
    a.tables.startAngle = start;
    a.tables.endAngle = end;
    return a;
}

Analysis madeUp(std::string_view name, int start, int end) {
    const Kind kind = kindFromName(name);
    const int last = kind == Kind::FullTurn       ? 360
                     : kind == Kind::DoubleRocker ? end
                                                  : 2 * end - start;
    return madeUp(name, kind == Kind::FullTurn ? 0 : start, end,
                  {kind == Kind::FullTurn ? 0 : start, last});
}

// ---- The kind
// ------------------------------------------------------------------------------------

struct NameRow {
    std::string_view name;
    Kind kind;
};

void PrintTo(const NameRow& row, std::ostream* os) {
    *os << row.name;
}

class KindFromName : public testing::TestWithParam<NameRow> {};

TEST_P(KindFromName, ChoosesTheAdvanceRule) {
    EXPECT_EQ(kindFromName(GetParam().name), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(AllNames, KindFromName,
                         testing::Values(NameRow{names::parallelogram, Kind::FullTurn},
                                         NameRow{names::doubleRocker, Kind::DoubleRocker},
                                         NameRow{names::crankRockerA, Kind::FullTurn},
                                         NameRow{names::crankRockerB, Kind::FullTurn},
                                         NameRow{names::crankRockerCentred, Kind::FullTurn},
                                         NameRow{names::rockerCrankA, Kind::RockerCrank},
                                         NameRow{names::rockerCrankB, Kind::RockerCrank},
                                         NameRow{names::rockerCrankCentred, Kind::RockerCrank},
                                         NameRow{names::doubleCrank, Kind::FullTurn},
                                         NameRow{"", Kind::FullTurn},  // cleared by "清除"
                                         NameRow{"双摇杆机构 ",
                                                 Kind::FullTurn}));  // compared as exact text

// ---- Advance rules
// -------------------------------------------------------------------------------

struct StepRow {
    const char* what;
    Kind kind;
    int startAngle, endAngle;  // degrees
    FramePosition from;
    std::vector<int> indices;  // frameIndex of `from` and of each position after it
    int lastStep;              // frameStep after the last advance
};

class NextFrame : public testing::TestWithParam<StepRow> {};

TEST_P(NextFrame, GivesTheGoldenSequence) {
    const StepRow& row = GetParam();
    FramePosition at = row.from;
    std::vector<int> seen{at.frameIndex};
    while (seen.size() < row.indices.size()) {
        at = nextFrame(row.kind, at, row.startAngle, row.endAngle);
        seen.push_back(at.frameIndex);
    }
    EXPECT_EQ(seen, row.indices) << row.what;
    EXPECT_EQ(at.frameStep, row.lastStep) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NextFrame,
    testing::Values(
        StepRow{"turn, 360 never shown", Kind::FullTurn, 0, 0, {354, 3}, {354, 357, 0, 3}, 3},
        StepRow{"turn restarts at 0, not 4", Kind::FullTurn, 0, 0, {350, 7}, {350, 357, 0, 7}, 7},
        StepRow{"turn step 10", Kind::FullTurn, 0, 0, {340, 10}, {340, 350, 0, 10}, 10},
        StepRow{"double rocker: lower end twice",
                Kind::DoubleRocker,
                30,
                36,
                {30, 3},
                {30, 33, 36, 33, 30, 30, 33},
                3},
        StepRow{"double rocker clamped at both ends",
                Kind::DoubleRocker,
                30,
                35,
                {30, 3},
                {30, 33, 35, 32, 30, 33, 35},
                -3},
        StepRow{"double rocker about 0",
                Kind::DoubleRocker,
                -40,
                40,
                {20, 10},
                {20, 30, 40, 30, 20},
                -10},
        StepRow{
            "double rocker swinging down", Kind::DoubleRocker, 0, 60, {45, -3}, {45, 42, 39}, -3},
        StepRow{"rocker-crank restarts",
                Kind::RockerCrank,
                20,
                150,
                {272, 3},
                {272, 275, 278, 20, 23},
                3},
        StepRow{"rocker-crank shows its last index",
                Kind::RockerCrank,
                20,
                150,
                {276, 2},
                {276, 278, 280, 20},
                2}));

// ---- Joints and figure
// ---------------------------------------------------------------------------

TEST(FrameJoints, CrankAtZeroAndOutputLinkUpright) {
    const JointPositions j = jointPositions({.L1 = 150, .L3 = 250, .L4 = 300, .mechanismName = {}},
                                            0, std::numbers::pi / 2);
    EXPECT_EQ(j.bx, 150);
    EXPECT_EQ(j.by, 0);
    EXPECT_NEAR(j.cx, 300, 1e-12);
    EXPECT_EQ(j.cy, 250.0f);
}

struct JointRow {
    const char* what;
    double L1, L2, L3, L4, M;
    int index;
    JointPositions joints;  // golden, mm
};

class FrameJointsOf : public testing::TestWithParam<JointRow> {};

TEST_P(FrameJointsOf, PlaceTheFigure) {
    const JointRow& r = GetParam();
    EXPECT_EQ(frameJoints(execute(r.L1, r.L2, r.L3, r.L4, r.M), r.index), r.joints) << r.what;
}

// The centred rocker-crank's return swing ends at index 117 with the crank back at 1 degree.
INSTANTIATE_TEST_SUITE_P(Presets, FrameJointsOf,
                         testing::Values(JointRow{"crank-rocker at 0",
                                                  150,
                                                  220,
                                                  250,
                                                  300,
                                                  -1,
                                                  0,
                                                  {150, 0, 177.99997804852677, 218.2108917236328f}},
                                         JointRow{"centred rocker-crank at 1",
                                                  200,
                                                  100,
                                                  100,
                                                  200,
                                                  1,
                                                  1,
                                                  {199.96953902456082, 3.4904816722983103,
                                                   100.003808198347, 0.8727113604545593f}},
                                         JointRow{"its return swing at theta1, not 117 degrees",
                                                  200,
                                                  100,
                                                  100,
                                                  200,
                                                  1,
                                                  117,
                                                  {199.96953902456082, 3.4904816722983103,
                                                   299.9657307500769, 2.6177616119384766f}}));

struct LinkageRow {
    const char* what;
    double L1, L2, L3, L4, M;
};

class EveryFrame : public testing::TestWithParam<LinkageRow> {
  protected:
    // |BC| = L2: theta3 and Cy are single precision, about 1e-7 of the lengths each.
    static void expectCloses(const Analysis& a, const JointPositions& j, int i) {
        const LinkageState& s = a.linkage;
        const double tolerance = 1e-6 * (s.L1 + s.L2 + s.L3 + s.L4);
        EXPECT_NEAR(std::hypot(j.cx - j.bx, j.cy - j.by), s.L2, tolerance) << "index " << i;
    }
};

TEST_P(EveryFrame, ClosesTheFigure) {
    const LinkageRow& r = GetParam();
    const Analysis a = execute(r.L1, r.L2, r.L3, r.L4, r.M);
    ASSERT_TRUE(coversAnimation(a)) << r.what;
    const PositionTables tables = demonstrationTables(a);
    ASSERT_EQ(tables.range(), animationRange(a));
    for (int i = tables.range().first; i <= tables.range().last; ++i) {
        expectCloses(a, tables.at(i), i);
    }
    for (const Frame& f : rangeSamples(a).samples) {
        expectCloses(a, f.joints, f.frameIndex);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryFrame,
                         testing::Values(LinkageRow{"crank-rocker", 150, 220, 250, 300, -1},
                                         LinkageRow{"double crank", 220, 250, 300, 150, -1},
                                         LinkageRow{"double rocker", 300, 150, 220, 100, -1},
                                         LinkageRow{"rocker-crank", 250, 220, 150, 300, -1},
                                         LinkageRow{"centred rocker-crank", 200, 100, 100, 200,
                                                    1}));

// ---- Range picture
// -------------------------------------------------------------------------------

struct RangeRow {
    const char* what;
    std::string_view name;
    int startAngle, endAngle;
    IndexRange tables;
    int samples, firstSample, lastSample, frameIndexAfter;
};

class RangeOf : public testing::TestWithParam<RangeRow> {};

TEST_P(RangeOf, SamplesEverySecondIndexOrEveryFifthDegree) {
    const RangeRow& r = GetParam();
    const RangeSamples range = rangeSamples(madeUp(r.name, r.startAngle, r.endAngle));
    EXPECT_EQ(range.tables, r.tables);
    ASSERT_EQ(static_cast<int>(range.samples.size()), r.samples);
    EXPECT_EQ(range.samples.front().frameIndex, r.firstSample);
    EXPECT_EQ(range.samples.back().frameIndex, r.lastSample);
    EXPECT_EQ(range.frameIndexAfter, r.frameIndexAfter);
    const int step = (r.lastSample - r.firstSample) / (r.samples - 1);
    for (std::size_t k = 1; k < range.samples.size(); ++k) {
        EXPECT_EQ(range.samples[k].frameIndex - range.samples[k - 1].frameIndex, step);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RangeOf,
    testing::Values(
        RangeRow{"turning crank", names::crankRockerB, 0, 0, {0, 360}, 71, 0, 350, 355},
        RangeRow{"double rocker", names::doubleRocker, 30, 35, {30, 35}, 3, 30, 34, 36},
        RangeRow{"double rocker about 0", names::doubleRocker, -40, 40, {-40, 40}, 41, -40, 40, 42},
        RangeRow{"rocker-crank", names::rockerCrankA, 20, 150, {20, 280}, 131, 20, 280, 282}));

// A turning crank's range takes the crank angle in single precision; the return swing of a
// rocker-crank its stored theta1.
TEST(RangeSamplesOf, CrankAngles) {
    const RangeSamples turning = rangeSamples(execute(150, 220, 250, 300, -1));
    EXPECT_EQ(turning.samples[1].joints.bx, 149.42920455214215);
    EXPECT_EQ(turning.samples[1].joints.by, 13.073363259469961);
    const RangeSamples rocking = rangeSamples(madeUp(names::rockerCrankB, 20, 150));
    EXPECT_EQ(rocking.samples.back().joints, rocking.samples.front().joints);
}

// ---- Coverage and the frames Demonstrate draws -------------------------------------------------

struct CoverRow {
    const char* what;
    Analysis analysis;
};

class Uncovered : public testing::TestWithParam<CoverRow> {};

TEST_P(Uncovered, Refuses) {
    EXPECT_FALSE(coversAnimation(GetParam().analysis)) << GetParam().what;
    EXPECT_EQ(demonstrationFrames(GetParam().analysis, 3, 1), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Uncovered,
    testing::Values(CoverRow{"no rows", madeUp(names::doubleRocker, 30, 36, {})},
                    CoverRow{"name cleared after a double rocker", madeUp("", 30, 36, {30, 36})},
                    CoverRow{"full-turn rows under the double-rocker name",
                             madeUp(names::doubleRocker, -10, 36, {0, 360})},
                    CoverRow{"double-rocker rows under a rocker-crank name",
                             madeUp(names::rockerCrankA, 30, 36, {30, 36})},
                    CoverRow{"a double rocker's range upside down",
                             madeUp(names::doubleRocker, 36, 30, {0, 360})}));

TEST(DemonstrationFrames, CrankRockerAtStep3) {
    const Analysis a = execute(150, 220, 250, 300, -1);
    const auto frames = demonstrationFrames(a, 3, 125);
    ASSERT_TRUE(frames.has_value());
    ASSERT_EQ(frames->size(), 125u);
    for (std::size_t k = 0; k < frames->size(); ++k) {
        EXPECT_EQ((*frames)[k].frameIndex, static_cast<int>(3 * k % 360));
        EXPECT_EQ((*frames)[k].joints, frameJoints(a, (*frames)[k].frameIndex));
    }
}

// The centred rocker-crank starts at its startAngle and runs through both swings.
TEST(DemonstrationFrames, CentredRockerCrankAtStep3) {
    const auto frames = demonstrationFrames(execute(200, 100, 100, 200, 1), 3, 40);
    ASSERT_TRUE(frames.has_value());
    EXPECT_EQ(frames->front().frameIndex, 1);
    EXPECT_EQ((*frames)[38].frameIndex, 115);
    EXPECT_EQ((*frames)[39].frameIndex, 1);
}

}  // namespace
}  // namespace fourbar
