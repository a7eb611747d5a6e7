#include "campaign/roster.h"

#include <array>

namespace {
const std::array<const char*, 29> kNames = {
    "ゴルドラ",                                                                // 0 the Demon King
    "カシウス",   "メルキオール",                                              // strategists
    "リリィ",     "ミント",       "ココ",                                      // the three maidens
    "バルガス",   "ゼフィール",   "ドラグノフ",   "オルドー",                  // the four kings
    "ガイラ",     "ジェイク",     "ロッソ",       "ヴォルフ",     "ネクロス",  // elite five
    "歩兵ゴンザ", "歩兵ミケオ",   "歩兵タケル",   "歩兵ピコ",                  // infantry
    "歩兵ノロ",   "歩兵ロンジ",   "歩兵ガンテツ",
    "門番ゲンブ",                                                                  // gatekeeper
    "塩屋のトメ", "村長モロゾ",   "床屋のマユキ", "鍛冶屋ガント", "吟遊詩人ルカ",  // townspeople
    "ポルカ",                                                                      // 28 the guide
};
}  // namespace

QString FoeDisplayName(int face) {
    if (face < 0 || face >= static_cast<int>(kNames.size())) return {};
    return QString::fromUtf8(kNames[static_cast<size_t>(face)]);
}

QString SuperDemonKingName() {
    return QStringLiteral("ネオ・ゴルドラ");
}

QString GuideLine() {
    return QStringLiteral("案内人  ") + FoeDisplayName(kGuideFace);
}
