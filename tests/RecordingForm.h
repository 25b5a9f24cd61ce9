// A FormServices that records what the logic does and feeds it scripted
// random numbers and a fixed clock.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "window/FormServices.h"

struct Segment {
    int x1, y1, x2, y2;
    friend auto operator<=>(const Segment&, const Segment&) = default;
};

class RecordingForm : public FormServices {
  public:
    struct Call {
        std::string what; // "DrawLine", "DrawBox", "SetText", ...
        Control control{ControlName::Text3};
        std::string text;
    };

    std::vector<Call> calls;
    std::vector<Segment> lines; // DrawLine calls since the last clear
    std::vector<Segment> boxes; // DrawBox calls since the last clear
    std::map<std::pair<ControlName, int>, std::string> texts;
    std::map<std::pair<ControlName, int>, std::pair<int, int>> positions;
    std::string label8Caption;
    bool label8Shown = false;
    bool ended = false;
    int callsAfterEnd = 0;
    int seed = -1;
    int clockSeconds = 0;
    std::deque<double> randoms; // scripted draws; when empty, 0.5
    bool nonYellow = false;

    std::string& Text(ControlName name, int index = 0) { return texts[{name, index}]; }

    void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override {
        Record("DrawLine");
        nonYellow = nonYellow || !(colour == Yellow);
        lines.push_back({x1, y1, x2, y2});
    }
    void DrawBox(int x1, int y1, int x2, int y2, Colour colour) override {
        Record("DrawBox");
        nonYellow = nonYellow || !(colour == Yellow);
        boxes.push_back({x1, y1, x2, y2});
    }
    void ClearDrawing() override {
        Record("ClearDrawing");
        lines.clear();
        boxes.clear();
    }
    std::string GetText(Control box) const override {
        const auto it = texts.find({box.name, box.index});
        return it == texts.end() ? std::string() : it->second;
    }
    void SetText(Control box, std::string_view text) override {
        Record("SetText", box, std::string(text));
        texts[{box.name, box.index}] = std::string(text);
    }
    void SetCaption(Control label, std::string_view text) override {
        Record("SetCaption", label, std::string(text));
        label8Caption = std::string(text);
    }
    void SetVisible(Control label, bool shown) override {
        Record("SetVisible", label, shown ? "shown" : "hidden");
        label8Shown = shown;
    }
    void SetPosition(Control box, int left, int top) override {
        Record("SetPosition", box);
        positions[{box.name, box.index}] = {left, top};
    }
    void EndProgram() override {
        Record("EndProgram");
        ended = true;
    }
    void SeedRandom(int n) override {
        Record("SeedRandom");
        seed = n;
    }
    double NextRandom() override {
        Record("NextRandom");
        if (randoms.empty()) {
            return 0.5;
        }
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    int ClockSeconds() override {
        Record("ClockSeconds");
        return clockSeconds;
    }

    int Count(const std::string& what) const {
        int n = 0;
        for (const Call& c : calls) {
            n += c.what == what ? 1 : 0;
        }
        return n;
    }

  private:
    void Record(std::string what, Control control = {ControlName::Text3}, std::string text = {}) {
        if (ended) {
            ++callsAfterEnd;
        }
        calls.push_back({std::move(what), control, std::move(text)});
    }
};
