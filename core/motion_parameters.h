// The execute command: checks of the inputs, classification, choice of analysis, and the main
// motion parameters of the output panel with their captions.
#pragma once

#include "core/output_panel.h"
#include "core/shared_state.h"

namespace fourbar {

// Travel speed ratio coefficient K of a crank-rocker; NaN when a limit position does not exist.
double travelSpeedRatio(double L1, double L2, double L3, double L4);
// Minimum transmission angle in degrees; NaN when a limit position does not exist.
double minTransmissionAngle(double L1, double L2, double L3, double L4);

// The execute command on the confirmed inputs: refuses a value beyond double range, a length that
// is not positive, an M other than 1 or -1 and lengths that cannot close; otherwise starts the
// maxima at 0, runs the analysis the kind calls for (even one that cannot close the loop) and
// installs it as the state's analysis.
ExecuteOutputs executeAnalysis(SharedState& state);

}  // namespace fourbar
