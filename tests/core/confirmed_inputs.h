// Helpers shared by the core tests: confirmed inputs as typed rows, and case names from labels.
#pragma once

#include <string>
#include <tuple>

#include "core/linkage.h"

namespace fourbar::testing_support {

// The six input boxes as the main window confirms them; n and M default to the presets' 100 and -1.
struct Inputs {
    double L1, L2, L3, L4;  // mm
    double n = 100;         // r/min
    double M = -1;
};

inline LinkageState confirmed(const Inputs& in) {
    LinkageState s;
    s.L1 = in.L1;
    s.L2 = in.L2;
    s.L3 = in.L3;
    s.L4 = in.L4;
    s.n = in.n;
    s.M = in.M;
    return s;
}

// Every field, so that two states compare (and print) as one value.
inline auto fields(const LinkageState& s) {
    return std::tie(s.L1, s.L2, s.L3, s.L4, s.n, s.omega1, s.M, s.mechanismName, s.shortestLink);
}

// Names a parameterised case by its row's label.
inline constexpr auto byLabel = [](const auto& info) { return std::string(info.param.label); };

}  // namespace fourbar::testing_support
