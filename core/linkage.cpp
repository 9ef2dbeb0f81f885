// Classification of the linkage by its four lengths, and the kind of row range each name implies.
#include "core/linkage.h"

#include <utility>

namespace fourbar {

namespace {

// Type A when a < b, type B when a > b, centred when they are equal (exact comparison).
std::string_view typeByComparison(double a, double b, std::string_view typeA,
                                  std::string_view typeB, std::string_view centred) {
    return a < b ? typeA : a > b ? typeB : centred;
}

}  // namespace

Classification classifyLinkage(LinkageState& state) {
    double lengths[4] = {state.L1, state.L2, state.L3, state.L4};
    // Exchange sort into descending order; equal lengths are never exchanged.
    for (int j = 0; j < 3; ++j) {
        for (int i = j + 1; i < 4; ++i) {
            if (lengths[j] < lengths[i]) {
                std::swap(lengths[j], lengths[i]);
            }
        }
    }
    const double l = lengths[0];
    const double p = lengths[1];
    const double q = lengths[2];
    const double s = lengths[3];
    state.shortestLink = static_cast<float>(s);

    // Equality fails too: a loop whose longest link equals the sum of the others cannot move.
    if (l >= p + q + s) {
        return Classification::CannotClose;
    }

    const double L1 = state.L1;
    const double L2 = state.L2;
    const double L3 = state.L3;
    const double L4 = state.L4;
    std::string_view name;
    if (L1 == L3 && L2 == L4) {
        name = names::parallelogram;
    } else if (l + s > p + q) {
        name = names::doubleRocker;
    } else if (L1 == s) {
        name = typeByComparison(L1 * L1 + L4 * L4, L2 * L2 + L3 * L3, names::crankRockerA,
                                names::crankRockerB, names::crankRockerCentred);
    } else if (L3 == s) {
        name = typeByComparison(L3 * L3 + L4 * L4, L1 * L1 + L2 * L2, names::rockerCrankA,
                                names::rockerCrankB, names::rockerCrankCentred);
    } else if (L4 == s) {
        name = names::doubleCrank;
    } else {
        name = names::doubleRocker;
    }
    state.mechanismName = name;
    return Classification::Named;
}

bool isShortestLink(double length, float shortestLink) {
    return static_cast<float>(length) == shortestLink;
}

MechanismKind kindFromNameAndLengths(const LinkageState& state) {
    if (state.mechanismName == names::doubleRocker) {
        return MechanismKind::DoubleRocker;
    }
    if (isShortestLink(state.L3, state.shortestLink) && state.L3 != state.L1) {
        return MechanismKind::RockerCrank;
    }
    return MechanismKind::FullTurn;
}

MechanismKind kindFromName(std::string_view mechanismName) {
    if (mechanismName == names::doubleRocker) {
        return MechanismKind::DoubleRocker;
    }
    if (mechanismName == names::rockerCrankA || mechanismName == names::rockerCrankB ||
        mechanismName == names::rockerCrankCentred) {
        return MechanismKind::RockerCrank;
    }
    return MechanismKind::FullTurn;
}

}  // namespace fourbar
