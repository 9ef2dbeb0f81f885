// The windows' fonts, mapped to installed equivalents and sized in pixels at 96 logical dpi.
#include "ui/toolkit/fonts.h"

#include <QStringList>
#include <cmath>

namespace fourbar::ui {

namespace {

constexpr double kLogicalDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

// The Latin faces come first; the CJK face behind them renders Chinese captions set in a Latin
// font.
QStringList families(DesignFont face) {
    switch (face) {
        case DesignFont::TimesNewRoman:
            return {QStringLiteral("Liberation Serif"), QStringLiteral("Noto Serif CJK SC")};
        case DesignFont::MsSansSerif:
        case DesignFont::Arial:
            return {QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC")};
        case DesignFont::SongTi:
            return {QStringLiteral("Noto Serif CJK SC")};
    }
    return {QStringLiteral("Liberation Sans")};
}

}  // namespace

QFont designFont(DesignFont face, double points) {
    const QStringList names = families(face);
    QFont font(names.first());
    font.setFamilies(names);
    // A pixel size keeps the layout independent of the dpi the platform reports.
    const int px = static_cast<int>(std::lround(points * kLogicalDpi / kPointsPerInch));
    font.setPixelSize(px < 1 ? 1 : px);
    return font;
}

QFont defaultFont() {
    return designFont(DesignFont::MsSansSerif, 8.25);
}

}  // namespace fourbar::ui
