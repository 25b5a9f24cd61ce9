#include "quiz/Form1.h"

#include <cmath>

#include "figure/CubeFigure.h"
#include "quiz/EntryValue.h"
#include "quiz/NumberText.h"

namespace {

constexpr Control Text3{ControlName::Text3};
constexpr Control Text4{ControlName::Text4};
constexpr Control Text6{ControlName::Text6};
constexpr Control Text7{ControlName::Text7};
constexpr Control Label8{ControlName::Label8};

constexpr Control Text1(int i) {
    return {ControlName::Text1, i};
}
constexpr Control Text2(int i) {
    return {ControlName::Text2, i};
}

constexpr int ClearKey = 10;
constexpr int PointKey = 11;

// Scoreboard cells: 32 px apart, number row at y 450, mark row at y 482.
constexpr int CellLeft(int i) {
    return 50 + 32 * i;
}
constexpr int NumberRowTop = 450;
constexpr int MarkRowTop = 482;

// A whole number floor(r * n) for a draw r in [0, 1).
int Scaled(double r, int n) {
    return static_cast<int>(std::floor(r * n));
}

} // namespace

void Form1::Form_Load() {
    for (int f = 1; f < static_cast<int>(vars_.CubesPerLayer.size()); ++f) {
        vars_.CubesPerLayer[static_cast<std::size_t>(f)] =
            static_cast<std::int16_t>(FootprintTable[static_cast<std::size_t>(f)].CubesPerLayer);
    }
    form_.SeedRandom(form_.ClockSeconds());
    for (int i = 1; i <= Questions; ++i) {
        form_.SetPosition(Text1(i), CellLeft(i), NumberRowTop);
        form_.SetText(Text1(i), PlainNumberText(i));
    }
    for (int i = 1; i <= Questions; ++i) {
        form_.SetPosition(Text2(i), CellLeft(i), MarkRowTop);
    }
    vars_.QuestionNumber = 1;
    vars_.Score = 0;
    form_.SetText(Text6, PlainNumberText(vars_.Score));
}

void Form1::Form_Activate() {
    if (ended_) {
        return;
    }
    NewProblem();
}

void Form1::NewProblem() {
    UnitCubeKey(form_);

    int layers = 0;
    do {
        layers = Scaled(form_.NextRandom(), 6);
    } while (layers == 0);
    vars_.Layers = static_cast<float>(layers);

    // 0..19 folded onto 1..7: footprint 7 comes a little less often.
    const int footprint = Scaled(form_.NextRandom(), 20) % FootprintCount + 1;
    DrawCubeStack(form_, footprint, layers);

    int density = 0;
    do {
        density = Scaled(form_.NextRandom(), 29);
    } while (density == 0);
    vars_.Density = static_cast<float>(density);

    const std::int64_t weight =
        std::int64_t{density} * vars_.CubesPerLayer[static_cast<std::size_t>(footprint)] * layers;
    form_.SetText(Text3, PlainNumberText(weight));
}

void Form1::Command2_Click(int Index) {
    if (ended_ || Index < 0 || Index > PointKey) {
        return;
    }
    if (Index == ClearKey) {
        form_.SetText(Text7, "");
    } else if (Index == PointKey) {
        form_.SetText(Text7, form_.GetText(Text7) + ".");
    } else {
        form_.SetText(Text7, form_.GetText(Text7) + BlankNumberText(Index));
    }
}

void Form1::Command3_Click() {
    if (ended_) {
        return;
    }
    const std::string entry = form_.GetText(Text7);
    form_.SetText(Text4, entry);
    const auto density = static_cast<std::int64_t>(vars_.Density);
    if (EntryValue(entry) == static_cast<double>(vars_.Density)) {
        form_.SetText(Text2(vars_.QuestionNumber), "○");
        vars_.Score += PointsPerAnswer;
        form_.SetText(Text6, PlainNumberText(vars_.Score));
    } else {
        form_.SetText(Text2(vars_.QuestionNumber), "×");
        form_.SetCaption(Label8, "正解は" + BlankNumberText(density));
        form_.SetVisible(Label8, true);
    }
}

void Form1::Command5_Click() {
    if (ended_ || form_.GetText(Text3).empty()) {
        return;
    }
    form_.SetText(Text4, "");
    form_.SetText(Text7, "");
    ++vars_.QuestionNumber;
    form_.SetVisible(Label8, false);
    if (vars_.QuestionNumber > Questions) {
        End();
        return;
    }
    form_.ClearDrawing();
    NewProblem();
}

void Form1::Command1_Click() {
    if (ended_) {
        return;
    }
    End();
}

void Form1::End() {
    ended_ = true;
    form_.EndProgram();
}
