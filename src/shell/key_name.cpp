#include "shell/key_name.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<int16_t, const char*>, 33> kNamed{{
    {3, "[Cancel]"},     {8, "[BS]"},
    {9, "[Tab]"},        {12, "[Clear]"},
    {13, "[Enter]"},     {16, "[Shift]"},
    {17, "[Ctrl]"},      {18, "[Menu]"},
    {19, "[Pause]"},     {20, "[CapsLock]"},
    {27, "[ESC]"},       {32, "[Space]"},
    {33, "[PageUp]"},    {34, "[PageDown]"},
    {35, "[End]"},       {36, "[Home]"},
    {37, "[←]"},         {38, "[↑]"},
    {39, "[→]"},         {40, "[↓]"},
    {41, "[Select]"},    {42, "[PrintScreen]"},
    {44, "[Snapshot]"},  {45, "[Ins]"},
    {46, "[Del]"},       {47, "[Help]"},
    {106, "*"},          {107, "+"},
    {108, "[NumEnter]"}, {109, "-"},
    {110, "."},          {111, "/"},
    {144, "[NumLock]"},
}};
}  // namespace

QString KeyName(int16_t code) {
    if (code >= 48 && code <= 57) return QString(QChar(code));
    if (code >= 65 && code <= 90) return QString(QChar(code));
    if (code >= 96 && code <= 105) return QStringLiteral("Num") + QString::number(code - 96);
    if (code >= 112 && code <= 127) return QStringLiteral("F") + QString::number(code - 111);
    for (auto [c, name] : kNamed)
        if (c == code) return QString::fromUtf8(name);
    return QStringLiteral("--");
}
