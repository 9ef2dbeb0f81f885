// A point fixed to the coupler, as the user sets it: its distance from joint B and its angle from
// BC.
#pragma once

namespace fourbar {

// A point P fixed to the coupler: its distance from joint B and its angle from BC.
struct CouplerPoint {
    double distance = 0;  // mm, BP
    double angle = 0;     // degrees, angle CBP, counterclockwise from BC
    bool operator==(const CouplerPoint&) const = default;
};

}  // namespace fourbar
