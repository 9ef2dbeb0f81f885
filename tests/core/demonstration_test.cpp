// Tests of the demonstration: its command sequences, the drawing each command and step asks for,
// the scale coefficient, the coupler triangle and path, and the path's CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/coupler_path.h"
#include "core/demonstration.h"
#include "tests/core/executed.h"

namespace fourbar {
namespace {

using test::analysed;
using test::Inputs;

constexpr Viewport kView{7260, 5280, 417, 309};  // the window as laid out

// Tables of a double rocker over startAngle..endAngle with theta1 i degrees and theta3 a quarter
// turn, rows -90..360: they place B and C (C straight above D), though the figure does not close.
std::shared_ptr<const Analysis> doubleRocker(int start, int end) {
    Analysis a;
    a.linkage = Inputs{150, 220, 250, 300};
    a.mechanism = Mechanism::DoubleRocker;
    a.tables.startAngle = start;
    a.tables.endAngle = end;
    a.tables.resize(-90, 360);
    for (int i = -90; i <= 360; ++i) {
        a.tables.setRow(i, {.theta1 = i * kDegree, .theta3 = 1.5707965f});
    }
    return std::make_shared<const Analysis>(std::move(a));
}

std::shared_ptr<const Analysis> crankRocker() {
    static const auto a = analysed(Inputs{150, 220, 250, 300});
    return a;
}
std::shared_ptr<const Analysis> centredRockerCrank() {  // "正置摇杆曲柄机构", rows 1..117
    static const auto a = analysed(Inputs{200, 100, 100, 200, 100, 1});
    return a;
}

// ---- Sequences ------------------------------------------------------------------------------

// The window's buttons, a tick of the timer, leaving the window, the scroll bar set to 10, and an
// execute of another linkage while the window is hidden.
enum class Act { Demonstrate, Step, Stop, Continue, Range, Leave, StepTen, Execute };

constexpr int kNone = -1;  // drew nothing, or refused

// One act and what it gave: the frame index whose figure Demonstrate, Step or Stop drew; the
// frameIndex Range left; 1 when Continue started the cycle, 0 when not. Leave, StepTen and Execute
// give kNone.
struct Step {
    Act act;
    int result = kNone;
    bool operator==(const Step&) const = default;
    friend void PrintTo(const Step& s, std::ostream* os) {
        *os << '{' << static_cast<int>(s.act) << ", " << s.result << '}';
    }
};

struct SequenceRow {
    const char* label;
    std::shared_ptr<const Analysis> (*analysis)();
    int frameStep;
    std::vector<Step> steps;
    bool runningAfter;
};

// What `act` gives; Execute replaces `current`.
int perform(Demonstration& demo, Act act, std::shared_ptr<const Analysis>& current, int frameStep) {
    const int index = demo.frameIndex();
    const bool wasRunning = demo.running();
    switch (act) {
        case Act::Demonstrate:
            return demo.demonstrate(current, 0, frameStep, {}, kView) ? demo.frameIndex() : kNone;
        case Act::Step:
            return demo.step(current.get(), kView).shapes.empty() ? kNone : demo.frameIndex();
        case Act::Stop:
            return demo.stop(current.get()).shapes.empty() ? kNone : index;
        case Act::Continue:
            demo.resume(current.get());
            return !wasRunning && demo.running();
        case Act::Range:
            return demo.range(current, 0, {}, kView) ? demo.frameIndex() : kNone;
        case Act::Leave:
            demo.leave();
            break;
        case Act::StepTen:
            demo.setFrameStep(10);
            break;
        case Act::Execute:
            current = crankRocker();
            break;
    }
    return kNone;
}

class Sequences : public testing::TestWithParam<SequenceRow> {};

TEST_P(Sequences, GiveTheGoldenSteps) {
    const SequenceRow& row = GetParam();
    Demonstration demo;
    std::shared_ptr<const Analysis> current = row.analysis();
    std::vector<Step> seen;
    for (const Step& step : row.steps) {
        seen.push_back({step.act, perform(demo, step.act, current, row.frameStep)});
    }
    EXPECT_EQ(seen, row.steps);
    EXPECT_EQ(demo.running(), row.runningAfter);
}

using enum Act;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Acts, Sequences, testing::Values(
    SequenceRow{"turningCrankStopContinue", crankRocker, 3,
        {{Demonstrate, 0}, {Step, 3}, {Step, 6}, {Stop, 6}, {Continue, 1}, {Step, 9}}, true},
    // The scroll bar's new step turns a double rocker on its way down forward again.
    SequenceRow{"stepTenOnTheWayDown", [] { return doubleRocker(30, 36); }, 3,
        {{Demonstrate, 30}, {Step, 33}, {Step, 36}, {Step, 33}, {StepTen}, {Step, 36}}, true},
    SequenceRow{"leftAndContinued", crankRocker, 3,
        {{Demonstrate, 0}, {Step, 3}, {Leave}, {Step}, {Continue, 1}, {Step, 6}}, true},
    SequenceRow{"newAnalysisStopsTheCycle", [] { return doubleRocker(30, 36); }, 3,
        {{Demonstrate, 30}, {Step, 33}, {Execute}, {Step}, {Continue, 0}, {Stop}}, false},
    // Range stops the cycle and leaves nothing to stop or continue.
    SequenceRow{"rangeAfterDemonstrate", crankRocker, 3,
        {{Demonstrate, 0}, {Step, 3}, {Range, 355}, {Stop}, {Continue, 0}, {Step}}, false},
    SequenceRow{"noAnalysis", [] { return std::shared_ptr<const Analysis>(); }, 3, {{Demonstrate}, {Range}, {Step}}, false}),
    test::byLabel);
// clang-format on

// ---- Drawings -------------------------------------------------------------------------------

using Census = std::array<int, 4>;  // segments, circles, black, thin

Census censusOf(const std::vector<Shape>& shapes) {
    Census c{};
    for (const Shape& shape : shapes) {
        std::visit(
            [&](const auto& s) {
                c[std::holds_alternative<Segment>(shape) ? 0 : 1] += 1;
                c[2] += s.colour == kBackgroundColour;
                c[3] += s.width == 1;
            },
            shape);
    }
    return c;
}

struct DrawingRow {
    const char* label;
    std::shared_ptr<const Analysis> (*analysis)();
    Census demonstrate, step, stop;
};

class Drawings : public testing::TestWithParam<DrawingRow> {};

// A turning crank's figure has no axes, and its erase takes the pivot circles too; every kind's
// erase comes before the figure drawn at the next position. Ground symbols and axes are thin.
TEST_P(Drawings, OfEachCommand) {
    const DrawingRow& row = GetParam();
    Demonstration demo;
    const auto a = row.analysis();
    const auto first = demo.demonstrate(a, 0, 3, {}, kView);
    ASSERT_TRUE(first);
    EXPECT_EQ(censusOf(first->shapes), row.demonstrate);
    const Drawing step = demo.step(a.get(), kView);
    EXPECT_FALSE(step.reset);
    EXPECT_EQ(censusOf(step.shapes), row.step);
    for (std::size_t k = 0; k < step.shapes.size(); ++k) {
        EXPECT_EQ(censusOf({step.shapes[k]})[2] == 1, k < std::size_t(row.step[2])) << k;
    }
    EXPECT_EQ(censusOf(demo.stop(a.get()).shapes), row.stop);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Drawings, testing::Values(
    DrawingRow{"turningCrank", crankRocker,                         {15, 4, 0, 12}, {18, 8, 7, 12}, {3, 2, 0, 0}},
    DrawingRow{"doubleRocker", [] { return doubleRocker(30, 36); }, {17, 4, 0, 14}, {20, 6, 5, 14}, {3, 2, 0, 0}},
    DrawingRow{"rockerCrank",  centredRockerCrank,                  {17, 4, 0, 14}, {20, 6, 5, 14}, {3, 2, 0, 0}}),
    test::byLabel);
// clang-format on

// The picture's bounds at coefficient 5 over the window as laid out (mm). 0, and a coefficient
// whose picture would have no extent or no finite bound, give 5 (the window's test reads the box).
TEST(Scale, CoefficientFallsBackToFive) {
    for (const double typed : {0.0, 1e40, HUGE_VAL, std::nan("")}) {
        Demonstration demo;
        const auto drawing = demo.demonstrate(doubleRocker(30, 36), typed, 3, {}, kView);
        ASSERT_TRUE(drawing && drawing->reset);
        EXPECT_EQ(demo.scaleCoefficient(), 5) << typed;
        EXPECT_NEAR(drawing->reset->left, -298.80, 0.005);
        EXPECT_NEAR(drawing->reset->top, 325.97, 0.005);
        EXPECT_NEAR(drawing->reset->right, 597.60, 0.005);
        EXPECT_NEAR(drawing->reset->bottom, -325.97, 0.005);
    }
}

// Range draws every shape at the width the last figure left: 1 before any demonstration, 2 after;
// the turning crank's 71 figures of 21 shapes each.
TEST(Range, WidthOfTheLastFigure) {
    Demonstration demo;
    const auto before = demo.range(crankRocker(), 0, {}, kView);
    ASSERT_TRUE(before);
    EXPECT_EQ(censusOf(before->shapes), (Census{71 * 17, 71 * 4, 0, 71 * 21}));
    demo.demonstrate(crankRocker(), 0, 3, {}, kView);
    EXPECT_EQ(censusOf(demo.range(crankRocker(), 0, {}, kView)->shapes)[3], 0);
    EXPECT_EQ(demo.drawWidth(), 2);
}

// ---- Coupler point --------------------------------------------------------------------------

struct CouplerRow {
    const char* label;
    std::shared_ptr<const Analysis> (*analysis)();
    int frameStep;
    std::size_t pathSegments;
    bool closed;
};

class Coupler : public testing::TestWithParam<CouplerRow> {};

// Each figure is the triangle B-C-P with BP as set and the angle CBP counterclockwise from BC.
// The path joins P over every row of the sweep: closed for a full turn, whose row 360 is its row 0
// again (within 1e-3 mm: the degree factor and theta3's single precision); the rocker-crank's
// swings end apart, on either side of its limit position. A step erases the triangle before it
// draws the path again where P was (the segments meeting there, not the far side of the path),
// and only then the new figure.
TEST_P(Coupler, TriangleAndPath) {
    const CouplerRow& row = GetParam();
    constexpr CouplerPoint point{100, 30};
    const auto a = row.analysis();
    Demonstration demo;
    ASSERT_TRUE(demo.demonstrate(a, 0, row.frameStep, point, kView));
    const std::vector<Segment>& path = demo.couplerPathSegments();
    ASSERT_EQ(path.size(), row.pathSegments);
    EXPECT_EQ(path.front().colour, kCouplerPathColour);
    const bool closed =
        std::hypot(path.back().x2 - path.front().x1, path.back().y2 - path.front().y1) < 1e-3;
    EXPECT_EQ(closed, row.closed);
    for (int k = 0; k < 12; ++k) {
        const int erased = demo.frameIndex() - demo.positionTables().range().first;
        const Drawing step = demo.step(a.get(), kView);
        std::vector<Segment> yellow, magenta;  // the erase's black segments aside
        for (const Shape& s : step.shapes) {
            if (const auto* g = std::get_if<Segment>(&s); g && g->colour != kBackgroundColour) {
                (g->colour == kDrawingColour ? yellow : magenta).push_back(*g);
            }
        }
        // AB, BC, CD, BP, CP, whichever the ground symbols come before.
        const Segment &bc = yellow.end()[-4], &bp = yellow.end()[-2], &cp = yellow.end()[-1];
        EXPECT_NEAR(std::hypot(bp.x2 - bp.x1, bp.y2 - bp.y1), point.distance, 1e-9);
        const double cbp =
            std::atan2(bp.y2 - bp.y1, bp.x2 - bp.x1) - std::atan2(bc.y2 - bc.y1, bc.x2 - bc.x1);
        EXPECT_NEAR(
            std::remainder(cbp - point.angle * std::numbers::pi / 180, 2 * std::numbers::pi), 0,
            1e-9);
        EXPECT_EQ(std::tuple(cp.x1, cp.y1, cp.x2, cp.y2), std::tuple(bc.x2, bc.y2, bp.x2, bp.y2));
        for (const int s : {erased - 1, erased}) {  // the path's ends have one neighbour
            const bool redrawn =
                s < 0 || s >= int(path.size()) || std::ranges::count(magenta, path[s]);
            EXPECT_TRUE(redrawn) << "segment " << s;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Coupler, testing::Values(
    CouplerRow{"turningCrank",       crankRocker, 3, 360, true},
    CouplerRow{"doubleRocker",       [] { return analysed(Inputs{300, 150, 220, 250}); }, 3, 68, false},
    CouplerRow{"centredRockerCrank", centredRockerCrank, 10, 116, false}),
    test::byLabel);
// clang-format on

// The headings and the first row, every number as it reads back (an empty value: the listing's
// CSV).
TEST(CouplerPathCsv, HeadingsAndFirstRow) {
    const std::string csv = couplerPathCsv(*crankRocker(), {100, 30});
    EXPECT_TRUE(csv.starts_with(
        "\xEF\xBB\xBF序号,曲柄转角(度),Px(mm),Py(mm),vx(mm/s),vy(mm/s)\n"
        "0,0,111.42875351367155,92.26190408012884,966.1643211610647,1974.7136156215702\n"));
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 361);
}

}  // namespace
}  // namespace fourbar
