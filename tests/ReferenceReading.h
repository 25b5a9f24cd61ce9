// A plain reading of an ASCII entry, written independently of EntryValue so
// the two can be compared: drop blanks, tabs, CR and LF; take an optional
// sign and then the longest run of digits with at most one point; convert
// that with the C library in the "C" locale.
#pragma once

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>

inline bool IsAsciiText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Only for ASCII texts (see IsAsciiText).
inline double ReferenceReading(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            kept.push_back(c);
        }
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) {
        negative = kept[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool point = false;
    bool digit = false;
    for (; i < kept.size(); ++i) {
        if (kept[i] >= '0' && kept[i] <= '9') {
            digit = true;
        } else if (kept[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) {
        return 0.0;
    }
    // strtod rounds correctly and gives HUGE_VAL (infinity) on overflow.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string number = kept.substr(start, i - start);
    const double value = strtod_l(number.c_str(), nullptr, c);
    return negative ? -value : value;
}
