// The animation's rules: its sweep and rows, the advance rules, the joints of a frame and the range
// picture's samples.
#include "core/animation.h"

#include "core/analysis.h"

namespace fourbar {

namespace {

constexpr int kTurn = 360;             // degrees: a full turn's positions are 0 to 359
constexpr int kCrankSampleStep = 5;    // degrees between the figures of a turning crank's range
constexpr int kCrankSampleLast = 350;  // degrees, its last figure
constexpr int kLimitedSampleStep = 2;  // indices between the figures of a limited sweep's range

}  // namespace

Sweep animationSweep(const Analysis& analysis) {
    return sweepOfMechanism(analysis.mechanism);
}

IndexRange animationRange(const Analysis& analysis) {
    return sweepRange(animationSweep(analysis), analysis.tables);
}

bool coversAnimation(const Analysis& analysis) {
    const IndexRange range = animationRange(analysis);
    return !range.empty() && analysis.tables.covers(range);
}

FramePosition nextFrame(Sweep sweep, FramePosition at, double startAngle, double endAngle) {
    FramePosition next{at.frameIndex + at.frameStep, at.frameStep};
    switch (sweep) {
        case Sweep::FullTurn:
            if (next.frameIndex >= kTurn) {
                next.frameIndex = 0;
            }
            break;
        case Sweep::DoubleRocker:
            if (next.frameIndex >= endAngle) {
                next = {static_cast<int>(endAngle), -next.frameStep};
            }
            if (next.frameIndex < startAngle) {
                next = {static_cast<int>(startAngle), -next.frameStep};
            }
            break;
        case Sweep::RockerCrank:
            if (next.frameIndex > 2 * endAngle - startAngle) {
                next.frameIndex = static_cast<int>(startAngle);
            }
            break;
    }
    return next;
}

JointPositions frameJoints(const Analysis& analysis, int i) {
    const ResultTables& t = analysis.tables;
    // The double rocker's i degrees equal its stored theta1(i).
    const double theta1 =
        animationSweep(analysis) == Sweep::RockerCrank ? t.theta1(i) : i * kDegree;
    return jointPositions(analysis.linkage, theta1, t.theta3(i));
}

PositionTables demonstrationTables(const Analysis& analysis) {
    PositionTables positions;
    const IndexRange range = animationRange(analysis);
    positions.rebuild(range);
    for (int i = range.first; i <= range.last; ++i) {
        positions.store(i, frameJoints(analysis, i));
    }
    return positions;
}

RangeSamples rangeSamples(const Analysis& analysis) {
    const ResultTables& t = analysis.tables;
    const bool turning = animationSweep(analysis) == Sweep::FullTurn;
    RangeSamples out;
    out.tables = animationRange(analysis);
    const int last = turning ? kCrankSampleLast : out.tables.last;
    const int step = turning ? kCrankSampleStep : kLimitedSampleStep;
    int i = out.tables.first;
    for (; i <= last; i += step) {
        const double theta1 = turning ? static_cast<float>(i * kDegree) : t.theta1(i);
        out.samples.push_back({i, jointPositions(analysis.linkage, theta1, t.theta3(i))});
    }
    out.frameIndexAfter = i;
    return out;
}

std::optional<std::vector<Frame>> demonstrationFrames(const Analysis& analysis, int frameStep,
                                                      int count) {
    if (!coversAnimation(analysis)) {
        return std::nullopt;
    }
    const Sweep sweep = animationSweep(analysis);
    const PositionTables positions = demonstrationTables(analysis);
    std::vector<Frame> frames;
    FramePosition at{positions.range().first, frameStep};
    for (int k = 0; k < count; ++k) {
        frames.push_back({at.frameIndex, positions.at(at.frameIndex)});
        at = nextFrame(sweep, at, analysis.tables.startAngle, analysis.tables.endAngle);
    }
    return frames;
}

}  // namespace fourbar
