// The state that all windows share: the inputs as they stand, the maxima, and the last analysis
// with the tables it filled.
#pragma once

#include <memory>
#include <optional>

#include "core/coupler_point.h"
#include "core/linkage.h"
#include "core/output_panel.h"
#include "core/result_tables.h"

namespace fourbar {

// What one execute analysed and found. Never changed once made, so that whatever the windows draw
// or list from it belongs to one analysis, however the inputs have changed since.
struct Analysis {
    // L1..L4, n and M as confirmed when the run started.
    LinkageState linkage;
    double omega1 = 0;  // rad/s, the crank's angular velocity, positive counterclockwise
    Mechanism mechanism = Mechanism::CrankRockerA;  // the kind the classification named
    float shortestLink = 0;                         // mm, single precision as classified
    // The rows the run filled and the readers walk: sweepOf(linkage, mechanism, shortestLink).
    Sweep sweep = Sweep::FullTurn;
    // The rows, with startAngle and endAngle; no rows after a run that could not close the loop.
    ResultTables tables;
    // The output panel as this execute wrote it.
    ExecuteOutputs outputs;

    // The index range of `sweep`.
    IndexRange sweepRows() const { return sweepRange(sweep, tables); }
};

struct SharedState {
    // As the main window's boxes confirmed them; a focus reset zeroes a field.
    LinkageState inputs;
    // Of the last run: each execute that runs starts them at 0, the clear command resets them.
    Maxima maxima;
    // The last execute that ran an analysis; null before the first.
    std::shared_ptr<const Analysis> analysis;
    // The coupler point whose path the animation and the report show; not part of any analysis,
    // it stays set whatever is analysed until the user changes or removes it.
    std::optional<CouplerPoint> couplerPoint;
};

}  // namespace fourbar
