#pragma once
// What the two castle maps share: their copy of the campaign state, the
// buttons cut from the shared button sheet, the darkened faces of opponents
// already met, and the count-up of won points.
#include "look/key_button.h"

#include <QLabel>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <functional>

// A map's own copy of the campaign state, taken when the map loads and
// written back only where the map hands the run on.
struct MapState {
    int16_t stage = 0;
    int16_t level = 0;
    bool briefing = false;
    bool won = false;
    int32_t points = 0;
    int32_t gained = 0;
    std::array<bool, 7> left{};

    static MapState FromShared();
    // The new castle keeps no left flags, so it leaves FoeLeft alone.
    void WriteBack(bool withLeft) const;
};

// A picture button cut from "Data4._vx". With the keyboard option on it
// takes the focus and Enter or Space presses it.
class MapButton : public SheetButton {
    Q_OBJECT
public:
    MapButton(QWidget* parent, const QPixmap& sheet, int cell, int left, int top);
};

// The keys the keyboard option gives a map, on the map itself: the arrows move
// to its buttons, and Escape presses `quit` while it is shown. Tab, the arrows
// and Escape then never press start or stop, as every other key still does.
// True when the key was the option's.
bool MapOptionKey(QWidget& map, QKeyEvent* e, MapButton& quit);

// The frame the roulette moves from face to face.
class HighlightFrame : public QWidget {
public:
    explicit HighlightFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A label of the maps: no frame, transparent over the background.
QLabel* MapLabel(QWidget* parent, const QRect& r, const QFont& font, const QColor& colour, Qt::Alignment align);
QFont MapGothic(int px, bool bold = false);
QFont MapMincho(int px, bool bold = false);
void SetLabelColour(QLabel* label, const QColor& colour);

// Half of a colour value, rounded to the nearest integer with ties to even.
constexpr int HalfToEven(int v) {
    const int k = v / 2;
    return k + ((v % 2) && (k % 2));
}
// A face of an opponent already met: every colour value halved, at whatever
// pixel density the picture has. Alpha is kept.
QImage DarkenedImage(const QImage& face);
QPixmap DarkenedFace(const QPixmap& face);

// Counts won points up the way the maps show it: every value from `points` to
// `points + gained` is passed, and each one ending in 0 is shown through
// `show`, then window events are handled for a millisecond. The count-up's looped sound plays
// meanwhile when sound effects are on.
void CountUp(int32_t points, int32_t gained, const std::function<void(int32_t)>& show);

// Both maps' save button: a run that is still official is given up only when
// the player agrees; then the save-slot window opens for saving.
void AskAndSaveRun();
// Both maps' quit button: true when the player agreed to end the run here.
bool AskQuitRun();
