// The state that all windows share: the inputs as they stand, the running maxima, and the last
// analysis with the tables it filled.
#pragma once

#include <memory>

#include "core/linkage.h"
#include "core/result_tables.h"

namespace fourbar {

// What one execute analysed: the inputs it used and the tables it filled. Never changed once made,
// so that whatever the windows draw or list from it belongs to one analysis, however the inputs
// have changed since.
struct Analysis {
    // L1..L4, n and M as confirmed when the run started; omega1, mechanismName and shortestLink as
    // the run set them.
    LinkageState linkage;
    // The index range the tables hold (kindFromNameAndLengths of `linkage`).
    MechanismKind kind = MechanismKind::FullTurn;
    // The rows, with startAngle and endAngle; no rows after a run that could not close the loop.
    ResultTables tables;

    // The rows of `kind`: the index range the readers walk.
    IndexRange kindRows() const { return kindRange(kind, tables); }
};

struct SharedState {
    // As the main window's boxes confirmed them; a focus reset zeroes a field. Execute also writes
    // omega1, mechanismName and shortestLink here.
    LinkageState inputs;
    // Raised by every run, reset by the clear command; they scale the next curves.
    Maxima maxima;
    // The last execute that ran an analysis; null before the first.
    std::shared_ptr<const Analysis> analysis;
};

}  // namespace fourbar
