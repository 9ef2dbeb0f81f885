// Reading the coupler point from the texts of its two boxes.
#include "core/coupler_point.h"

#include <cmath>

#include "core/lenient_number.h"
#include "core/messages.h"

namespace fourbar {

CouplerPointReading readCouplerPoint(std::string_view distance, std::string_view angle) {
    const std::optional<double> bp = leadingNumber(distance);
    if (!bp || !std::isfinite(*bp) || *bp < 0) {
        return {std::nullopt, messages::couplerDistanceInvalid};
    }
    const std::optional<double> cbp = leadingNumber(angle);
    if (!cbp || !std::isfinite(*cbp)) {
        return {std::nullopt, messages::couplerAngleInvalid};
    }
    return {CouplerPoint{*bp, *cbp}, {}};
}

}  // namespace fourbar
