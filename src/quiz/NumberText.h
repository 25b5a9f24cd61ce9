// How whole numbers are written on the window.
#pragma once

#include <cstdint>
#include <string>

// Decimal digits only: 672 is written "672".
inline std::string PlainNumberText(std::int64_t n) {
    return std::to_string(n);
}

// One blank, then the digits: 3 is written " 3".
inline std::string BlankNumberText(std::int64_t n) {
    return " " + std::to_string(n);
}
