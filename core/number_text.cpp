// Number texts of the output boxes and the data listing: general form and the "###.##" pattern.
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace fourbar {

namespace {

// A finite value rounded to a number of significant digits: value = 0.d1d2... * 10^(exponent + 1),
// i.e. the first digit stands at 10^exponent. Digits hold no trailing zeros (at least one digit).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Rounds to `significant` digits (1 to 17), correctly rounded as the general format does.
Decimal toDecimal(double value, int significant) {
    Decimal d;
    if (value == 0.0) {
        // Negative zero counts as not negative.
        d.digits.assign(1, '0');
        return d;
    }
    // "-d.ddddddddddddddde-308" fits comfortably.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significant - 1);
    const char* p = buffer;
    const char* end = result.ptr;
    if (p != end && *p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            d.digits.push_back(*p);
        }
    }
    if (p != end && ++p != end) {  // past the 'e'
        std::from_chars(*p == '+' ? p + 1 : p, end, d.exponent);
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Appends the general format's digits to `text` (which holds the sign): exponent form when the
// exponent is below -4 or reaches the number of significant digits, else fixed form;
// `leadingZero` decides between "0.5" and ".5".
void appendGeneralDigits(std::string& text, const Decimal& d, int significant, bool leadingZero) {
    const std::string& digits = d.digits;
    if (d.exponent < -4 || d.exponent >= significant) {
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.push_back('.');
            text.append(digits, 1);
        }
        text.push_back('E');
        text.push_back(d.exponent < 0 ? '-' : '+');
        const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
        if (magnitude < 10) {
            text.push_back('0');
        }
        text += std::to_string(magnitude);
    } else if (d.exponent >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text.push_back('.');
            text.append(digits, integerDigits);
        }
    } else {
        if (leadingZero) {
            text.push_back('0');
        }
        text.push_back('.');
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += digits;
    }
}

std::string boxText(double value, int significant) {
    if (!std::isfinite(value)) {
        return {};
    }
    const Decimal d = toDecimal(value, significant);
    std::string text(1, d.negative ? '-' : ' ');
    appendGeneralDigits(text, d, significant, false);
    return text;
}

// Adds one to a string of decimal digits, growing it on a carry out of the first digit.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string numberText(double value) {
    return boxText(value, 15);
}

std::string singleNumberText(float value) {
    return boxText(static_cast<double>(value), 7);
}

std::string plainNumberText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const Decimal d = toDecimal(value, 15);
    std::string text(d.negative ? "-" : "");
    appendGeneralDigits(text, d, 15, true);
    return text;
}

std::string inputNumberText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0) {
        return " 0";  // negative zero too
    }
    // The largest double takes 309 digits in fixed form.
    char buffer[400];
    buffer[0] = ' ';
    const auto result =
        std::to_chars(buffer + 1, buffer + sizeof buffer, value, std::chars_format::fixed);
    return value < 0 ? std::string(buffer + 1, result.ptr) : std::string(buffer, result.ptr);
}

std::string patternText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const Decimal d = toDecimal(value, 15);
    // hundredths: the magnitude in hundredths, rounded half away from zero, as decimal digits.
    // Digit k of d.digits stands at 10^(exponent - k); the last one kept stands at 10^-2.
    const long kept = static_cast<long>(d.exponent) + 3;
    std::string hundredths;
    if (kept < 0) {
        hundredths.assign(1, '0');
    } else if (kept == 0) {
        hundredths.assign(1, d.digits[0] >= '5' ? '1' : '0');
    } else if (static_cast<std::size_t>(kept) >= d.digits.size()) {
        hundredths = d.digits;
        hundredths.append(static_cast<std::size_t>(kept) - d.digits.size(), '0');
    } else {
        hundredths.assign(d.digits, 0, static_cast<std::size_t>(kept));
        if (d.digits[static_cast<std::size_t>(kept)] >= '5') {
            incrementDigits(hundredths);
        }
    }
    const auto firstNonZero = hundredths.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        // Rounds to zero: no sign, even for a small negative value.
        return ".";
    }
    hundredths.erase(0, firstNonZero);
    if (hundredths.size() < 3) {
        hundredths.insert(0, 3 - hundredths.size(), '0');
    }
    const std::size_t integerDigits = hundredths.size() - 2;
    std::string text(d.negative ? "-" : "");
    if (hundredths.compare(0, integerDigits, "0") != 0) {
        text.append(hundredths, 0, integerDigits);
    }
    text.push_back('.');
    std::size_t decimalsEnd = hundredths.size();
    while (decimalsEnd > integerDigits && hundredths[decimalsEnd - 1] == '0') {
        --decimalsEnd;
    }
    text.append(hundredths, integerDigits, decimalsEnd - integerDigits);
    return text;
}

std::string plainCrankAngle(double value) {
    return numberText(value) + " ";
}

namespace {

template <class T>
std::string shortestOf(T value) {
    if (!std::isfinite(value)) {
        return {};
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string shortestNumberText(double value) {
    return shortestOf(value);
}

std::string shortestNumberText(float value) {
    return shortestOf(value);
}

}  // namespace fourbar
