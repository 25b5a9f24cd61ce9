#include <gtest/gtest.h>

#include "RecordingForm.h"
#include "quiz/Form1.h"

namespace {

struct Started {
    RecordingForm form;
    Form1 quiz{form};
    explicit Started(std::deque<double> draws = {}, int clock = 7) {
        form.clockSeconds = clock;
        form.randoms = std::move(draws);
        quiz.Form_Load();
    }
};

TEST(FormLoad, SeedsFromClockNumbersTheBoardAndShowsScoreZero) {
    for (const int clock : {7, 0, 59}) {
        Started s({}, clock);
        EXPECT_EQ(s.form.seed, clock);
    }
    Started s;
    const Form1::Variables& v = s.quiz.State();
    EXPECT_EQ(v.CubesPerLayer, (std::array<std::int16_t, 8>{0, 4, 6, 8, 9, 12, 16, 20}));
    EXPECT_EQ(v.QuestionNumber, 1);
    EXPECT_EQ(v.Score, 0);
    EXPECT_EQ(s.form.Text(ControlName::Text6), "0");
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(s.form.Text(ControlName::Text1, i), std::to_string(i));
        EXPECT_EQ(s.form.GetText({ControlName::Text2, i}), "");
        EXPECT_EQ(s.form.positions[std::pair(ControlName::Text1, i)], std::pair(50 + 32 * i, 450));
        EXPECT_EQ(s.form.positions[std::pair(ControlName::Text2, i)], std::pair(50 + 32 * i, 482));
    }
    EXPECT_EQ(s.form.positions[std::pair(ControlName::Text1, 10)].first, 370);
    EXPECT_EQ(s.form.positions[std::pair(ControlName::Text2, 1)].first, 82);
    EXPECT_EQ(s.form.GetText({ControlName::Text3}), "");
    EXPECT_EQ(s.form.GetText({ControlName::Text4}), "");
    EXPECT_EQ(s.form.GetText({ControlName::Text7}), "");
    // Nothing is drawn and nothing random is drawn before activation.
    EXPECT_EQ(s.form.Count("DrawLine") + s.form.Count("NextRandom"), 0);
}

TEST(NewProblem, ScriptedDrawsGiveWeight672) {
    Started s({0.0, 0.5, 0.99, 0.0, 0.5});
    s.quiz.Form_Activate();
    EXPECT_EQ(s.form.Count("NextRandom"), 5);
    EXPECT_EQ(s.quiz.State().Layers, 3.0F);
    EXPECT_EQ(s.quiz.State().Density, 14.0F);
    EXPECT_EQ(s.form.Text(ControlName::Text3), "672");
    // Key first (nine lines), then footprint 6 (4 wide, base 360), never cleared.
    EXPECT_EQ(s.form.Count("ClearDrawing"), 0);
    EXPECT_EQ(s.form.lines.front(), (Segment{30, 75, 80, 75}));
    ASSERT_EQ(s.form.boxes.size(), 3U);
    EXPECT_EQ(s.form.boxes.front(), (Segment{80, 320, 280, 340}));
}

TEST(NewProblem, FootprintDrawFoldsTwentyOntoSeven) {
    // One layer (0.2 -> 1) and density 1 (0.04 -> 1): the weight is the
    // footprint's cubes per layer.
    const struct {
        double draw;
        const char* weight;
    } cases[] = {{0.0, "4"}, {0.32, "20"}, {0.37, "4"}, {0.96, "16"}, {0.99, "16"}, {0.30, "20"}};
    for (const auto& c : cases) {
        Started s({0.2, c.draw, 0.04});
        s.quiz.Form_Activate();
        EXPECT_EQ(s.form.Text(ControlName::Text3), c.weight) << c.draw;
    }
}

TEST(NewProblem, LargestAndSmallestWeights) {
    Started big({0.99, 0.3, 0.99}); // 5 layers, footprint 7, density 28
    big.quiz.Form_Activate();
    EXPECT_EQ(big.form.Text(ControlName::Text3), "2800");
    Started small({0.0, 0.0, 0.2, 0.0, 0.0, 0.0, 0.04}); // rejections cost draws
    small.quiz.Form_Activate();
    EXPECT_EQ(small.form.Text(ControlName::Text3), "4");
    EXPECT_EQ(small.form.Count("NextRandom"), 7);
}

TEST(FormActivate, DrawsKeyAndOneFigureWithoutClearing) {
    Started s({0.2, 0.0, 0.04});
    s.quiz.Form_Activate();
    EXPECT_EQ(s.form.Count("ClearDrawing"), 0);
    EXPECT_EQ(s.form.Count("DrawBox"), 1);
    EXPECT_EQ(s.form.Count("DrawLine"), 9 + 3 + 1 + 1 + 2 + 1 + 1);
}

} // namespace
