#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RecordingForm.h"
#include "figure/CubeFigure.h"

namespace {

// A segment without direction, so drawings can be compared as sets.
Segment Undirected(Segment s) {
    if (std::tie(s.x2, s.y2) < std::tie(s.x1, s.y1)) {
        return {s.x2, s.y2, s.x1, s.y1};
    }
    return s;
}

// Every edge drawn, boxes split into their four sides.
std::set<Segment> Edges(const RecordingForm& form) {
    std::set<Segment> edges;
    for (const Segment& l : form.lines) {
        edges.insert(Undirected(l));
    }
    for (const Segment& b : form.boxes) {
        edges.insert(Undirected({b.x1, b.y1, b.x2, b.y1}));
        edges.insert(Undirected({b.x2, b.y1, b.x2, b.y2}));
        edges.insert(Undirected({b.x1, b.y2, b.x2, b.y2}));
        edges.insert(Undirected({b.x1, b.y1, b.x1, b.y2}));
    }
    return edges;
}

TEST(CubeStack, WorkedExampleFootprintOneOneLayer) {
    RecordingForm form;
    DrawCubeStack(form, 1, 1);
    EXPECT_EQ(form.boxes, (std::vector<Segment>{{145, 305, 245, 325}}));
    const std::set<Segment> lines(form.lines.begin(), form.lines.end());
    const std::set<Segment> expected{
        {245, 325, 275, 295}, {275, 295, 275, 275}, {275, 275, 245, 305}, // side
        {260, 290, 260, 310},                                             // depth line
        {195, 305, 195, 325},                                             // width line
        {145, 305, 175, 275}, {175, 275, 275, 275},                       // top
        {195, 305, 225, 275},                                             // top width line
        {160, 290, 260, 290},                                             // top depth line
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(form.lines.size(), expected.size());
    EXPECT_FALSE(form.nonYellow);
}

TEST(CubeStack, FootprintFourThreeLayers) {
    RecordingForm form;
    DrawCubeStack(form, 4, 3);
    EXPECT_EQ(form.boxes, (std::vector<Segment>{
                              {105, 320, 255, 340}, {105, 300, 255, 320}, {105, 280, 255, 300}}));
    const std::set<Segment> lines(form.lines.begin(), form.lines.end());
    EXPECT_TRUE(lines.contains({105, 280, 150, 235})); // left edge of the top
    EXPECT_TRUE(lines.contains({150, 235, 300, 235})); // back edge of the top
}

TEST(CubeStack, EveryFigureStaysInItsRegionWithTheRuleCallCounts) {
    int minX = 1000, maxX = 0, minY = 1000, maxY = 0;
    for (int footprint = 1; footprint <= FootprintCount; ++footprint) {
        for (int layers = 1; layers <= MaxLayers; ++layers) {
            RecordingForm form;
            DrawCubeStack(form, footprint, layers);
            const Footprint& f = FootprintTable[static_cast<std::size_t>(footprint)];
            EXPECT_EQ(f.CubesPerLayer, f.W * f.D);
            EXPECT_EQ(form.boxes.size(), static_cast<std::size_t>(layers));
            EXPECT_EQ(form.lines.size(), static_cast<std::size_t>(layers * (3 + f.D - 1 + f.W - 1) +
                                                                  2 + f.W - 1 + f.D - 1));
            for (const Segment& s : Edges(form)) {
                minX = std::min({minX, s.x1, s.x2});
                maxX = std::max({maxX, s.x1, s.x2});
                minY = std::min({minY, s.y1, s.y2});
                maxY = std::max({maxY, s.y1, s.y2});
            }
            if (footprint == 7 && layers == 5) {
                EXPECT_EQ((std::vector{minX, maxX, minY, maxY}), (std::vector{55, 365, 180, 340}));
            }
        }
    }
    EXPECT_EQ((std::vector{minX, maxX, minY, maxY}), (std::vector{55, 365, 180, 340}));
}

TEST(CubeStack, OneLayerTopLiesOnTheLayer) {
    RecordingForm form;
    DrawCubeStack(form, 2, 1);
    // The top's left edge starts at the layer's top-left corner (XL, t).
    const std::set<Segment> lines(form.lines.begin(), form.lines.end());
    EXPECT_TRUE(lines.contains({120, 305, 150, 275}));
}

TEST(UnitCubeKeyTest, EqualsTheRuleForOneCube) {
    RecordingForm key;
    UnitCubeKey(key);
    EXPECT_EQ(key.lines.size(), 9U);
    EXPECT_TRUE(key.boxes.empty());
    RecordingForm rule;
    DrawBlock(rule, Footprint{1, 1, 1, 15, 130}, 1);
    EXPECT_EQ(Edges(key), Edges(rule));
    EXPECT_EQ(key.lines.front(), (Segment{30, 75, 80, 75}));
    EXPECT_EQ(key.lines.back(), (Segment{80, 95, 80, 75}));
}

} // namespace
