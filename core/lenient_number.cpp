// Lenient reading of the number an input box's text begins with.
#include "core/lenient_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
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

// True when the number in text[begin, end), digits with at most one point and an optional
// exponent, has its leading digit above the units: a number out of double range is then too large
// rather than too small. Needs a nonzero digit.
bool leadsAboveUnits(std::string_view text, std::size_t begin, std::size_t end) {
    std::size_t mantissaEnd = begin;
    while (mantissaEnd < end && text[mantissaEnd] != 'e' && text[mantissaEnd] != 'E') {
        ++mantissaEnd;
    }
    const std::string_view mantissa = text.substr(begin, mantissaEnd - begin);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t lead = mantissa.find_first_not_of("0.");
    // The power of ten of the leading digit, before the exponent.
    long long power = lead < point ? static_cast<long long>(point - lead) - 1
                                   : -static_cast<long long>(lead - point);
    if (mantissaEnd < end) {
        std::size_t e = mantissaEnd + 1;
        const bool negative = text[e] == '-';
        e += text[e] == '+' || text[e] == '-';
        long long exponent = 0;
        // Saturates far beyond any mantissa's length, so that long exponents cannot overflow.
        for (; e < end && exponent < 1'000'000'000; ++e) {
            exponent = exponent * 10 + (text[e] - '0');
        }
        power += negative ? -exponent : exponent;
    }
    return power > 0;
}

// The number `text` begins with and the index just past it.
struct Scanned {
    double value = 0;
    std::size_t end = 0;
};

std::optional<Scanned> scanNumber(std::string_view text) {
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
        return std::nullopt;
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
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double is infinite, so that the analysis refuses it instead of running
        // with a plausible-looking 0; too small is 0.
        value = leadsAboveUnits(text, begin, end) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    if (value == 0.0) {
        return Scanned{0.0, end};  // never -0
    }
    return Scanned{negative ? -value : value, end};
}

}  // namespace

double readNumber(std::string_view text) {
    return leadingNumber(text).value_or(0.0);
}

std::optional<double> leadingNumber(std::string_view text) {
    const std::optional<Scanned> scanned = scanNumber(text);
    return scanned ? std::optional<double>(scanned->value) : std::nullopt;
}

std::optional<double> wholeNumber(std::string_view text) {
    const std::optional<Scanned> scanned = scanNumber(text);
    if (!scanned || scanned->end != text.size() || text.front() == ' ' || text.front() == '\t') {
        return std::nullopt;
    }
    return scanned->value;
}

}  // namespace fourbar
