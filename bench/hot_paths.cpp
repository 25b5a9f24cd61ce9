// Timings of what runs on each click, through the real window on the
// offscreen platform: a new problem with its drawing, the whole of Next, one
// grading, a keypad press, and reading entries of growing length.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "quiz/EntryValue.h"
#include "quiz/NumberText.h"
#include "window/QuizWindow.h"

namespace {

constexpr Control Text7{ControlName::Text7};

// A window with its first problem posed and painted.
std::unique_ptr<QuizWindow> ShownWindow() {
    auto window = std::make_unique<QuizWindow>();
    window->ShowCentred();
    QApplication::processEvents();
    return window;
}

// The key and a new figure drawn into the window's image, and the weight
// written.
void NewProblem(benchmark::State& state) {
    const auto window = ShownWindow();
    for (auto _ : state) {
        // Form_Activate does nothing but pose a new problem.
        window->Quiz().Form_Activate();
    }
    QApplication::processEvents();
}
BENCHMARK(NewProblem)->Unit(benchmark::kMicrosecond);

// Next as the pupil sees it: the boxes emptied, the drawing cleared, a new
// problem posed and the window painted again, either whole (repaint) or as
// the event loop does it, only where something changed. A run has ten
// questions, so a fresh window is opened (untimed) before the tenth Next
// would end it.
void Next(benchmark::State& state, bool whole) {
    auto window = ShownWindow();
    for (auto _ : state) {
        if (window->Quiz().State().QuestionNumber == Form1::Questions) {
            state.PauseTiming();
            window = ShownWindow();
            state.ResumeTiming();
        }
        window->Quiz().Command5_Click();
        if (whole) {
            window->repaint();
        } else {
            QApplication::processEvents();
        }
    }
}
BENCHMARK_CAPTURE(Next, repaint, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Next, changes_painted, false)->Unit(benchmark::kMicrosecond);

// Input: the entry copied, read and graded, the mark and score or the
// message written.
void Input(benchmark::State& state, bool right) {
    const auto window = ShownWindow();
    const auto density = static_cast<std::int64_t>(window->Quiz().State().Density);
    window->SetText(Text7, BlankNumberText(right ? density : density + 1));
    for (auto _ : state) {
        window->Quiz().Command3_Click();
    }
    QApplication::processEvents();
}
BENCHMARK_CAPTURE(Input, right, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Input, wrong, false)->Unit(benchmark::kMicrosecond);

// A right Input and painting what it changed (the mark and the score, which
// grows with every press), as the event loop does.
void InputPainted(benchmark::State& state) {
    const auto window = ShownWindow();
    const auto density = static_cast<std::int64_t>(window->Quiz().State().Density);
    window->SetText(Text7, BlankNumberText(density));
    for (auto _ : state) {
        window->Quiz().Command3_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(InputPainted)->Unit(benchmark::kMicrosecond);

// One keypad press; every eighth is the clear key, so the entry stays the
// length a pupil types.
void KeypadKey(benchmark::State& state) {
    const auto window = ShownWindow();
    int press = 0;
    for (auto _ : state) {
        window->Quiz().Command2_Click(++press % 8 == 0 ? 10 : press % 10);
    }
    QApplication::processEvents();
}
BENCHMARK(KeypadKey)->Unit(benchmark::kMicrosecond);

// Reading an entry of state.range(0) bytes as the keypad writes it: a blank
// before every digit. The digits run on to the end, so all of it is read.
void EntryValueOfLength(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    std::string entry;
    entry.reserve(length);
    for (std::size_t i = 0; entry.size() + 2 <= length; ++i) {
        entry += BlankNumberText(static_cast<std::int64_t>(i % 10));
    }
    entry.resize(length, ' ');
    for (auto _ : state) {
        benchmark::DoNotOptimize(EntryValue(entry));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(EntryValueOfLength)
    ->Arg(10 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // Headless unless told otherwise: the timings are of the program's own
    // work, not of a display connection.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
