#include <gtest/gtest.h>

#include <algorithm>

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

namespace {

// A quiz on its first problem with density 12 (one layer, footprint 1).
struct OnProblem : Started {
    explicit OnProblem(double densityDraw = 12.5 / 29)
        : Started({0.2, 0.0, densityDraw, 0.2, 0.0, 0.04}) {
        quiz.Form_Activate();
    }
    void Keys(std::initializer_list<int> keys) {
        for (const int k : keys) {
            quiz.Command2_Click(k);
        }
    }
    std::string Mark(int i = 1) { return form.GetText({ControlName::Text2, i}); }
};

TEST(Input, GradesTheEntryAgainstTheDensity) {
    const struct {
        std::initializer_list<int> keys;
        bool right;
    } cases[] = {
        {{1, 2}, true},  {{1, 2, 11, 0}, true}, {{0, 1, 2}, true},       {{1, 2, 11, 0, 1}, false},
        {{2, 1}, false}, {{}, false},           {{1, 11, 11, 2}, false},
    };
    for (const auto& c : cases) {
        OnProblem p;
        ASSERT_EQ(p.quiz.State().Density, 12.0F);
        p.Keys(c.keys);
        const std::string entry = p.form.GetText({ControlName::Text7});
        p.quiz.Command3_Click();
        EXPECT_EQ(p.form.GetText({ControlName::Text4}), entry);
        EXPECT_EQ(p.form.GetText({ControlName::Text7}), entry); // kept
        EXPECT_EQ(p.Mark(), c.right ? "○" : "×") << entry;
        EXPECT_EQ(p.quiz.State().Score, c.right ? 10 : 0);
        EXPECT_EQ(p.form.Text(ControlName::Text6), c.right ? "10" : "0");
        EXPECT_EQ(p.form.label8Shown, !c.right);
        EXPECT_EQ(p.form.label8Caption, c.right ? "" : "正解は 12");
    }
}

TEST(Input, WrongAnswerShowsTheDensityAndTakesNothingAway) {
    OnProblem p(3.5 / 29); // density 3
    p.Keys({3, 11, 5});
    p.quiz.Command3_Click();
    EXPECT_EQ(p.Mark(), "×");
    EXPECT_EQ(p.form.label8Caption, "正解は 3");
    EXPECT_TRUE(p.form.label8Shown);
    EXPECT_EQ(p.quiz.State().Score, 0);
    EXPECT_EQ(p.form.Text(ControlName::Text6), "0");
}

TEST(Input, RepeatedGradingsCountEachTime) {
    OnProblem p;
    p.Keys({1, 2});
    for (int i = 0; i < 3; ++i) {
        p.quiz.Command3_Click();
    }
    EXPECT_EQ(p.Mark(), "○");
    EXPECT_EQ(p.form.Text(ControlName::Text6), "30");

    // Wrong, then corrected: the mark turns to ○, 10 more points, and the
    // message stays up until Next.
    OnProblem q;
    q.Keys({2});
    q.quiz.Command3_Click();
    q.quiz.Command2_Click(10);
    q.Keys({1, 2});
    q.quiz.Command3_Click();
    EXPECT_EQ(q.Mark(), "○");
    EXPECT_EQ(q.quiz.State().Score, 10);
    EXPECT_TRUE(q.form.label8Shown);
    q.quiz.Command5_Click();
    EXPECT_FALSE(q.form.label8Shown);
    EXPECT_EQ(q.form.label8Caption, "正解は 12"); // caption kept
}

TEST(Next, EmptiesTheBoxesAndPosesTheNextProblem) {
    OnProblem p;
    p.Keys({2});
    p.quiz.Command3_Click();
    p.form.calls.clear();
    p.quiz.Command5_Click();
    EXPECT_EQ(p.form.GetText({ControlName::Text4}), "");
    EXPECT_EQ(p.form.GetText({ControlName::Text7}), "");
    EXPECT_EQ(p.quiz.State().QuestionNumber, 2);
    EXPECT_FALSE(p.form.label8Shown);
    EXPECT_EQ(p.Mark(1), "×"); // marks stay
    // Cleared once, before the new key and figure.
    ASSERT_EQ(p.form.Count("ClearDrawing"), 1);
    const auto clear = std::find_if(p.form.calls.begin(), p.form.calls.end(),
                                    [](auto& c) { return c.what == "ClearDrawing"; });
    EXPECT_EQ(std::count_if(p.form.calls.begin(), clear,
                            [](auto& c) { return c.what.starts_with("Draw"); }),
              0);
    EXPECT_EQ(p.form.Text(ControlName::Text3), "4"); // density 1, footprint 1, one layer
}

TEST(Next, IsIgnoredWhileTheWeightBoxIsEmpty) {
    OnProblem p;
    p.Keys({5});
    p.form.Text(ControlName::Text3) = "";
    p.form.calls.clear();
    p.quiz.Command5_Click();
    EXPECT_EQ(p.quiz.State().QuestionNumber, 1);
    EXPECT_EQ(p.form.GetText({ControlName::Text7}), " 5");
    EXPECT_EQ(p.form.calls.size(), 0U);

    // A weight box filled with letters is not empty: Next goes on, and
    // grading uses the stored density, not the box.
    OnProblem q;
    q.form.Text(ControlName::Text3) = "abc";
    q.Keys({1, 2});
    q.quiz.Command3_Click();
    EXPECT_EQ(q.Mark(), "○");
    q.quiz.Command5_Click();
    EXPECT_EQ(q.quiz.State().QuestionNumber, 2);
}

TEST(Run, TenQuestionsThenTheTenthNextEndsWithoutDrawing) {
    Started s; // every draw 0.5: 3 layers, footprint 4, density 14
    s.quiz.Form_Activate();
    for (int q = 1; q <= 10; ++q) {
        ASSERT_EQ(s.quiz.State().QuestionNumber, q);
        s.quiz.Command2_Click(1);
        s.quiz.Command2_Click(q % 2 == 0 ? 4 : 3); // even questions right
        s.quiz.Command3_Click();
        if (q == 10) {
            s.form.calls.clear();
        }
        s.quiz.Command5_Click();
    }
    EXPECT_TRUE(s.form.ended);
    EXPECT_TRUE(s.quiz.Ended());
    EXPECT_EQ(s.form.Count("ClearDrawing") + s.form.Count("DrawLine") + s.form.Count("NextRandom"),
              0);
    EXPECT_EQ(s.form.calls.back().what, "EndProgram");
    EXPECT_EQ(s.form.Text(ControlName::Text6), "50");
    for (int q = 1; q <= 10; ++q) {
        EXPECT_EQ(s.form.GetText({ControlName::Text2, q}), q % 2 == 0 ? "○" : "×");
    }
    // Nothing runs after the end, whatever is pressed.
    s.quiz.Command2_Click(1);
    s.quiz.Command3_Click();
    s.quiz.Command5_Click();
    s.quiz.Command1_Click();
    s.quiz.Form_Activate();
    EXPECT_EQ(s.form.callsAfterEnd, 0);
    EXPECT_EQ(s.form.Count("EndProgram"), 1);
}

TEST(Quit, EndsAtOnceInAnyState) {
    Started before; // even before the first problem
    before.quiz.Command1_Click();
    EXPECT_EQ(before.form.calls.back().what, "EndProgram");

    OnProblem p;
    p.Keys({1});
    p.form.calls.clear();
    p.quiz.Command1_Click();
    ASSERT_EQ(p.form.calls.size(), 1U);
    EXPECT_EQ(p.form.calls[0].what, "EndProgram");
    p.quiz.Command3_Click();
    EXPECT_EQ(p.form.callsAfterEnd, 0);
}

TEST(Input, ScoreWidensInsteadOfWrapping) {
    OnProblem p;
    p.Keys({1, 2});
    for (int i = 0; i < 3300; ++i) { // past 32767 points
        p.quiz.Command3_Click();
    }
    EXPECT_EQ(p.form.Text(ControlName::Text6), "33000");
}

} // namespace

#include "window/RandomSource.h"

namespace {

TEST(RandomSourceTest, FixedBySeedAndAlwaysBelowOne) {
    for (int seed = 0; seed < 60; ++seed) {
        RandomSource a, b, other;
        a.Seed(seed);
        b.Seed(seed);
        other.Seed(seed + 1);
        bool differs = false;
        for (int i = 0; i < 1000; ++i) {
            const double r = a.Next();
            ASSERT_GE(r, 0.0);
            ASSERT_LT(r, 1.0);
            ASSERT_EQ(r, b.Next());
            differs = differs || r != other.Next();
        }
        EXPECT_TRUE(differs);
    }
    const int seconds = LocalClockSeconds();
    EXPECT_GE(seconds, 0);
    EXPECT_LE(seconds, 59);
}

} // namespace
