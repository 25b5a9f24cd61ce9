// A pupil's whole session with Form1 through the recording fake, beside a
// small model of what the window must show. After any event, Check() says
// which rule of the quiz is broken, if any. Used by the soak test and by the
// event fuzzer.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "RecordingForm.h"
#include "ReferenceReading.h"
#include "quiz/EntryValue.h"
#include "quiz/Form1.h"
#include "quiz/NumberText.h"

// The recording fake with an endless supply of random draws in [0, 1).
class RandomRecordingForm : public RecordingForm {
  public:
    explicit RandomRecordingForm(std::uint32_t seed) : engine_(seed) {}
    double NextRandom() override {
        if (randoms.empty()) {
            randoms.push_back(std::uniform_real_distribution<double>(0.0, 1.0)(engine_));
        }
        return RecordingForm::NextRandom();
    }

  private:
    std::mt19937 engine_;
};

class QuizSession {
  public:
    struct Tally {
        long events = 0;
        long correct = 0;      // gradings that gave ○
        long wrong = 0;        // gradings that gave ×
        long ignoredNexts = 0; // Next pressed with the weight box empty
    };

    QuizSession(std::uint32_t seed, int clockSeconds) : form_(seed) {
        form_.clockSeconds = clockSeconds;
        quiz_.Form_Load();
        quiz_.Form_Activate();
        NewProblemShown();
    }

    // --- What a pupil can do ---

    void Key(int index) {
        Event();
        quiz_.Command2_Click(index);
        if (ended_) {
            return;
        }
        if (index == 10) {
            entry_.clear();
        } else if (index == 11) {
            entry_ += ".";
        } else {
            entry_ += " " + std::to_string(index);
        }
    }

    // Clears the entry and keys in the expected answer, digit by digit,
    // sometimes followed by ".0".
    void KeyAnswer(bool pointZero) {
        const std::string digits = std::to_string(static_cast<int>(quiz_.State().Density));
        Key(10);
        for (const char d : digits) {
            Key(d - '0');
        }
        if (pointZero) {
            Key(11);
            Key(0);
        }
    }

    void Input() {
        Event();
        const bool right = Reading(entry_) == static_cast<double>(quiz_.State().Density);
        quiz_.Command3_Click();
        if (ended_) {
            return;
        }
        graded_ = entry_;
        const auto q = static_cast<std::size_t>(question_);
        if (right) {
            marks_[q] = "○";
            ++correct_;
            scoreText_ = PlainNumberText(10 * correct_);
            ++tally_.correct;
        } else {
            marks_[q] = "×";
            wrongSinceNext_ = true;
            ++tally_.wrong;
        }
    }

    void Next() {
        Event();
        quiz_.Command5_Click();
        if (ended_) {
            return;
        }
        if (weightText_.empty()) {
            ++tally_.ignoredNexts;
            return;
        }
        entry_.clear();
        graded_.clear();
        wrongSinceNext_ = false;
        if (++question_ > Form1::Questions) {
            ended_ = true;
            return;
        }
        NewProblemShown();
    }

    void Quit() {
        Event();
        quiz_.Command1_Click();
        ended_ = true;
    }

    // Hand edits: the pupil replaces the whole text of an editable box.
    void TypeEntry(std::string_view text) { HandEdit(ControlName::Text7, text, entry_); }
    void TypeWeight(std::string_view text) { HandEdit(ControlName::Text3, text, weightText_); }
    void TypeScore(std::string_view text) { HandEdit(ControlName::Text6, text, scoreText_); }

    // --- What must hold ---

    // Empty when every rule holds, else the first one broken.
    std::string Check() {
        ScanNewCalls();
        if (form_.callsAfterEnd != 0) {
            return "a service was called after EndProgram";
        }
        if (endCalls_ != (ended_ ? 1 : 0)) {
            return "EndProgram called " + std::to_string(endCalls_) + " times";
        }
        if (quiz_.Ended() != ended_ || form_.ended != ended_) {
            return ended_ ? "the program did not end" : "the program ended early";
        }
        if (ended_) {
            return {};
        }
        const Form1::Variables& v = quiz_.State();
        if (v.QuestionNumber != question_) {
            return "question number " + std::to_string(v.QuestionNumber) + ", expected " +
                   std::to_string(question_);
        }
        if (v.Score != 10 * correct_) {
            return "score " + std::to_string(v.Score) + " after " + std::to_string(correct_) +
                   " correct gradings";
        }
        if (!(v.Layers >= 1 && v.Layers <= 5 && v.Layers == static_cast<int>(v.Layers))) {
            return "layers " + std::to_string(v.Layers);
        }
        if (!(v.Density >= 1 && v.Density <= 28 && v.Density == static_cast<int>(v.Density))) {
            return "density " + std::to_string(v.Density);
        }
        if (!figureFault_.empty()) {
            return figureFault_;
        }
        if (std::string broken = CheckTexts(); !broken.empty()) {
            return broken;
        }
        if (form_.label8Shown != wrongSinceNext_) {
            return wrongSinceNext_ ? "message hidden after a wrong grading"
                                   : "message shown without a wrong grading";
        }
        if (wrongSinceNext_ &&
            form_.label8Caption !=
                "正解は" + BlankNumberText(static_cast<std::int64_t>(v.Density))) {
            return "message reads " + form_.label8Caption;
        }
        if (form_.lines != lines_ || form_.boxes != boxes_) {
            return "the drawing changed without a new problem";
        }
        return {};
    }

    bool Ended() const { return ended_; }
    const Form1& Quiz() const { return quiz_; }
    const Tally& Counts() const { return tally_; }

  private:
    // The entry's value: an independent reading for ASCII texts; other
    // texts (only hand-typed ones) are read by EntryValue itself, which its
    // own tests and fuzzer check.
    static double Reading(const std::string& text) {
        return IsAsciiText(text) ? ReferenceReading(text) : EntryValue(text);
    }

    void Event() { ++tally_.events; }

    void HandEdit(ControlName box, std::string_view text, std::string& expected) {
        Event();
        if (ended_) {
            return;
        }
        form_.SetText({box}, text);
        form_.calls.pop_back(); // the pupil's edit is not a call of the logic
        expected = std::string(text);
    }

    // Just after a new problem was posed: the key, one figure inside its
    // region, and a weight that matches the figure and the stored density.
    void NewProblemShown() {
        ScanNewCalls();
        lines_ = form_.lines;
        boxes_ = form_.boxes;
        weightText_.clear();
        figureFault_.clear();
        const Form1::Variables& v = quiz_.State();
        auto inside = [](const Segment& s, int left, int top, int right, int bottom) {
            return std::min(s.x1, s.x2) >= left && std::max(s.x1, s.x2) <= right &&
                   std::min(s.y1, s.y2) >= top && std::max(s.y1, s.y2) <= bottom;
        };
        // The key's nine lines come first, then the figure.
        constexpr std::size_t keyLines = 9;
        const auto layers = static_cast<std::size_t>(v.Layers);
        if (lines_.size() <= keyLines || boxes_.size() != layers || layers == 0) {
            figureFault_ = std::to_string(lines_.size()) + " lines and " +
                           std::to_string(boxes_.size()) + " boxes drawn for " +
                           std::to_string(layers) + " layers";
            return;
        }
        int right = 0;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const bool ok = i < keyLines ? inside(lines_[i], 15, 75, 80, 110)
                                         : inside(lines_[i], 55, 180, 365, 340);
            if (!ok) {
                figureFault_ =
                    std::string(i < keyLines ? "the key" : "the figure") + " leaves its region";
                return;
            }
            right = i < keyLines ? right : std::max({right, lines_[i].x1, lines_[i].x2});
        }
        for (const Segment& b : boxes_) {
            if (!inside(b, 55, 180, 365, 340)) {
                figureFault_ = "a front face leaves x 55..365, y 180..340";
                return;
            }
        }
        // A front face is 50 px wide per cube; the depth reaches 15 px per
        // cube further to the right.
        const int w = std::abs(boxes_[0].x2 - boxes_[0].x1) / 50;
        const int d = (right - std::max(boxes_[0].x1, boxes_[0].x2)) / 15;
        const std::int64_t weight =
            static_cast<std::int64_t>(v.Density) * w * d * static_cast<std::int64_t>(layers);
        weightText_ = PlainNumberText(weight);
    }

    std::string CheckTexts() {
        auto text = [this](ControlName name, int index = 0) {
            return form_.GetText({name, index});
        };
        if (text(ControlName::Text3) != weightText_) {
            return "weight box reads '" + text(ControlName::Text3) + "', expected '" + weightText_ +
                   "'";
        }
        if (text(ControlName::Text7) != entry_) {
            return "entry reads '" + text(ControlName::Text7) + "', expected '" + entry_ + "'";
        }
        if (text(ControlName::Text4) != graded_) {
            return "answer box reads '" + text(ControlName::Text4) + "', expected '" + graded_ +
                   "'";
        }
        if (text(ControlName::Text6) != scoreText_) {
            return "score box reads '" + text(ControlName::Text6) + "', expected '" + scoreText_ +
                   "'";
        }
        for (int q = 1; q <= Form1::Questions; ++q) {
            if (text(ControlName::Text2, q) != marks_[static_cast<std::size_t>(q)]) {
                return "mark cell " + std::to_string(q) + " reads '" + text(ControlName::Text2, q) +
                       "'";
            }
            if (text(ControlName::Text1, q) != std::to_string(q)) {
                return "number cell " + std::to_string(q) + " changed";
            }
        }
        return {};
    }

    void ScanNewCalls() {
        for (; seen_ < form_.calls.size(); ++seen_) {
            endCalls_ += form_.calls[seen_].what == "EndProgram" ? 1 : 0;
        }
    }

    RandomRecordingForm form_;
    Form1 quiz_{form_};

    // The model.
    int question_ = 1;
    std::array<std::string, Form1::Questions + 1> marks_{}; // 1..10
    std::int64_t correct_ = 0;
    bool wrongSinceNext_ = false;
    std::string entry_;           // Text7
    std::string graded_;          // Text4
    std::string scoreText_ = "0"; // Text6
    std::string weightText_;      // Text3
    std::vector<Segment> lines_;  // the drawing of the current problem
    std::vector<Segment> boxes_;
    std::string figureFault_; // what was wrong with the last new problem
    bool ended_ = false;

    std::size_t seen_ = 0;
    int endCalls_ = 0;
    Tally tally_;
};
