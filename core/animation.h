// What the animation window shows, decided without drawing: which rows it reads, how a running
// demonstration steps from one position to the next, where the joints of a frame lie, and which
// positions the range picture superimposes.
#pragma once

#include <optional>
#include <vector>

#include "core/position_tables.h"
#include "core/shared_state.h"

namespace fourbar {

// The sweep by which the animation reads the tables: sweepOfMechanism of the analysed kind.
Sweep animationSweep(const Analysis& analysis);
// The index range of the position tables for the animation's sweep (sweepRange of its tables).
IndexRange animationRange(const Analysis& analysis);
// True when the result tables hold every row of animationRange(); otherwise Demonstrate and Range
// refuse with the analyse-first message rather than read outside the tables.
bool coversAnimation(const Analysis& analysis);

// Where a demonstration stands: the position index drawn and erased next, and the signed number of
// indices the next erase step advances by (the double rocker turns it round at either end).
struct FramePosition {
    int frameIndex = 0;
    int frameStep = 0;
    bool operator==(const FramePosition&) const = default;
};

// The advance rule an erase step applies, by sweep; startAngle and endAngle as in the result tables
// (whole degrees).
// - Full turn: forward; at 360 or beyond it starts again at 0, never at the remainder.
// - Double rocker: forward until endAngle is reached or passed, then clamped there and turned back;
//   below startAngle clamped and turned forward. The lower test is strict, so a swing that lands on
//   startAngle goes one step further and shows startAngle twice.
// - Rocker-crank: forward through the forward and return swings; past 2 endAngle - startAngle it
//   starts again at startAngle, keeping the step.
FramePosition nextFrame(Sweep sweep, FramePosition at, double startAngle, double endAngle);

// The joints of position i as Demonstrate stores them: crank angle i degrees, or the stored
// theta1(i) for a rocker-crank (its return swing runs back over the forward one); theta3(i). Row i
// must be held.
JointPositions frameJoints(const Analysis& analysis, int i);
// The position tables Demonstrate builds: frameJoints of every index of animationRange(). The
// analysis must be covered.
PositionTables demonstrationTables(const Analysis& analysis);

struct Frame {
    int frameIndex = 0;
    JointPositions joints;
    bool operator==(const Frame&) const = default;
};

// The figures Range superimposes, and where it leaves frameIndex: the first sample past the end.
struct RangeSamples {
    IndexRange tables;           // the position tables it rebuilds; only the samples are filled
    std::vector<Frame> samples;  // in rising order of index
    int frameIndexAfter = 0;
};

// A turning crank every 5 degrees from 0 to 350, at the crank angle rounded to single precision
// (frameIndex left at 355); a limited sweep every second index over its range, at the stored
// theta1. The analysis must be covered.
RangeSamples rangeSamples(const Analysis& analysis);

// The first `count` frames Demonstrate draws with the scroll bar at `frameStep` (1 to 10), the
// first draw included, as the timers' draw steps bring them; nullopt when the analysis is not
// covered.
std::optional<std::vector<Frame>> demonstrationFrames(const Analysis& analysis, int frameStep,
                                                      int count);

}  // namespace fourbar
