#include "quiz/EntryValue.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// Decodes the code point at text[i]; malformed bytes decode as U+FFFD, one
// byte at a time, so any byte string is walked in linear time.
char32_t DecodeAt(std::string_view text, std::size_t i, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        length = 1;
        return U'\uFFFD';
    }
    if (i + extra >= text.size()) {
        length = 1;
        return U'\uFFFD';
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            length = 1;
            return U'\uFFFD';
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms are malformed too: "1" may not hide in two bytes.
    static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < smallest[extra]) {
        length = 1;
        return U'\uFFFD';
    }
    length = extra + 1;
    return cp;
}

bool IsIgnored(char32_t cp) {
    return cp == U' ' || cp == U'\t' || cp == U'\n' || cp == U'\r' || cp == U'\u3000';
}

int DigitOf(char32_t cp) {
    if (cp >= U'0' && cp <= U'9') {
        return static_cast<int>(cp - U'0');
    }
    if (cp >= U'\uFF10' && cp <= U'\uFF19') { // full-width digits
        return static_cast<int>(cp - U'\uFF10');
    }
    return -1;
}

bool IsPoint(char32_t cp) {
    return cp == U'.' || cp == U'\uFF0E';
}

// +1 or -1 for a sign character, 0 otherwise.
int SignOf(char32_t cp) {
    switch (cp) {
    case U'+':
    case U'\uFF0B': // full-width plus
        return 1;
    case U'-':
    case U'\uFF0D': // full-width hyphen-minus
    case U'\u2212': // minus sign
        return -1;
    default:
        return 0;
    }
}

} // namespace

double EntryValue(std::string_view text) {
    // The number in plain ASCII: digits and at most one point.
    std::string number;
    int sign = 0;
    bool point = false;
    bool digit = false;
    bool wholeNonZero = false; // a non-zero digit before the point

    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        const char32_t cp = DecodeAt(text, i, length);
        if (IsIgnored(cp)) {
            continue;
        }
        if (const int d = DigitOf(cp); d >= 0) {
            number.push_back(static_cast<char>('0' + d));
            digit = true;
            wholeNonZero = wholeNonZero || (!point && d != 0);
        } else if (IsPoint(cp) && !point) {
            number.push_back('.');
            point = true;
        } else if (number.empty() && sign == 0 && SignOf(cp) != 0) {
            sign = SignOf(cp);
        } else {
            break;
        }
    }
    if (!digit) {
        return 0.0;
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too many digits before the point overflow; a long run of zeros
        // after it underflows.
        value = wholeNonZero ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign < 0 ? -value : value;
}
