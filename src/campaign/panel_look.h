#pragma once
// The look of the campaign's small set-up windows (new game, save slots,
// player data): a night-blue panel with a gold rim under a caption strip that
// carries the window's title, as a child window of the main frame has.
#include "look/palette.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QLabel;

namespace panel {

// The colours of the game's frame and screens, from the one palette.
using look::kGold;
using look::kGoldLight;
using look::kNight;
using look::kNightDeep;
using look::kParchment;
inline const QColor kSilver(192, 192, 192);
inline const QColor kYellow(255, 255, 0);
inline const QColor kDamaged(0xff, 0x70, 0x60);

// Height of the caption strip.
inline constexpr int kCaptionHeight = 24;

QFont Gothic(double px, bool bold = false);
// The whole window: caption strip with `title`, body and rim.
void PaintPanel(QPainter& p, const QRect& r, const QString& title);
// A group frame with its caption on the top line, like a frame control.
void PaintFrame(QPainter& p, const QRect& r, const QString& caption);
// A label in the panel's ink.
void StyleLabel(QLabel* l, double px, const QColor& colour, bool bold = false);

}  // namespace panel
