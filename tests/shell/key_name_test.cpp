#include "shell/key_name.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyName, Table) {
    struct Case {
        int16_t code;
        const char* name;
    };
    const Case cases[] = {
        {3, "[Cancel]"},
        {8, "[BS]"},
        {9, "[Tab]"},
        {12, "[Clear]"},
        {13, "[Enter]"},
        {16, "[Shift]"},
        {17, "[Ctrl]"},
        {18, "[Menu]"},
        {19, "[Pause]"},
        {20, "[CapsLock]"},
        {27, "[ESC]"},
        {32, "[Space]"},
        {33, "[PageUp]"},
        {34, "[PageDown]"},
        {35, "[End]"},
        {36, "[Home]"},
        {37, "[←]"},
        {38, "[↑]"},
        {39, "[→]"},
        {40, "[↓]"},
        {41, "[Select]"},
        {42, "[PrintScreen]"},
        {44, "[Snapshot]"},
        {45, "[Ins]"},
        {46, "[Del]"},
        {47, "[Help]"},
        {48, "0"},
        {57, "9"},
        {65, "A"},
        {83, "S"},
        {90, "Z"},
        {96, "Num0"},
        {105, "Num9"},
        {106, "*"},
        {107, "+"},
        {108, "[NumEnter]"},
        {109, "-"},
        {110, "."},
        {111, "/"},
        {112, "F1"},
        {121, "F10"},
        {127, "F16"},
        {144, "[NumLock]"},
        // Codes without a name, next to named ones and far away.
        {0, "--"},
        {1, "--"},
        {43, "--"},
        {58, "--"},
        {64, "--"},
        {91, "--"},
        {95, "--"},
        {128, "--"},
        {143, "--"},
        {145, "--"},
        {186, "--"},
        {222, "--"},
        {-1, "--"},
        {32767, "--"},
        {-32768, "--"},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyName(c.code), QString::fromUtf8(c.name)) << c.code;
}

}  // namespace
