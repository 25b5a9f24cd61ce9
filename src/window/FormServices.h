// What the quiz and figure code needs from the platform: a drawing surface,
// the controls it writes to, a random source, the clock, and a way to end.
// Plain C++ so that the logic builds and runs without any toolkit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The controls the logic reads or writes. Control arrays (Text1, Text2) are
// addressed by name and index 1..10; the others take index 0.
enum class ControlName { Text1, Text2, Text3, Text4, Text6, Text7, Label8 };

struct Control {
    ControlName name;
    int index = 0;
    friend bool operator==(const Control&, const Control&) = default;
};

struct Colour {
    std::uint8_t red, green, blue;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// Every line of the program is drawn in this yellow.
inline constexpr Colour Yellow{255, 255, 0};

class FormServices {
  public:
    virtual ~FormServices() = default;

    // Drawing surface: client-area pixels, origin top left, y downwards.
    // Lines are one pixel wide and opaque; they stay until ClearDrawing.
    virtual void DrawLine(int x1, int y1, int x2, int y2, Colour colour) = 0;
    virtual void DrawBox(int x1, int y1, int x2, int y2, Colour colour) = 0;
    virtual void ClearDrawing() = 0;

    // Controls. Texts are UTF-8.
    virtual std::string GetText(Control box) const = 0;
    virtual void SetText(Control box, std::string_view text) = 0;
    virtual void SetCaption(Control label, std::string_view text) = 0;
    virtual void SetVisible(Control label, bool shown) = 0;
    virtual void SetPosition(Control box, int left, int top) = 0;

    // Closes the window and ends the process with status 0. The caller
    // returns straight after it; no other handler runs afterwards.
    virtual void EndProgram() = 0;

    // Pseudo-random numbers, uniform in [0, 1), fixed by the seed.
    virtual void SeedRandom(int seed) = 0;
    virtual double NextRandom() = 0;

    // Seconds field (0..59) of the local time of day.
    virtual int ClockSeconds() = 0;
};
