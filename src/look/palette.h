#pragma once
// The one look of the whole game: a night-blue storybook world lit from the
// upper left, dark plum ink outlines, gold trim and crimson accents. The asset
// generator draws every picture from these colours, outline weights and fonts,
// and the windows draw their own frames, plaques and labels from the same
// ones, so that cards, faces, screens and scenes belong together. Plain Qt
// Gui: the generator builds this header without the game.
#include <QColor>
#include <QFont>
#include <QString>

namespace look {
// Outlines and text.
inline const QColor kInk(0x26, 0x1c, 0x2e);
inline const QColor kInkSoft(0x4a, 0x3c, 0x52);
// Night sky and the blue of the frames.
inline const QColor kNightDeep(0x0d, 0x12, 0x26);
inline const QColor kNight(0x1a, 0x24, 0x48);
inline const QColor kNightHigh(0x35, 0x48, 0x80);
inline const QColor kDusk(0x5a, 0x3c, 0x6e);
// Gold trim.
inline const QColor kGoldDark(0x86, 0x62, 0x1c);
inline const QColor kGold(0xd6, 0xab, 0x45);
inline const QColor kGoldLight(0xf6, 0xdf, 0x92);
// Crimson accents and the red of the cards.
inline const QColor kCrimsonDark(0x66, 0x0e, 0x18);
inline const QColor kCrimson(0xb0, 0x1e, 0x2a);
inline const QColor kCardRed(0xc4, 0x12, 0x2c);
inline const QColor kCardBlack(0x18, 0x16, 0x1c);
// Parchment of panels and the card face.
inline const QColor kParchment(0xf4, 0xe8, 0xc8);
inline const QColor kParchmentDark(0xd8, 0xc2, 0x92);
inline const QColor kCardFace(0xff, 0xfe, 0xfa);
inline const QColor kCardFaceShade(0xf1, 0xed, 0xe2);
// Land.
inline const QColor kGrass(0x4e, 0x7a, 0x3a);
inline const QColor kGrassDark(0x2e, 0x4e, 0x26);
inline const QColor kForest(0x24, 0x44, 0x2a);
inline const QColor kEarth(0x8a, 0x6a, 0x44);
inline const QColor kRoad(0xc8, 0xb0, 0x80);
inline const QColor kWater(0x3a, 0x6a, 0x9a);
inline const QColor kStone(0x9a, 0x94, 0x90);
inline const QColor kStoneDark(0x5c, 0x56, 0x58);
inline const QColor kRoof(0x8c, 0x2e, 0x2a);
inline const QColor kSteel(0xa8, 0xb4, 0xc4);
inline const QColor kSteelDark(0x5a, 0x66, 0x7a);

// Outline weight at 1x: figures and buildings, and the finer detail line.
inline constexpr double kLine = 1.2;
inline constexpr double kFine = 0.7;

// Fonts by role. Japanese labels use the Gothic face, story text the Mincho
// face, numbers and Latin titles the Liberation faces. Sizes are in pixels.
// Unhinted, so a text keeps its shape at 1x and 2x alike.
inline QFont Font(const char* family, double pixelSize, bool bold = false, bool italic = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
inline QFont Gothic(double px, bool bold = false) {
    return Font("IPAPGothic", px, bold);
}
inline QFont Mincho(double px, bool bold = false) {
    return Font("IPAPMincho", px, bold);
}
inline QFont Serif(double px, bool bold = false, bool italic = false) {
    return Font("Liberation Serif", px, bold, italic);
}
inline QFont Narrow(double px, bool bold = true) {
    return Font("Liberation Sans Narrow", px, bold);
}
}  // namespace look
