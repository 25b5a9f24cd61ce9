// Fuzz target: EntryValue reads any byte string without crashing, in linear
// time, and for ASCII texts gives exactly the plain reference reading. Its
// full-width twin (digits, point, signs and blanks widened as a Japanese
// input method types them) reads the same.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ReferenceReading.h"
#include "quiz/EntryValue.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, double got, double want) {
    std::fprintf(stderr, "%s: got %.17g, want %.17g for %zu bytes\n", what, got, want, text.size());
    std::abort();
}

bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// The full-width form of an ASCII character, or the character itself.
std::string_view Widened(char c, bool alternative) {
    static const char* const digits[] = {"０", "１", "２", "３", "４",
                                         "５", "６", "７", "８", "９"};
    if (c >= '0' && c <= '9') {
        return digits[c - '0'];
    }
    switch (c) {
    case '.':
        return "．";
    case ' ':
        return "　"; // ideographic space
    case '+':
        return "＋";
    case '-':
        return alternative ? "−" : "－"; // minus sign, full-width hyphen-minus
    default:
        return {};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = EntryValue(text);
    if (std::isnan(value)) {
        Fail("NaN", text, value, 0.0);
    }
    if (!IsAsciiText(text)) {
        return 0;
    }
    const double want = ReferenceReading(text);
    if (!Same(value, want)) {
        Fail("ASCII reading", text, value, want);
    }
    // Widen the characters at the positions the first byte's bits select.
    const unsigned mask = size > 0 ? data[0] : 0;
    std::string wide;
    for (std::size_t i = 0; i < size; ++i) {
        const std::string_view w = Widened(text[i], (i & 8) != 0);
        if ((mask >> (i % 8)) & 1U && !w.empty()) {
            wide += w;
        } else {
            wide += text[i];
        }
    }
    const double wideValue = EntryValue(wide);
    if (!Same(wideValue, want)) {
        Fail("full-width reading", wide, wideValue, want);
    }
    return 0;
}
