// The fonts the windows name, mapped to installed equivalents.
#pragma once

#include <QFont>

namespace fourbar::ui {

enum class DesignFont {
    TimesNewRoman,  // Liberation Serif
    MsSansSerif,    // Liberation Sans; the default font of the windows other than the main one
    Arial,          // Liberation Sans
    SongTi,         // 宋体 -> Noto Serif CJK SC
};

// A font of the given face at `points` points (96 logical dots per inch, so sizes do not depend on
// the screen's reported resolution).
QFont designFont(DesignFont face, double points);
// The windows' default font: MS Sans Serif 8.25 pt.
QFont defaultFont();

}  // namespace fourbar::ui
