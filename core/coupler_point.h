// A point fixed to the coupler, as the user sets it: its distance from joint B and its angle from
// BC, and the reading of the two boxes that set it.
#pragma once

#include <optional>
#include <string_view>

namespace fourbar {

// A point P fixed to the coupler: its distance from joint B and its angle from BC.
struct CouplerPoint {
    double distance = 0;  // mm, BP
    double angle = 0;     // degrees, angle CBP, counterclockwise from BC
    bool operator==(const CouplerPoint&) const = default;
};

// The point two boxes give, or the message (messages.h) that refuses them.
struct CouplerPointReading {
    std::optional<CouplerPoint> point;
    std::string_view refusal;  // empty when `point` is set
};

// BP and the angle from the texts of their boxes, each the number it begins with. Refused: a box
// that does not begin with a number, a negative BP, and a value that is not finite ("1e400").
// BP = 0 puts P on B.
CouplerPointReading readCouplerPoint(std::string_view distance, std::string_view angle);

}  // namespace fourbar
