// Reads the pupil's entry as a number.
#pragma once

#include <string_view>

// The value of a UTF-8 entry text. Blanks (also the ideographic space),
// tabs, carriage returns and line feeds are ignored wherever they stand.
// After an optional sign (+ or -, half- or full-width), digits with at most
// one decimal point are read from the start; ASCII and full-width digits and
// points ("０"-"９", "．") count alike. Reading stops at the first character
// that cannot continue the number; exponents, radix prefixes and other
// scripts' digits are not read. No digit gives 0; a value beyond double range
// gives infinity. Runs in time linear in the length of the text.
double EntryValue(std::string_view text);
