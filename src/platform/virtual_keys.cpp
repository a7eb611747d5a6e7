#include "platform/virtual_keys.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace host {

namespace {
// Named keys outside the letter, digit and function-key runs.
constexpr std::array<std::pair<int, int16_t>, 53> kNamed{{
    {Qt::Key_Cancel, 3},       {Qt::Key_Backspace, 8},      {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},      {Qt::Key_Clear, 12},         {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},         {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},         {Qt::Key_AltGr, 18},         {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},        {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},      {Qt::Key_End, 35},
    {Qt::Key_Home, 36},        {Qt::Key_Left, 37},          {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},       {Qt::Key_Down, 40},          {Qt::Key_Select, 41},
    {Qt::Key_Printer, 42},     {Qt::Key_Execute, 43},       {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},        {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},        {Qt::Key_Super_L, 91},       {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},        {Qt::Key_Sleep, 95},         {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},      {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},       {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},     {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},   {Qt::Key_QuoteLeft, 192},    {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},  {Qt::Key_BracketRight, 221},
}};

// Shifted digits on a US keyboard still name the digit key.
constexpr std::array<std::pair<int, int16_t>, 10> kShiftedDigits{{
    {Qt::Key_ParenRight, 48},
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
}};

int16_t keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<int16_t>(96 + (qtKey - Qt::Key_0));
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return 108;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}
}  // namespace

int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (int16_t k = keypadCode(qtKey)) return k;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<int16_t>(65 + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<int16_t>(48 + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
    if (qtKey == Qt::Key_Apostrophe || qtKey == Qt::Key_QuoteDbl) return 222;
    for (auto [q, vk] : kNamed)
        if (q == qtKey) return vk;
    for (auto [q, vk] : kShiftedDigits)
        if (q == qtKey) return vk;
    return 0;
}

int16_t VirtualKeyFromEvent(const QKeyEvent& e) {
    return VirtualKeyFromQt(e.key(), e.modifiers());
}

bool IsKeypadVirtualKey(int16_t vk) {
    return vk >= 96 && vk <= 111;
}

int QtKeyFromVirtualKey(int16_t vk) {
    if (vk >= 65 && vk <= 90) return Qt::Key_A + (vk - 65);
    if (vk >= 48 && vk <= 57) return Qt::Key_0 + (vk - 48);
    if (vk >= 96 && vk <= 105) return Qt::Key_0 + (vk - 96);
    if (vk >= 112 && vk <= 135) return Qt::Key_F1 + (vk - 112);
    switch (vk) {
        case 106:
            return Qt::Key_Asterisk;
        case 107:
            return Qt::Key_Plus;
        case 108:
            return Qt::Key_Enter;
        case 109:
            return Qt::Key_Minus;
        case 110:
            return Qt::Key_Period;
        case 111:
            return Qt::Key_Slash;
        case 222:
            return Qt::Key_Apostrophe;
        default:
            break;
    }
    for (auto [q, code] : kNamed)
        if (code == vk) return q;
    return Qt::Key_unknown;
}

}  // namespace host
