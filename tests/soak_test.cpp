// Thousands of whole runs with random presses through the recording fake;
// every rule of the quiz is checked after every single event.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "QuizSession.h"

namespace {

// Hand-typed texts a pupil might leave in a box.
const char* const Scribbles[] = {
    "",       " ",   "abc", "12abc", "0",
    "-3",     "+4",  "1e2", "0x1",   "１２",
    "　７",   "3,5", ".",   "..5",   "99999999999999999999999999999999999",
    "\t8\r\n"};

// One random thing a pupil does; never Quit.
void RandomPress(QuizSession& s, std::mt19937& pupil) {
    const int roll = std::uniform_int_distribution<int>(0, 99)(pupil);
    const auto scribble = [&pupil] {
        return Scribbles[std::uniform_int_distribution<std::size_t>(0, std::size(Scribbles) -
                                                                           1)(pupil)];
    };
    if (roll < 40) {
        s.Key(std::uniform_int_distribution<int>(0, 9)(pupil));
    } else if (roll < 44) {
        s.Key(11); // point
    } else if (roll < 48) {
        s.Key(10); // clear
    } else if (roll < 58) {
        s.KeyAnswer(roll % 2 == 0);
    } else if (roll < 76) {
        s.Input();
    } else if (roll < 90) {
        s.Next();
    } else if (roll < 94) {
        s.TypeEntry(scribble());
    } else if (roll < 97) {
        s.TypeWeight(scribble()); // sometimes empty: Next is then ignored
    } else {
        s.TypeScore(scribble());
    }
}

TEST(Soak, TenThousandRunsOfTenQuestionsKeepEveryRule) {
    constexpr int Runs = 10000;
    std::mt19937 pupil(20261201);
    QuizSession::Tally total;
    for (int run = 0; run < Runs; ++run) {
        QuizSession s(static_cast<std::uint32_t>(run), run % 60);
        ASSERT_EQ(s.Check(), "") << "run " << run << " at start";
        while (!s.Ended()) {
            RandomPress(s, pupil);
            ASSERT_EQ(s.Check(), "") << "run " << run << ", event " << s.Counts().events;
        }
        // Every run ended by the tenth Next: question 11 was reached.
        ASSERT_EQ(s.Quiz().State().QuestionNumber, 11) << "run " << run;
        total.events += s.Counts().events;
        total.correct += s.Counts().correct;
        total.wrong += s.Counts().wrong;
        total.ignoredNexts += s.Counts().ignoredNexts;
    }
    // Every kind of event happened often.
    EXPECT_GT(total.correct, Runs);
    EXPECT_GT(total.wrong, Runs);
    EXPECT_GT(total.ignoredNexts, Runs / 10);
    std::cout << "soak: " << Runs << " runs of ten questions, " << total.events << " events, "
              << total.correct << " correct and " << total.wrong << " wrong gradings, "
              << total.ignoredNexts << " Nexts ignored with the weight box empty\n";
}

TEST(Soak, QuitAtAnyMomentEndsAtOnceAndNothingRunsAfterwards) {
    std::mt19937 pupil(7);
    for (int run = 0; run < 1000; ++run) {
        QuizSession s(static_cast<std::uint32_t>(run), 0);
        const int quitAfter = std::uniform_int_distribution<int>(0, 120)(pupil);
        for (int e = 0; e < quitAfter && !s.Ended(); ++e) {
            RandomPress(s, pupil);
            ASSERT_EQ(s.Check(), "") << "run " << run;
        }
        s.Quit();
        ASSERT_EQ(s.Check(), "") << "run " << run << " after Quit";
        // Whatever comes after the end does nothing.
        for (int e = 0; e < 20; ++e) {
            RandomPress(s, pupil);
            s.Quit();
            ASSERT_EQ(s.Check(), "") << "run " << run << " after the end";
        }
    }
}

} // namespace
