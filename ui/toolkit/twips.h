// Twips, the windows' unit of position and size: 15 twips make one logical pixel.
#pragma once

#include <QRect>
#include <QSize>

namespace fourbar::ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
int pixels(int twips);
QSize twipsSize(int width, int height);
QRect twipsRect(int left, int top, int width, int height);

}  // namespace fourbar::ui
