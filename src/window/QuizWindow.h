// The program's one window: the controls, the drawing surface beneath them,
// and FormServices implemented over both.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <vector>

#include "quiz/Form1.h"
#include "window/FormServices.h"
#include "window/RandomSource.h"

class QLabel;
class QLineEdit;
class QPushButton;

class QuizWindow : public QWidget, public FormServices {
    Q_OBJECT

  public:
    static constexpr int ClientWidth = 792;
    static constexpr int ClientHeight = 573;

    // Builds the controls and runs Form_Load; the first show runs
    // Form_Activate.
    explicit QuizWindow(QWidget* parent = nullptr);
    ~QuizWindow() override;

    // Shows the window in the centre of its screen.
    void ShowCentred();

    const Form1& Quiz() const { return form_; }
    // For driving the handlers directly (benchmarks).
    Form1& Quiz() { return form_; }
    // The lines drawn so far, over the black background, at the window's
    // device pixel ratio.
    const QImage& Drawing() const { return drawing_; }

    // FormServices
    void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override;
    void DrawBox(int x1, int y1, int x2, int y2, Colour colour) override;
    void ClearDrawing() override;
    std::string GetText(Control box) const override;
    void SetText(Control box, std::string_view text) override;
    void SetCaption(Control label, std::string_view text) override;
    void SetVisible(Control label, bool shown) override;
    void SetPosition(Control box, int left, int top) override;
    void EndProgram() override;
    void SeedRandom(int seed) override;
    double NextRandom() override;
    int ClockSeconds() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    QLineEdit* Box(Control box) const;
    QWidget* Widget(Control control) const;
    // One line of the drawing, in client-area pixels.
    struct Stroke {
        int x1, y1, x2, y2;
        QColor colour;
    };
    void ResetDrawing();
    void RenderDrawing();
    void PaintStroke(const Stroke& stroke);
    void AddStroke(const Stroke& stroke);

    Form1 form_;
    RandomSource random_;
    std::vector<Stroke> strokes_; // since the last clear
    QImage drawing_;
    QRect inked_; // holds every stroke since the last clear; black elsewhere
    bool activated_ = false;

    std::array<QLineEdit*, 11> text1_{}; // 1..10
    std::array<QLineEdit*, 11> text2_{}; // 1..10
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QLineEdit* text7_ = nullptr;
    QLabel* label8_ = nullptr;
};
