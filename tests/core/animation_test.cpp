// Tests of the animation's rules: the kind by name, the advance rules, the joints of a frame and
// the figure closing on every frame, the range picture's samples and the frames Demonstrate draws.
#include <gtest/gtest.h>

#include <cmath>
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

// One execute of a freshly started program with these lengths (mm), n = 100 r/min and M.
Analysis execute(double L1, double L2, double L3, double L4, double M) {
    SharedState s;
    s.inputs = {.L1 = L1, .L2 = L2, .L3 = L3, .L4 = L4, .n = 100, .M = M, .mechanismName = {}};
    executeAnalysis(s);
    return *s.analysis;
}

// Rows `rows` under `name`: theta1 i degrees (2 end - i on a rocker-crank's return swing), theta3 a
// quarter turn; L1 150, L3 250, L4 300 mm.
Analysis madeUp(std::string_view name, int start, int end, IndexRange rows) {
    Analysis a;
    a.linkage = {.L1 = 150, .L3 = 250, .L4 = 300, .mechanismName = std::string(name)};
    a.tables.resize(rows.first, rows.last);
    for (int i = rows.first; i <= rows.last; ++i) {
        const bool returning = kindFromName(name) == Kind::RockerCrank && i > end;
        a.tables.setRow(i, {.theta1 = (returning ? 2 * end - i : i) * kDegree, .theta3 = 1.57f});
    }
    a.tables.startAngle = start;
    a.tables.endAngle = end;
    return a;
}

struct NameRow {
    std::string_view what;  // the mechanism name
    Kind kind;
};

class KindFromName : public testing::TestWithParam<NameRow> {};

TEST_P(KindFromName, ChoosesTheRows) {
    EXPECT_EQ(kindFromName(GetParam().what), GetParam().kind);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllNames, KindFromName, testing::Values(
    NameRow{names::parallelogram, Kind::FullTurn}, NameRow{names::doubleRocker, Kind::DoubleRocker},
    NameRow{names::crankRockerA, Kind::FullTurn}, NameRow{names::crankRockerB, Kind::FullTurn},
    NameRow{names::crankRockerCentred, Kind::FullTurn}, NameRow{names::doubleCrank, Kind::FullTurn},
    NameRow{names::rockerCrankA, Kind::RockerCrank}, NameRow{names::rockerCrankB, Kind::RockerCrank},
    NameRow{names::rockerCrankCentred, Kind::RockerCrank},
    NameRow{"", Kind::FullTurn}, NameRow{"双摇杆机构 ", Kind::FullTurn}));  // exact texts only
// clang-format on

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
    EXPECT_EQ(seen, row.indices);
    EXPECT_EQ(at.frameStep, row.lastStep);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, NextFrame, testing::Values(
    StepRow{"turn, 360 never shown", Kind::FullTurn, 0, 0, {354, 3}, {354, 357, 0, 3}, 3},
    StepRow{"turn restarts at 0, not 4", Kind::FullTurn, 0, 0, {350, 7}, {350, 357, 0, 7}, 7},
    StepRow{"turn, step 10", Kind::FullTurn, 0, 0, {340, 10}, {340, 350, 0}, 10},
    StepRow{"rocker, lower end twice", Kind::DoubleRocker, 30, 36, {30, 3}, {30, 33, 36, 33, 30, 30, 33}, 3},
    StepRow{"rocker, both ends clamped", Kind::DoubleRocker, 30, 35, {30, 3}, {30, 33, 35, 32, 30, 33}, 3},
    StepRow{"rocker about 0", Kind::DoubleRocker, -40, 40, {20, 10}, {20, 30, 40, 30}, -10},
    StepRow{"rocker-crank restarts", Kind::RockerCrank, 20, 150, {272, 3}, {272, 275, 278, 20, 23}, 3},
    StepRow{"rocker-crank, last index", Kind::RockerCrank, 20, 150, {276, 2}, {276, 278, 280, 20}, 2}));
// clang-format on

struct LinkageRow {
    const char* what;
    double L1, L2, L3, L4, M;
    int index;
    JointPositions joints;  // golden at `index`, mm
};

class EveryFrame : public testing::TestWithParam<LinkageRow> {};

// |BC| = L2 on every frame Demonstrate and Range draw: theta3 and Cy are single precision, about
// 1e-7 of the lengths each.
TEST_P(EveryFrame, ClosesTheFigure) {
    const LinkageRow& r = GetParam();
    const Analysis a = execute(r.L1, r.L2, r.L3, r.L4, r.M);
    ASSERT_TRUE(coversAnimation(a));
    EXPECT_EQ(frameJoints(a, r.index), r.joints);
    std::vector<Frame> frames = rangeSamples(a).samples;
    const PositionTables tables = demonstrationTables(a);
    ASSERT_EQ(tables.range(), animationRange(a));
    for (int i = tables.range().first; i <= tables.range().last; ++i) {
        frames.push_back({i, tables.at(i)});
    }
    for (const auto& [i, j] : frames) {
        EXPECT_NEAR(std::hypot(j.cx - j.bx, j.cy - j.by), r.L2, 1e-6 * (r.L1 + r.L2 + r.L3 + r.L4))
            << "index " << i;
    }
}

// The centred rocker-crank's return swing ends at 117 with the crank back at 1 degree, not at 117.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, EveryFrame, testing::Values(
    LinkageRow{"crank-rocker", 150, 220, 250, 300, -1, 0, {150, 0, 177.99997804852677, 218.2108917236328f}},
    LinkageRow{"double crank", 220, 250, 300, 150, -1, 0, {220, 0, 381.42872498465886, -190.89459228515625f}},
    LinkageRow{"double rocker", 300, 150, 220, 100, -1, -127,
               {-180.5445655043549, -239.5906088870006, -75.93142898700881, -132.0913848876953f}},
    LinkageRow{"rocker-crank", 250, 220, 150, 300, -1, 157,
               {245.40679485208258, 47.70225403927846, 376.1523049965732, -129.23167419433594f}},
    LinkageRow{"centred rocker-crank", 200, 100, 100, 200, 1, 117,
               {199.96953902456082, 3.4904816722983103, 299.9657307500769, 2.6177616119384766f}}));
// clang-format on

struct RangeRow {
    const char* what;
    std::string_view name;
    int startAngle, endAngle;
    IndexRange tables;
    int samples, step, frameIndexAfter;
};

class RangeOf : public testing::TestWithParam<RangeRow> {};

TEST_P(RangeOf, SamplesTheCycle) {
    const RangeRow& r = GetParam();
    const RangeSamples range = rangeSamples(madeUp(r.name, r.startAngle, r.endAngle, r.tables));
    EXPECT_EQ(range.tables, r.tables);
    ASSERT_EQ(static_cast<int>(range.samples.size()), r.samples);
    for (int k = 0; k < r.samples; ++k) {
        EXPECT_EQ(range.samples[k].frameIndex, r.tables.first + k * r.step);
    }
    EXPECT_EQ(range.frameIndexAfter, r.frameIndexAfter);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, RangeOf, testing::Values(
    RangeRow{"turning crank", names::crankRockerB, 0, 0, {0, 360}, 71, 5, 355},
    RangeRow{"double rocker", names::doubleRocker, 30, 35, {30, 35}, 3, 2, 36},
    RangeRow{"double rocker about 0", names::doubleRocker, -40, 40, {-40, 40}, 41, 2, 42},
    RangeRow{"rocker-crank", names::rockerCrankA, 20, 150, {20, 280}, 131, 2, 282}));
// clang-format on

// A turning crank's range takes the crank angle in single precision (5 degrees: 150 sin gives
// ...850032106 in double precision); a rocker-crank's return swing its stored theta1.
TEST(RangeSamples, CrankAngles) {
    EXPECT_EQ(rangeSamples(execute(150, 220, 250, 300, -1)).samples[1].joints.by,
              13.073363259469961);
    const RangeSamples rocking = rangeSamples(madeUp(names::rockerCrankB, 20, 150, {20, 280}));
    EXPECT_EQ(rocking.samples.back().joints, rocking.samples.front().joints);
}

// Tables that do not cover the kind's rows: Demonstrate and Range refuse.
TEST(CoversAnimation, RefusesRowsOfAnotherKind) {
    for (const Analysis& a : {madeUp(names::doubleRocker, 30, 36, {}), madeUp("", 30, 36, {30, 36}),
                              madeUp(names::doubleRocker, -10, 36, {0, 360}),
                              madeUp(names::rockerCrankA, 30, 36, {30, 36}),
                              madeUp(names::doubleRocker, 36, 30, {0, 360})}) {
        EXPECT_FALSE(coversAnimation(a)) << a.tables.startAngle << ".." << a.tables.endAngle;
        EXPECT_EQ(demonstrationFrames(a, 3, 1), std::nullopt);
    }
}

TEST(DemonstrationFrames, RunThroughTheCycle) {
    const auto turning = demonstrationFrames(execute(150, 220, 250, 300, -1), 3, 125);
    const auto rocking = demonstrationFrames(execute(200, 100, 100, 200, 1), 3, 40);
    ASSERT_TRUE(turning && rocking);
    ASSERT_EQ(turning->size(), 125u);
    for (std::size_t k = 0; k < turning->size(); ++k) {
        EXPECT_EQ((*turning)[k].frameIndex, static_cast<int>(3 * k % 360));
    }
    EXPECT_EQ(rocking->front().frameIndex, 1);  // startAngle
    EXPECT_EQ((*rocking)[38].frameIndex, 115);
    EXPECT_EQ((*rocking)[39].frameIndex, 1);
}

}  // namespace
}  // namespace fourbar
