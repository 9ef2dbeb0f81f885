// Lenient reading of the number an input box's text begins with.
#include "core/lenient_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace fourbar {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Index of the first character at or after `i` that is not a decimal digit.
std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

}  // namespace

double readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The unsigned number runs from `begin` to `end`; only this validated range is converted.
    const std::size_t begin = i;
    std::size_t end = skipDigits(text, i);
    std::size_t digitCount = end - begin;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        digitCount += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digitCount == 0) {
        return 0.0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        const std::size_t exponentEnd = skipDigits(text, e);
        // An exponent without digits ("1e", "1e+") is not part of the number.
        if (exponentEnd > e) {
            end = exponentEnd;
        }
    }
    double value = 0.0;
    // from_chars reads any number of digits and any exponent length without overflow, and reports
    // values outside the double range instead of returning infinity.
    const auto result =
        std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value) || value == 0.0) {
        // Too large or too small for a double: 0, as for a text that is not a number.
        return 0.0;
    }
    return negative ? -value : value;
}

}  // namespace fourbar
