// Conversion of twips to logical pixels.
#include "ui/toolkit/twips.h"

#include <cmath>

namespace fourbar::ui {

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QSize twipsSize(int width, int height) {
    return QSize(pixels(width), pixels(height));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

}  // namespace fourbar::ui
