// The window's layout, headless: every control with its place, size, text,
// font, colours and accessible name; captions that fit their controls; the
// figure regions kept clear; keyboard focus; lines at a device pixel ratio
// above 1.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTextDocumentFragment>
#include <vector>

#include "window/QuizWindow.h"

namespace {

enum class Kind { Label, Box, Button };
// P and G: the proportional and the fixed-pitch Gothic, bold. W: the
// window's own font (the proportional Gothic, regular).
enum class Face { P, G, W };

struct ControlSpec {
    QString name;
    Kind kind;
    QRect geometry;
    QString text;
    Face face;
    int pixels;
    Qt::Alignment align; // text boxes only
    bool enabled;
    QString accessibleName;
    QColor foreground; // labels only
    QColor background; // labels only
};

const QColor White(255, 255, 255), Black(0, 0, 0), Yellow(255, 255, 0), Blue(0, 0, 192);

QString Digits(int n) {
    return QString::number(n);
}

// Every control of the window, as it stands once the window is loaded.
std::vector<ControlSpec> Controls() {
    const auto label = [](const char* name, QRect g, const char* text, int px, QColor fg,
                          QColor bg) {
        return ControlSpec{name, Kind::Label, g, text, Face::P, px, {}, true, text, fg, bg};
    };
    const auto box = [](QString name, QRect g, QString text, Face face, int px, Qt::Alignment align,
                        bool enabled, QString spoken) {
        return ControlSpec{name, Kind::Box, g, text, face, px, align, enabled, spoken, {}, {}};
    };
    const auto button = [](QString name, QRect g, QString caption, int px, QString spoken) {
        return ControlSpec{name, Kind::Button, g, caption, Face::P, px, {}, true, spoken, {}, {}};
    };
    std::vector<ControlSpec> c{
        label("Label1", {8, 8, 241, 41}, "密度の練習問題", 32, Yellow, Blue),
        button("Command1", {696, 8, 89, 41}, "終　了", 16, "終了"),
        label("Label7", {488, 24, 161, 25}, "得点　　　　　　点", 21, White, Black),
        box("Text6", {536, 16, 81, 33}, "0", Face::P, 21, Qt::AlignHCenter, true, "得点"),
        label("Label2", {88, 88, 249, 25}, "を1立方cmの直方体とします", 19, White, Black),
        label("Label3", {248, 152, 161, 25}, "この物体の重さは", 19, White, Black),
        box("Text3", {416, 146, 81, 31}, "", Face::P, 21, Qt::AlignRight, true,
            "この物体の重さ（g重）"),
        label("Label4", {512, 152, 81, 25}, "g重です", 19, White, Black),
        label("Label5", {472, 232, 65, 25}, "密度は", 19, White, Black),
        box("Text4", {544, 227, 97, 30}, "", Face::P, 21, Qt::AlignRight, true,
            "採点した密度の答え（g重/立方cm）"),
        label("Label6", {648, 232, 113, 25}, "g重/立方cm", 19, White, Black),
        label("Label8", {504, 264, 193, 33}, "", 21, Yellow, Black),
        box("Text7", {560, 344, 145, 33}, "", Face::P, 19, Qt::AlignRight, true, "答えの入力欄"),
        button("Command3", {560, 504, 145, 33}, "入　　力", 19, "入力"),
        button("Command5", {712, 504, 57, 33}, "次", 19, "次の問題"),
        box("Text5", {584, 552, 201, 18}, "制作 理科ドリル工房 2026年12月", Face::W, 12,
            Qt::AlignLeft, false, "制作者と制作年月"),
    };
    const QStringList captions{"０", "１", "２", "３", "４",     "５",
                               "６", "７", "８", "９", "クリア", "・"};
    const int left[12] = {560, 560, 608, 656, 560, 608, 656, 560, 608, 656, 656, 608};
    const int top[12] = {472, 440, 440, 440, 408, 408, 408, 376, 376, 376, 472, 472};
    for (int i = 0; i < 12; ++i) {
        const QString spoken = (i == 11 ? QString("小数点") : captions[i]) + "のキー";
        c.push_back(button("Command2_" + Digits(i), {left[i], top[i], 49, 33}, captions[i],
                           i == 10 ? 13 : 19, spoken));
    }
    for (int k = 1; k <= 10; ++k) {
        const QString q = "第" + Digits(k) + "問の";
        c.push_back(box("Text1_" + Digits(k), {50 + 32 * k, 450, 41, 33}, Digits(k), Face::P, 21,
                        Qt::AlignHCenter, false, q + "番号"));
        c.push_back(box("Text2_" + Digits(k), {50 + 32 * k, 482, 41, 33}, "", Face::G, 21,
                        Qt::AlignHCenter, false, q + "正誤"));
    }
    return c;
}

// The text a control shows, rich text reduced to its characters.
QString ShownText(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return Qt::mightBeRichText(l->text())
                   ? QTextDocumentFragment::fromHtml(l->text()).toPlainText()
                   : l->text();
    }
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        return b->text();
    }
    return qobject_cast<const QLineEdit*>(w)->text();
}

// The families each face may really come out as: the face asked for, or its
// stand-in from the IPA Gothic fonts.
QStringList AcceptedFamilies(Face face) {
    if (face == Face::G) {
        return {"ＭＳ ゴシック", "MS Gothic", "IPAGothic"};
    }
    return {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"};
}

// Width and height that text has inside a control, before it is clipped.
QSize TextRoom(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(e);
        option.rect = e->rect();
        option.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e);
        const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e);
        // A line edit keeps 2 pixels clear at either side of its text.
        return {contents.width() - 4, contents.height()};
    }
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        return {b->width() - 2 * frame, b->height() - 2 * frame};
    }
    return qobject_cast<const QLabel*>(w)->contentsRect().size();
}

TEST(Layout, EveryControlAsLaidOut) {
    QuizWindow window;
    const std::vector<ControlSpec> controls = Controls();

    // Nothing more, nothing less.
    QStringList expectedNames, actualNames;
    for (const ControlSpec& s : controls) {
        expectedNames << s.name;
    }
    for (const QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        actualNames << w->objectName();
    }
    expectedNames.sort();
    actualNames.sort();
    EXPECT_EQ(actualNames, expectedNames);

    for (const ControlSpec& s : controls) {
        SCOPED_TRACE(s.name.toStdString());
        QWidget* w = window.findChild<QWidget*>(s.name);
        ASSERT_NE(w, nullptr);
        switch (s.kind) {
        case Kind::Label:
            EXPECT_TRUE(qobject_cast<QLabel*>(w));
            EXPECT_EQ(w->palette().color(QPalette::WindowText), s.foreground);
            EXPECT_EQ(w->palette().color(QPalette::Window), s.background);
            EXPECT_TRUE(w->autoFillBackground());
            break;
        case Kind::Box:
            ASSERT_TRUE(qobject_cast<QLineEdit*>(w));
            EXPECT_EQ(qobject_cast<QLineEdit*>(w)->alignment() & Qt::AlignHorizontal_Mask, s.align);
            break;
        case Kind::Button:
            ASSERT_TRUE(qobject_cast<QPushButton*>(w));
            EXPECT_TRUE(qobject_cast<QPushButton*>(w)->autoDefault());
            break;
        }
        EXPECT_EQ(w->geometry(), s.geometry);
        EXPECT_EQ(ShownText(w), s.text);
        EXPECT_EQ(w->isEnabled(), s.enabled);
        EXPECT_EQ(w->isVisibleTo(&window), s.name != "Label8");

        const QFontInfo font(w->font());
        EXPECT_EQ(font.pixelSize(), s.pixels);
        EXPECT_EQ(font.bold(), s.face != Face::W);
        EXPECT_TRUE(AcceptedFamilies(s.face).contains(font.family()))
            << font.family().toStdString();

        // What a screen reader is told.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), s.accessibleName);
        const QAccessible::Role role = s.kind == Kind::Label ? QAccessible::StaticText
                                       : s.kind == Kind::Box ? QAccessible::EditableText
                                                             : QAccessible::Button;
        EXPECT_EQ(a->role(), role);
    }
    const QLabel* title = window.findChild<QLabel*>("Label1");
    EXPECT_EQ(title->frameShape(), QFrame::Box);
    EXPECT_EQ(title->lineWidth(), 1);
}

TEST(Layout, EveryTextFitsItsControl) {
    QuizWindow window;
    // The texts the controls start with...
    std::vector<std::pair<QString, QString>> texts;
    for (const ControlSpec& s : Controls()) {
        texts.emplace_back(s.name, s.text);
    }
    // ...and the widest the logic writes: the heaviest block (5 layers of
    // 20 cubes at density 28), a full score, both marks, the longest message.
    texts.insert(texts.end(), {{"Text3", "2800"},
                               {"Text6", "100"},
                               {"Text2_10", "○"},
                               {"Text2_10", "×"},
                               {"Label8", "正解は 28"}});
    for (const auto& [name, text] : texts) {
        SCOPED_TRACE((name + " " + text).toStdString());
        const QWidget* w = window.findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr);
        const QFontMetrics metrics(w->font());
        const QSize room = TextRoom(w);
        EXPECT_LE(metrics.height(), room.height());
        if (name != "Label7") { // narrowed to fit; checked on screen below
            EXPECT_LE(metrics.horizontalAdvance(text), room.width());
        }
    }
}

// Columns of a window shot in which a band of rows has text-coloured ink.
std::vector<int> InkColumns(const QImage& shot, int top, int bottom, int left, int right) {
    std::vector<int> columns;
    for (int x = left; x < right; ++x) {
        for (int y = top; y < bottom; ++y) {
            if (qGray(shot.pixel(x, y)) > 128) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

TEST(Layout, ScoreReadsBetweenTheWordsAroundIt) {
    QuizWindow window;
    window.ShowCentred();
    const QWidget* score = window.findChild<QWidget*>("Text6");
    // The score box lies over the label, wherever the two overlap.
    EXPECT_EQ(window.childAt(560, 30), score);
    EXPECT_EQ(window.childAt(610, 45), score);

    const QImage shot = window.grab().toImage();
    // 得点 to the left of the box, 点 to its right, both inside the label.
    const std::vector<int> before = InkColumns(shot, 24, 49, 488, 536);
    const std::vector<int> after = InkColumns(shot, 24, 49, 617, 649);
    ASSERT_FALSE(before.empty());
    ASSERT_FALSE(after.empty());
    EXPECT_GT(after.front(), 617);
    EXPECT_LT(after.back(), 648) << "点 touches the label's edge";
    EXPECT_GT(after.back() - after.front(), 12) << "点 is cut";
}

TEST(Layout, NoControlCoversTheKeyOrTheFigures) {
    QuizWindow window;
    window.ShowCentred();
    const QRect key(QPoint(15, 75), QPoint(80, 110));
    const QRect figures(QPoint(55, 180), QPoint(365, 340));
    for (const QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(w->geometry().intersects(key)) << w->objectName().toStdString();
        EXPECT_FALSE(w->geometry().intersects(figures)) << w->objectName().toStdString();
    }
}

TEST(Layout, KeepsItsSize) {
    QuizWindow window;
    window.ShowCentred();
    window.resize(1000, 700);
    EXPECT_EQ(window.size(), QSize(792, 573));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST(Keyboard, FocusStartsOnQuitAndTabFollowsTheOrder) {
    QuizWindow window;
    window.ShowCentred();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");

    QStringList expected{"Command5", "Text7", "Command3"};
    for (int i = 11; i >= 0; --i) {
        expected << "Command2_" + Digits(i);
    }
    expected << "Text3"
             << "Text4"
             << "Text6"
             << "Command1";
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST(Keyboard, SpaceReturnAndKeypadEnterPressTheFocusedButton) {
    QuizWindow window;
    window.ShowCentred();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* seven = window.findChild<QPushButton*>("Command2_7");
    const auto* entry = window.findChild<QLineEdit*>("Text7");
    seven->setFocus();
    QTest::keyClick(seven, Qt::Key_Return);
    EXPECT_EQ(entry->text(), " 7");
    QTest::keyClick(seven, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(entry->text(), " 7 7");
    QTest::keyClick(seven, Qt::Key_Space);
    EXPECT_EQ(entry->text(), " 7 7 7");
}

bool IsYellow(QRgb p) {
    return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 0;
}
bool IsBlack(QRgb p) {
    return qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0;
}

// Runs with QT_SCALE_FACTOR=2 only (see tests/CMakeLists.txt).
TEST(HighDpi, LinesCoverWholeLayoutPixelsInPlainYellow) {
    QuizWindow window;
    window.ShowCentred();
    ASSERT_EQ(window.devicePixelRatioF(), 2) << "run with QT_SCALE_FACTOR=2";
    EXPECT_EQ(window.size(), QSize(792, 573));
    EXPECT_EQ(window.Drawing().size(), QSize(1584, 1146));
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(1584, 1146));

    // The key's top edge, (30, 75) to (80, 75), is device rows 150 and 151;
    // its left edge, (15, 90) to (15, 110), device columns 30 and 31. Beside
    // them, away from the corners, lies black.
    for (int x = 60; x < 162; ++x) {
        ASSERT_TRUE(IsYellow(shot.pixel(x, 150)) && IsYellow(shot.pixel(x, 151))) << x;
        ASSERT_TRUE(IsBlack(shot.pixel(x, 149))) << x;
        if (x >= 64 && x < 156) {
            ASSERT_TRUE(IsBlack(shot.pixel(x, 152))) << x;
        }
    }
    for (int y = 180; y < 222; ++y) {
        ASSERT_TRUE(IsYellow(shot.pixel(30, y)) && IsYellow(shot.pixel(31, y))) << y;
        ASSERT_TRUE(IsBlack(shot.pixel(29, y))) << y;
        if (y >= 184 && y < 216) {
            ASSERT_TRUE(IsBlack(shot.pixel(32, y))) << y;
        }
    }
    // No blending anywhere in the key or the figures.
    int yellow = 0;
    for (const QRect& region : {QRect(30, 150, 132, 72), QRect(110, 360, 622, 322)}) {
        for (int y = region.top(); y <= region.bottom(); ++y) {
            for (int x = region.left(); x <= region.right(); ++x) {
                const QRgb p = shot.pixel(x, y);
                ASSERT_TRUE(IsYellow(p) || IsBlack(p)) << x << "," << y;
                yellow += IsYellow(p) ? 1 : 0;
            }
        }
    }
    EXPECT_GT(yellow, 1000);
}

} // namespace
