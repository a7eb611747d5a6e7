#include "scenes/staff_roll.h"

namespace {
constexpr int kCanvasHeight = 400;
constexpr int kLinePitch = 40;
constexpr int kLinesAtOnce = 11;
}  // namespace

// Everybody here is made up; the photograph crew is the class that studied
// the cards in the corridor.
const std::array<RollLine, kRollCount> kStaffRoll{{
    {"PROGRAM", true},
    {"Tomoharu Kisaragi", false},
    {"SCENARIO", true},
    {"Sayaka Minazuki", false},
    {"Ren Tachibanaya", false},
    {"ART", true},
    {"Koharu Hoshizora", false},
    {"Daichi Morinobe", false},
    {"VOICE", true},
    {"Mio Kazahaya", false},
    {"Gonzo Tetsukabe", false},
    {"B.G.M", true},
    {"Nimbrel Sound Team", false},
    {"Yusuke Hibikino", false},
    {"Akane Otonashiya", false},
    {"Shoma Kanadera", false},
    {"Rinne Utagawara", false},
    {"CAMERA", true},
    {"Kenta Hikarizaki", false},
    {"SCAN", true},
    {"Noboru Yomitori", false},
    {"Chika Irodoriya", false},
    {"PHOTOGRAPH", true},
    {"Asuka Amagiri", false},
    {"Hayato Ishizume", false},
    {"Emi Uzukawa", false},
    {"Genta Ebisaka", false},
    {"Hinako Onodera-Kiri", false},
    {"Kakeru Kagenuma", false},
    {"Kaede Kitakaze", false},
    {"Ryota Kumoide", false},
    {"Sakura Kurogane", false},
    {"Shun Saibara", false},
    {"Nanami Shiranagi", false},
    {"Takumi Suzukaze", false},
    {"Tsubasa Takanohara", false},
    {"Nozomi Tsukishiro", false},
    {"Yuto Tokimori", false},
    {"Ayane Nagisawa", false},
    {"Haruki Nishikaze", false},
    {"Misaki Nonomura-Tei", false},
    {"Sota Hanabusaya", false},
    {"Yui Hirasaka", false},
    {"Kota Fujiwaku", false},
    {"Riko Hoshimiya", false},
    {"Daiki Mabuchiya", false},
    {"Honoka Mizusawara", false},
    {"Itsuki Minagawara", false},
    {"Aoi Murasakino", false},
    {"Kaito Yamabukiya", false},
    {"Class 2-C, Hoshimori Technical High", false},
    {"Hoshimori Card Research Club", false},
    {"Special Thanks", true},
    {"Hoshimori Technical High School", false},
    {"Everyone in the Cold Corridor", false},
    {"All Of User", false},
}};

const std::array<const char*, 4> kPortraitNames{
    "Tomoharu Kisaragi",  // program
    "Sayaka Minazuki",    // scenario
    "Koharu Hoshizora",   // art
    "Kenta Hikarizaki",   // camera
};

std::vector<RollPlacement> RollLinesAt(int32_t s, int rollCount) {
    std::vector<RollPlacement> out;
    if (s < 0) return out;
    // The line that has just entered at the bottom, and how far it has risen.
    const int32_t base = s / kLinePitch + 1;
    const int32_t first = kCanvasHeight - (s - kLinePitch * (base - 1));
    for (int i = 0; i < kLinesAtOnce; ++i) {
        const int32_t line = base - i;
        if (line >= 1 && line <= rollCount)
            out.push_back({static_cast<int>(line), static_cast<int>(first - kLinePitch * i)});
    }
    return out;
}
