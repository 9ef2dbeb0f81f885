// Colours of the drawings, as the windows and the report take them.
#pragma once

namespace fourbar {

// A colour as red, green and blue, 0 to 255 each.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

}  // namespace fourbar
