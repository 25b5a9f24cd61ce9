#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "RecordingForm.h"
#include "quiz/EntryValue.h"
#include "quiz/Form1.h"

namespace {

TEST(Keypad, EachKeyExtendsOrClearsTheEntry) {
    const struct {
        std::vector<int> keys;
        const char* text;
        double value;
    } cases[] = {
        {{1, 2, 11, 5}, " 1 2. 5", 12.5},
        {{2, 8}, " 2 8", 28},
        {{11, 5}, ". 5", 0.5},
        {{0, 7}, " 0 7", 7},
        {{1, 11, 11, 5}, " 1.. 5", 1},
        {{1, 2, 11, 0}, " 1 2. 0", 12},
        {{3, 4, 10}, "", 0},
        {{9, 10, 3}, " 3", 3},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, " 0 1 2 3 4 5 6 7 8 9", 123456789},
        {{}, "", 0},
    };
    for (const auto& c : cases) {
        RecordingForm form;
        Form1 quiz(form);
        for (const int key : c.keys) {
            quiz.Command2_Click(key);
        }
        EXPECT_EQ(form.GetText({ControlName::Text7}), c.text);
        EXPECT_EQ(EntryValue(form.GetText({ControlName::Text7})), c.value) << c.text;
    }
}

TEST(Keypad, KeysOutsideTheArrayDoNothing) {
    RecordingForm form;
    Form1 quiz(form);
    for (const int key : {-1, 12, 1000}) {
        quiz.Command2_Click(key);
    }
    EXPECT_TRUE(form.calls.empty());
}

// How typed and pasted entries read. Full-width forms come from a Japanese
// input method; signs are read; exponents, radix prefixes and other
// scripts' digits end the number.
TEST(EntryValueTest, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {" 1 2", 12},
        {"12abc", 12},
        {"abc12", 0},
        {".5", 0.5},
        {"3.", 3},
        {".", 0},
        {" 1.. 5", 1},
        {"1,5", 1},
        {"\t1\n2\r3", 123},
        {"00012", 12},
        {"１２", 12},       // full-width digits
        {"１２．５", 12.5}, // full-width point
        {"１　２", 12},     // ideographic space
        {"1.５", 1.5},      // mixed widths
        {"+12", 12},
        {"-12", -12},
        {"－３", -3}, // full-width minus
        {"＋３", 3},  // full-width plus
        {"−3", -3},   // minus sign
        {"- 3", -3},
        {"+-3", 0},
        {"3-", 3},
        {"1e3", 1},    // no exponent
        {"0x1C", 0},   // no radix prefix
        {"١٢", 0},     // Arabic-Indic digits are not read
        {"12。5", 12}, // the ideographic full stop is not a point
        {"\xC0\xB1"
         "2",
         0},             // an overlong "1" is not a digit
        {"\xE3\x80", 0}, // truncated UTF-8
        {"12\xFF"
         "3",
         12}, // a stray byte ends the number
        {"0.1", 0.1},
        {"28.000000", 28},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(EntryValueTest, HugeAndTinyEntries) {
    EXPECT_EQ(EntryValue(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(EntryValue("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(EntryValue("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(EntryValue(std::string(300, '0') + "12"), 12.0);
    // Four hundred digits from the keypad: a blank before each.
    std::string keyed;
    for (int i = 0; i < 400; ++i) {
        keyed += " 9";
    }
    EXPECT_TRUE(std::isinf(EntryValue(keyed)));
    // A megabyte, read whole.
    std::string mega(1 << 20, '1');
    mega[5] = '.';
    EXPECT_NEAR(EntryValue(mega), 11111.1111, 1e-3);
}

} // namespace
