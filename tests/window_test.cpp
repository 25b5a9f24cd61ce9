// The real window, headless (offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "RecordingForm.h"
#include "figure/CubeFigure.h"
#include "window/QuizWindow.h"

namespace {

QLineEdit* Edit(QWidget& w, const char* name) {
    return w.findChild<QLineEdit*>(name);
}

// The segments the rule draws for the window's current problem, found from
// the state and the weight text (cubes per layer differ for every footprint).
std::vector<Segment> ExpectedSegments(const QuizWindow& window) {
    const Form1::Variables& v = window.Quiz().State();
    const int weight = Edit(const_cast<QuizWindow&>(window), "Text3")->text().toInt();
    const int perLayer = weight / static_cast<int>(v.Density * v.Layers);
    RecordingForm replay;
    UnitCubeKey(replay);
    for (int f = 1; f <= FootprintCount; ++f) {
        if (FootprintTable[static_cast<std::size_t>(f)].CubesPerLayer == perLayer) {
            DrawCubeStack(replay, f, static_cast<int>(v.Layers));
        }
    }
    std::vector<Segment> segments = replay.lines;
    for (const Segment& b : replay.boxes) {
        segments.push_back({b.x1, b.y1, b.x2, b.y1});
        segments.push_back({b.x2, b.y1, b.x2, b.y2});
        segments.push_back({b.x1, b.y2, b.x2, b.y2});
        segments.push_back({b.x1, b.y1, b.x1, b.y2});
    }
    return segments;
}

double Distance(double px, double py, const Segment& s) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double len2 = dx * dx + dy * dy;
    double t = len2 == 0 ? 0 : ((px - s.x1) * dx + (py - s.y1) * dy) / len2;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (s.x1 + t * dx), py - (s.y1 + t * dy));
}

bool IsYellow(QRgb p) {
    return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 0;
}

TEST(Window, FirstProblemDrawsKeyAndFigureWhereTheRulePutsThem) {
    QuizWindow window;
    EXPECT_EQ(window.windowTitle(), QString("密度の練習問題"));
    EXPECT_EQ(Edit(window, "Text3")->text(), "");
    window.ShowCentred();
    EXPECT_EQ(window.size(), QSize(792, 573));
    ASSERT_FALSE(Edit(window, "Text3")->text().isEmpty());
    EXPECT_EQ(Edit(window, "Text6")->text(), "0");
    EXPECT_EQ(Edit(window, "Text1_10")->pos(), QPoint(370, 450));
    EXPECT_EQ(Edit(window, "Text2_1")->pos(), QPoint(82, 482));

    const std::vector<Segment> segments = ExpectedSegments(window);
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(792, 573));

    // Every yellow pixel outside the controls lies on a segment of the rule.
    QRegion controls;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isVisible()) {
            controls += child->geometry();
        }
    }
    int yellow = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (controls.contains(QPoint(x, y)) || !IsYellow(shot.pixel(x, y))) {
                continue;
            }
            ++yellow;
            const bool onSegment = std::any_of(segments.begin(), segments.end(),
                                               [&](auto& s) { return Distance(x, y, s) <= 1.0; });
            ASSERT_TRUE(onSegment) << "stray yellow pixel at " << x << "," << y;
            const bool inRegions = (x >= 15 && x <= 80 && y >= 75 && y <= 110) ||
                                   (x >= 55 && x <= 365 && y >= 180 && y <= 340);
            ASSERT_TRUE(inRegions) << x << "," << y;
        }
    }
    // And every segment is drawn along its whole length.
    for (const Segment& s : segments) {
        const int steps = std::max(std::abs(s.x2 - s.x1), std::abs(s.y2 - s.y1));
        for (int k = 0; k <= steps; ++k) {
            const int x = static_cast<int>(std::lround(s.x1 + (s.x2 - s.x1) * k / double(steps)));
            const int y = static_cast<int>(std::lround(s.y1 + (s.y2 - s.y1) * k / double(steps)));
            EXPECT_TRUE(IsYellow(shot.pixel(x, y))) << "gap at " << x << "," << y;
        }
    }
    EXPECT_GT(yellow, 100);
}

TEST(Window, ClearDrawingKeepsControlsAndActivationHappensOnce) {
    QuizWindow window;
    window.ShowCentred();
    const QString weight = Edit(window, "Text3")->text();
    window.hide();
    window.show(); // showing again poses no second problem
    EXPECT_EQ(Edit(window, "Text3")->text(), weight);
    window.ClearDrawing();
    const QImage drawing = window.Drawing();
    bool anyLine = false;
    for (int y = 0; y < drawing.height() && !anyLine; ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            anyLine = anyLine || drawing.pixel(x, y) != qRgb(0, 0, 0);
        }
    }
    EXPECT_FALSE(anyLine);
    EXPECT_TRUE(Edit(window, "Text3")->isVisible());
    EXPECT_EQ(Edit(window, "Text3")->text(), weight);
}

// Presses the keypad keys that spell n, as a pupil would with the mouse.
void ClickNumber(QuizWindow& window, int n) {
    for (const char digit : std::to_string(n)) {
        const QString name = QString("Command2_%1").arg(digit - '0');
        QPushButton* key = window.findChild<QPushButton*>(name);
        ASSERT_NE(key, nullptr) << name.toStdString();
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

void Click(QuizWindow& window, const char* name) {
    QPushButton* button = window.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST(Window, ClickingARightThenAWrongAnswer) {
    QuizWindow window;
    window.ShowCentred();
    QLabel* label8 = window.findChild<QLabel*>("Label8");
    ASSERT_NE(label8, nullptr);

    const int density = static_cast<int>(window.Quiz().State().Density);
    ClickNumber(window, density);
    QString entry;
    for (const char digit : std::to_string(density)) {
        entry += QString(" %1").arg(digit);
    }
    EXPECT_EQ(Edit(window, "Text7")->text(), entry);
    Click(window, "Command3");
    EXPECT_EQ(Edit(window, "Text4")->text(), entry);
    EXPECT_EQ(Edit(window, "Text6")->text(), "10");
    EXPECT_EQ(Edit(window, "Text2_1")->text(), "○");
    EXPECT_TRUE(label8->isHidden());

    Click(window, "Command5");
    EXPECT_EQ(Edit(window, "Text4")->text(), "");
    EXPECT_EQ(Edit(window, "Text7")->text(), "");
    const int second = static_cast<int>(window.Quiz().State().Density);
    ClickNumber(window, second + 1);
    Click(window, "Command2_11");
    ClickNumber(window, 5);
    Click(window, "Command3");
    EXPECT_EQ(Edit(window, "Text2_2")->text(), "×");
    EXPECT_EQ(Edit(window, "Text6")->text(), "10");
    EXPECT_TRUE(label8->isVisible());
    EXPECT_EQ(label8->text(), QString("正解は %1").arg(second));

    Click(window, "Command2_10");
    EXPECT_EQ(Edit(window, "Text7")->text(), "");
}

// Next paints only where something changed; what it leaves on screen must
// still be what painting the whole window afresh shows, with no line of an
// earlier figure left behind.
TEST(Window, NextLeavesOnScreenWhatAWholeRepaintShows) {
    QuizWindow window;
    window.ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int question = 2; question <= Form1::Questions; ++question) {
        Click(window, "Command5");
        QCoreApplication::processEvents();
        const QImage onScreen = window.screen()->grabWindow(window.winId()).toImage();
        const QImage afresh = window.grab().toImage();
        ASSERT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
                  afresh.convertToFormat(QImage::Format_RGB32))
            << "question " << question;
    }
}

TEST(Window, ClosingTheWindowEndsTheQuizLikeQuit) {
    QuizWindow window;
    window.ShowCentred();
    EXPECT_FALSE(window.Quiz().Ended());
    window.close();
    EXPECT_TRUE(window.Quiz().Ended());
    // Clicks after the end reach nothing.
    const QString weight = Edit(window, "Text3")->text();
    Click(window, "Command5");
    EXPECT_EQ(Edit(window, "Text3")->text(), weight);
}

} // namespace
