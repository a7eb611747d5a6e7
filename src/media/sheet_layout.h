#pragma once
// Cell layouts of the picture sheets that windows cut their buttons from. The
// asset generator draws the sheets from the same numbers.

// "Data4._vx": the shared button sheet, one 82 x 26 button a row at x = 0.
namespace Sheet4 {
inline constexpr int kCellWidth = 82;
inline constexpr int kCellHeight = 26;
// The export wizard cuts its buttons by position: cancel at y = 52, next at
// y = 104 and finish at y = 130, so those three cells stay where they are.
// Every other window names its cell here.
enum Cell : int {
    Start = 0,  // "スタート"
    Stop,       // "ストップ"
    Cancel,     // "キャンセル", y = 52
    Quit,       // "やめる"
    Next,       // "次へ", y = 104
    Finish,     // "完了", y = 130
    Previous,   // "前へ"
    Save,       // "セーブ"
    Load,       // "ロード"
    Close,      // "閉じる"
    Back,       // "戻る"
    Ok,         // "決定"
    kCount
};
inline constexpr int cellTop(int cell) {
    return cell * kCellHeight;
}
}  // namespace Sheet4

// "Data5._vx": the message window's three backgrounds, 373 wide.
namespace Sheet5 {
inline constexpr int kWidth = 373;
inline constexpr int kQuestionTop = 0, kQuestionHeight = 164;
inline constexpr int kOkTop = 164, kOkHeight = 164;
inline constexpr int kTimedTop = 328, kTimedHeight = 128;
inline constexpr int kHeight = kTimedTop + kTimedHeight;
// Click areas, relative to the background's top left: yes and no on the
// question background, OK on the OK background (same place as no).
inline constexpr int kYesLeft = 150, kNoLeft = 262, kAreaTop = 124, kAreaWidth = 96, kAreaHeight = 30;
}  // namespace Sheet5

// "Data7._vx" (levels, 79 wide) and "Data8._vx" (start positions, 125 wide):
// three buttons 56 pixels apart, the pressed look 28 below the plain one.
namespace Sheet78 {
inline constexpr int kPitch = 56;
inline constexpr int kButtonHeight = 28;
inline constexpr int kLevelWidth = 79;
inline constexpr int kStartWidth = 125;
inline constexpr int plainTop(int i) {
    return kPitch * i;
}
inline constexpr int pressedTop(int i) {
    return kPitch * i + kButtonHeight;
}
}  // namespace Sheet78
