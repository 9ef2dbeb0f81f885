// The execute command's decision: classification, choice of analysis, main motion parameters.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/shared_state.h"

namespace fourbar {

// Travel speed ratio coefficient K of a crank-rocker; NaN when a limit position does not exist.
double travelSpeedRatio(double L1, double L2, double L3, double L4);
// Minimum transmission angle in degrees; NaN when a limit position does not exist.
double minTransmissionAngle(double L1, double L2, double L3, double L4);

enum class ExecuteMessage {
    None,
    ClosureFailed,  // the lengths cannot close: nothing was run and the output panel keeps its text
    RunFailed,      // the run could not close the loop: tables empty, Text9..Text14 emptied; or an
                    // input beyond double range: nothing run, Text8..Text14 emptied
};

// What the execute command shows. boxes[0] is Text8 ... boxes[6] is Text14; nullopt means the
// box keeps its text. A value that is not finite is given as an empty text.
struct ExecuteOutcome {
    ExecuteMessage message = ExecuteMessage::None;
    std::array<std::optional<std::string>, 7> boxes;
};

// The execute command: classifies the inputs, chooses the branch and range, runs the analysis, and
// says what each output box shows. A run, even one that cannot close the loop, becomes the state's
// new analysis; a classification that fails leaves the last analysis in place.
ExecuteOutcome executeAnalysis(SharedState& state);

}  // namespace fourbar
