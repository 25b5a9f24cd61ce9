// The quiz: the window's state and its event handlers. Reaches the screen,
// the random source and the clock only through FormServices.
#pragma once

#include <array>
#include <cstdint>

#include "window/FormServices.h"

class Form1 {
  public:
    // The five form-level variables, for the life of the window.
    struct Variables {
        // Cubes in one layer of footprint 1..7; slot 0 is never set.
        std::array<std::int16_t, 8> CubesPerLayer{};
        float Layers = 0;                // 1..5, layers of the current figure
        std::int16_t QuestionNumber = 0; // 1..10 while the quiz runs
        std::int64_t Score = 0;          // points so far; wide, never wraps
        float Density = 0;               // 1..28, the expected answer
    };

    inline static constexpr int Questions = 10;
    inline static constexpr int PointsPerAnswer = 10;

    explicit Form1(FormServices& form) : form_(form) {}

    // Start-up: before the window is first shown, and once right after.
    void Form_Load();
    void Form_Activate();

    // Keypad key 0..11: digits 0-9, 10 clears, 11 appends the point.
    void Command2_Click(int Index);
    void Command3_Click(); // Input: grade the entry
    void Command5_Click(); // Next question
    void Command1_Click(); // Quit

    const Variables& State() const { return vars_; }
    bool Ended() const { return ended_; }

  private:
    void NewProblem();
    void End();

    FormServices& form_;
    Variables vars_;
    bool ended_ = false; // once EndProgram was called, no handler does anything
};
