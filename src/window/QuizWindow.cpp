#include "window/QuizWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QtMath>
#include <limits>

namespace {

// The first of the families that is installed, or all of them when none is
// (the toolkit then picks a substitute). Naming only the installed one
// spares the toolkit a search through the missing ones for every font.
QStringList Installed(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family)) {
            return {family};
        }
    }
    return families;
}

// The two Gothic faces the layout was made with, each followed by its
// closest stand-in on a free desktop and then any Japanese Gothic.
const QStringList& ProportionalGothic() {
    static const QStringList families = Installed({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic",
                                                   "IPAGothic", "VL PGothic", "Noto Sans CJK JP"});
    return families;
}
const QStringList& MonospaceGothic() {
    static const QStringList families =
        Installed({"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAPGothic", "VL Gothic",
                   "Noto Sans Mono CJK JP"});
    return families;
}

// Sizes are given in pixels (points at 96 dpi) so the layout does not
// depend on the screen's dpi.
QFont GothicFont(const QStringList& families, int pixels) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    // Unhinted outlines look the same at these sizes and spare the
    // auto-hinter's work on every glyph at start-up.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
QFont P(int pixels) {
    return GothicFont(ProportionalGothic(), pixels);
}
QFont G(int pixels) {
    return GothicFont(MonospaceGothic(), pixels);
}

// Point sizes of the layout in pixels.
constexpr int Pt24 = 32;
constexpr int Pt15_75 = 21;
constexpr int Pt14_25 = 19;
constexpr int Pt12 = 16;
constexpr int Pt9_75 = 13;
constexpr int Pt9 = 12;

// The window's own font, used by the controls that name none: the
// proportional Gothic at 9 points, not bold.
QFont WindowFont() {
    QFont font = P(Pt9);
    font.setBold(false);
    return font;
}

const QColor YellowColour(255, 255, 0);
const QColor BlueColour(0, 0, 192);
const QColor DisabledTextColour(109, 109, 109);

QColor ToQColor(Colour c) {
    return {c.red, c.green, c.blue};
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The caption of the score label with its wide blanks narrowed just enough
// for the whole caption to fit the label, so that the score box covers the
// blanks and 点 stays visible to its right. Plain text when it fits as it is.
QString FittedScoreCaption(const QString& head, const QString& blanks, const QString& tail,
                           const QFont& font, int width) {
    const QString plain = head + blanks + tail;
    const int excess = QFontMetrics(font).horizontalAdvance(plain) - width;
    if (excess <= 0 || blanks.isEmpty()) {
        return plain;
    }
    const auto count = static_cast<int>(blanks.size());
    const int narrowing = (excess + count - 1) / count;
    return QString("<p style=\"white-space:pre\">%1<span style=\"letter-spacing:-%2px\">%3</span>"
                   "%4</p>")
        .arg(head)
        .arg(narrowing)
        .arg(blanks, tail);
}

} // namespace

QuizWindow::QuizWindow(QWidget* parent) : QWidget(parent), form_(*this) {
    setObjectName("Form1");
    setWindowTitle("密度の練習問題");
    setFixedSize(ClientWidth, ClientHeight);
    SetColours(this, Qt::white, Qt::black);
    // A text box lays out its empty text in the application's font before
    // it takes any other: make that a font the window uses anyway, not one
    // more to load.
    QApplication::setFont(WindowFont());
    setFont(WindowFont());
    // paintEvent paints every pixel itself; no need to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ResetDrawing();
    BuildControls();
    form_.Form_Load();
}

QuizWindow::~QuizWindow() = default;

void QuizWindow::BuildControls() {
    // Every control gets an accessible name saying what it is, so that a
    // screen reader announces it; labels are announced by their captions.
    auto label = [this](const char* name, int x, int y, int w, int h, const QString& text,
                        const QFont& font, const QColor& fg, const QColor& bg) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(x, y, w, h);
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetColours(l, fg, bg);
        return l;
    };
    auto box = [this](const char* name, int x, int y, int w, int h, const QFont& font,
                      Qt::Alignment align, bool enabled, const QString& accessibleName) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setGeometry(x, y, w, h);
        e->setFont(font);
        e->setAlignment(align | Qt::AlignVCenter);
        e->setEnabled(enabled);
        e->setAccessibleName(accessibleName);
        // An entry of any length is kept whole.
        e->setMaxLength(std::numeric_limits<int>::max());
        if (!enabled) {
            // Disabled boxes still show the question numbers, the marks and
            // the credit: a darker grey than the usual one keeps them legible.
            QPalette palette = e->palette();
            palette.setColor(QPalette::Disabled, QPalette::Text, DisabledTextColour);
            e->setPalette(palette);
        }
        return e;
    };
    auto button = [this](const char* name, int x, int y, int w, int h, const QString& caption,
                         const QFont& font, const QString& accessibleName) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, h);
        b->setFont(font);
        b->setAccessibleName(accessibleName);
        // Enter presses the focused button, as Space does.
        b->setAutoDefault(true);
        return b;
    };

    auto* label1 =
        label("Label1", 8, 8, 241, 41, "密度の練習問題", P(Pt24), YellowColour, BlueColour);
    label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    label1->setLineWidth(1);

    auto* command1 = button("Command1", 696, 8, 89, 41, "終　了", P(Pt12), "終了");
    // The score box, made after the label, lies over the label's blanks.
    auto* label7 = label("Label7", 488, 24, 161, 25, "", P(Pt15_75), Qt::white, Qt::black);
    label7->setText(
        FittedScoreCaption("得点", "　　　　　　", "点", label7->font(), label7->width()));
    text6_ = box("Text6", 536, 16, 81, 33, P(Pt15_75), Qt::AlignHCenter, true, "得点");
    label("Label2", 88, 88, 249, 25, "を1立方cmの直方体とします", P(Pt14_25), Qt::white, Qt::black);
    label("Label3", 248, 152, 161, 25, "この物体の重さは", P(Pt14_25), Qt::white, Qt::black);
    text3_ =
        box("Text3", 416, 146, 81, 31, P(Pt15_75), Qt::AlignRight, true, "この物体の重さ（g重）");
    label("Label4", 512, 152, 81, 25, "g重です", P(Pt14_25), Qt::white, Qt::black);
    label("Label5", 472, 232, 65, 25, "密度は", P(Pt14_25), Qt::white, Qt::black);
    text4_ = box("Text4", 544, 227, 97, 30, P(Pt15_75), Qt::AlignRight, true,
                 "採点した密度の答え（g重/立方cm）");
    label("Label6", 648, 232, 113, 25, "g重/立方cm", P(Pt14_25), Qt::white, Qt::black);
    label8_ = label("Label8", 504, 264, 193, 33, "", P(Pt15_75), YellowColour, Qt::black);
    label8_->hide();
    text7_ = box("Text7", 560, 344, 145, 33, P(Pt14_25), Qt::AlignRight, true, "答えの入力欄");

    // Keypad: rows 7-8-9, 4-5-6, 1-2-3, then 0, point, clear.
    static constexpr int keyLeft[3] = {560, 608, 656};
    static constexpr int keyTop[4] = {376, 408, 440, 472};
    static constexpr int keyAt[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {0, 11, 10}};
    static const char* const keyCaption[12] = {"０", "１", "２", "３", "４",     "５",
                                               "６", "７", "８", "９", "クリア", "・"};
    std::array<QPushButton*, 12> keys{};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const int index = keyAt[row][col];
            const QByteArray name = "Command2_" + QByteArray::number(index);
            const QString caption = QString::fromUtf8(keyCaption[index]);
            const QString spoken = index == 11 ? QString("小数点") : caption;
            auto* key = button(name.constData(), keyLeft[col], keyTop[row], 49, 33, caption,
                               P(index == 10 ? Pt9_75 : Pt14_25), spoken + "のキー");
            connect(key, &QPushButton::clicked, this,
                    [this, index] { form_.Command2_Click(index); });
            keys[static_cast<std::size_t>(index)] = key;
        }
    }
    auto* command3 = button("Command3", 560, 504, 145, 33, "入　　力", P(Pt14_25), "入力");
    auto* command5 = button("Command5", 712, 504, 57, 33, "次", P(Pt14_25), "次の問題");

    for (int k = 1; k <= Form1::Questions; ++k) {
        const int designLeft = 88 + 40 * (k - 1);
        const QByteArray n = QByteArray::number(k);
        const QString question = QString("第%1問の").arg(k);
        text1_[static_cast<std::size_t>(k)] =
            box(("Text1_" + n).constData(), designLeft, 496, 41, 33, P(Pt15_75), Qt::AlignHCenter,
                false, question + "番号");
        text2_[static_cast<std::size_t>(k)] =
            box(("Text2_" + n).constData(), designLeft, 528, 41, 33, G(Pt15_75), Qt::AlignHCenter,
                false, question + "正誤");
    }
    // The credit line takes the window's own font.
    auto* text5 = box("Text5", 584, 552, 201, 18, font(), Qt::AlignLeft, false, "制作者と制作年月");
    text5->setText("制作 理科ドリル工房 2026年12月");

    connect(command1, &QPushButton::clicked, this, [this] { form_.Command1_Click(); });
    connect(command3, &QPushButton::clicked, this, [this] { form_.Command3_Click(); });
    connect(command5, &QPushButton::clicked, this, [this] { form_.Command5_Click(); });

    // Keyboard focus order; the window opens on Quit.
    QList<QWidget*> order{command1, command5, text7_, command3};
    for (int index = 11; index >= 0; --index) {
        order.append(keys[static_cast<std::size_t>(index)]);
    }
    order.append({text3_, text4_, text6_});
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    command1->setFocus();
}

void QuizWindow::ShowCentred() {
    const QScreen* screen = this->screen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - ClientWidth) / 2,
             area.y() + (area.height() - ClientHeight) / 2);
    }
    show();
}

void QuizWindow::ResetDrawing() {
    strokes_.clear();
    inked_ = QRect();
    RenderDrawing();
}

// The drawing is kept at the resolution of the screen the window is on: a
// line one pixel wide covers one whole pixel of the layout at any device
// pixel ratio, sharp and in its plain colour.
void QuizWindow::RenderDrawing() {
    const qreal ratio = devicePixelRatioF();
    const QSize size(qCeil(ClientWidth * ratio), qCeil(ClientHeight * ratio));
    if (drawing_.size() != size) {
        drawing_ = QImage(size, QImage::Format_RGB32);
    }
    drawing_.setDevicePixelRatio(ratio);
    drawing_.fill(Qt::black);
    for (const Stroke& stroke : strokes_) {
        PaintStroke(stroke);
    }
}

void QuizWindow::PaintStroke(const Stroke& stroke) {
    QPainter painter(&drawing_);
    if (drawing_.devicePixelRatio() != 1) {
        // Scaled up, a line is filled as a band centred on its path: let the
        // path run through the pixels' centres so that the band covers whole
        // layout pixels. (Unscaled one-pixel lines already do.)
        painter.translate(0.5, 0.5);
    }
    painter.setPen(QPen(stroke.colour, 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2);
}

void QuizWindow::AddStroke(const Stroke& stroke) {
    strokes_.push_back(stroke);
    if (drawing_.devicePixelRatio() == devicePixelRatioF()) {
        PaintStroke(stroke);
    } else {
        RenderDrawing();
    }
    // Only the pixels around the line need painting again.
    const QRect area = QRect(QPoint(stroke.x1, stroke.y1), QPoint(stroke.x2, stroke.y2))
                           .normalized()
                           .adjusted(-1, -1, 1, 1);
    inked_ |= area;
    update(area);
}

void QuizWindow::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
    AddStroke({x1, y1, x2, y2, ToQColor(colour)});
}

void QuizWindow::DrawBox(int x1, int y1, int x2, int y2, Colour colour) {
    const QColor c = ToQColor(colour);
    AddStroke({x1, y1, x2, y1, c});
    AddStroke({x2, y1, x2, y2, c});
    AddStroke({x2, y2, x1, y2, c});
    AddStroke({x1, y2, x1, y1, c});
}

void QuizWindow::ClearDrawing() {
    update(inked_);
    ResetDrawing();
}

void QuizWindow::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another pixel ratio: draw the lines afresh.
    if (drawing_.devicePixelRatio() != devicePixelRatioF()) {
        RenderDrawing();
    }
    // Black, and the lines copied from the drawing where there are any:
    // copying the whole drawing would cost far more than the black.
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    const QRect lines = event->rect() & inked_;
    if (!lines.isEmpty()) {
        const qreal ratio = drawing_.devicePixelRatio();
        painter.drawImage(QRectF(lines), drawing_,
                          QRectF(lines.x() * ratio, lines.y() * ratio, lines.width() * ratio,
                                 lines.height() * ratio));
    }
}

QLineEdit* QuizWindow::Box(Control box) const {
    const auto i = static_cast<std::size_t>(box.index);
    switch (box.name) {
    case ControlName::Text1:
        return i >= 1 && i < text1_.size() ? text1_[i] : nullptr;
    case ControlName::Text2:
        return i >= 1 && i < text2_.size() ? text2_[i] : nullptr;
    case ControlName::Text3:
        return text3_;
    case ControlName::Text4:
        return text4_;
    case ControlName::Text6:
        return text6_;
    case ControlName::Text7:
        return text7_;
    case ControlName::Label8:
        return nullptr;
    }
    return nullptr;
}

QWidget* QuizWindow::Widget(Control control) const {
    if (control.name == ControlName::Label8) {
        return label8_;
    }
    return Box(control);
}

std::string QuizWindow::GetText(Control box) const {
    const QLineEdit* edit = Box(box);
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

void QuizWindow::SetText(Control box, std::string_view text) {
    if (QLineEdit* edit = Box(box)) {
        edit->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}

void QuizWindow::SetCaption(Control label, std::string_view text) {
    if (label.name == ControlName::Label8) {
        label8_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}

void QuizWindow::SetVisible(Control label, bool shown) {
    if (label.name == ControlName::Label8) {
        label8_->setVisible(shown);
    }
}

void QuizWindow::SetPosition(Control box, int left, int top) {
    if (QWidget* widget = Widget(box)) {
        widget->move(left, top);
    }
}

// Called once: after it the quiz ignores every event, so no handler runs.
void QuizWindow::EndProgram() {
    close();
    QCoreApplication::exit(0);
}

void QuizWindow::SeedRandom(int seed) {
    random_.Seed(seed);
}

double QuizWindow::NextRandom() {
    return random_.Next();
}

int QuizWindow::ClockSeconds() {
    return LocalClockSeconds();
}

void QuizWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first problem is posed once, when the window first appears; a
    // later show or activation (switching programs) poses nothing new.
    if (!activated_) {
        activated_ = true;
        form_.Form_Activate();
    }
}

void QuizWindow::closeEvent(QCloseEvent* event) {
    // Closing from the title bar ends the program like Quit (which does
    // nothing more once the program has ended).
    form_.Command1_Click();
    event->accept();
}
