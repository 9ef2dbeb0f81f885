// Classification of the linkage by its four lengths, the names of the kinds, and the sweep each
// kind implies.
#include "core/linkage.h"

#include <utility>

namespace fourbar {

namespace {

// Type A when a < b, type B when a > b, centred when they are equal (exact comparison).
Mechanism typeByComparison(double a, double b, Mechanism typeA, Mechanism typeB,
                           Mechanism centred) {
    return a < b ? typeA : a > b ? typeB : centred;
}

}  // namespace

std::string_view mechanismName(Mechanism mechanism) {
    switch (mechanism) {
        case Mechanism::Parallelogram:
            return "平行四边形机构";
        case Mechanism::DoubleRocker:
            return "双摇杆机构";
        case Mechanism::CrankRockerA:
            return "A型曲柄摇杆机构";
        case Mechanism::CrankRockerB:
            return "B型曲柄摇杆机构";
        case Mechanism::CrankRockerCentred:
            return "正置曲柄摇杆机构";
        case Mechanism::RockerCrankA:
            return "A型摇杆曲柄机构";
        case Mechanism::RockerCrankB:
            return "B型摇杆曲柄机构";
        case Mechanism::RockerCrankCentred:
            return "正置摇杆曲柄机构";
        case Mechanism::DoubleCrank:
            return "双曲柄机构";
    }
    return {};
}

bool isCrankRocker(Mechanism mechanism) {
    return mechanism == Mechanism::CrankRockerA || mechanism == Mechanism::CrankRockerB ||
           mechanism == Mechanism::CrankRockerCentred;
}

bool isRockerCrank(Mechanism mechanism) {
    return mechanism == Mechanism::RockerCrankA || mechanism == Mechanism::RockerCrankB ||
           mechanism == Mechanism::RockerCrankCentred;
}

Classification classifyLinkage(const LinkageState& inputs) {
    double lengths[4] = {inputs.L1, inputs.L2, inputs.L3, inputs.L4};
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
    Classification result;
    result.shortestLink = static_cast<float>(s);

    // Equality fails too: a loop whose longest link equals the sum of the others cannot move.
    if (l >= p + q + s) {
        return result;
    }

    const double L1 = inputs.L1;
    const double L2 = inputs.L2;
    const double L3 = inputs.L3;
    const double L4 = inputs.L4;
    if (L1 == L3 && L2 == L4) {
        result.mechanism = Mechanism::Parallelogram;
    } else if (l + s > p + q) {
        result.mechanism = Mechanism::DoubleRocker;
    } else if (L1 == s) {
        result.mechanism =
            typeByComparison(L1 * L1 + L4 * L4, L2 * L2 + L3 * L3, Mechanism::CrankRockerA,
                             Mechanism::CrankRockerB, Mechanism::CrankRockerCentred);
    } else if (L3 == s) {
        result.mechanism =
            typeByComparison(L3 * L3 + L4 * L4, L1 * L1 + L2 * L2, Mechanism::RockerCrankA,
                             Mechanism::RockerCrankB, Mechanism::RockerCrankCentred);
    } else if (L4 == s) {
        result.mechanism = Mechanism::DoubleCrank;
    } else {
        result.mechanism = Mechanism::DoubleRocker;
    }
    return result;
}

bool isShortestLink(double length, float shortestLink) {
    return static_cast<float>(length) == shortestLink;
}

Sweep sweepOf(const LinkageState& inputs, Mechanism mechanism, float shortestLink) {
    if (mechanism == Mechanism::DoubleRocker) {
        return Sweep::DoubleRocker;
    }
    if (isShortestLink(inputs.L3, shortestLink) && inputs.L3 != inputs.L1) {
        return Sweep::RockerCrank;
    }
    return Sweep::FullTurn;
}

Sweep sweepOfMechanism(Mechanism mechanism) {
    if (mechanism == Mechanism::DoubleRocker) {
        return Sweep::DoubleRocker;
    }
    return isRockerCrank(mechanism) ? Sweep::RockerCrank : Sweep::FullTurn;
}

}  // namespace fourbar
