#pragma once
// The program-wide state: the only channel between windows besides the named
// shared procedures. Widths follow the game's data model (Integer = int16_t,
// Long = int32_t, Byte = uint8_t). Everything starts zero, false or empty
// before Main runs.
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// A shared picture. A QPixmap needs the application object, which does not
// exist yet when the program-wide variables are made, so the pixmap is made on
// first use; otherwise it behaves like the QPixmap it holds.
class Picture {
public:
    QPixmap& get() const {
        if (!p_) p_.emplace();
        return *p_;
    }
    operator const QPixmap&() const { return get(); }
    const QPixmap* operator->() const { return &get(); }
    Picture& operator=(const QPixmap& p) {
        get() = p;
        return *this;
    }
    bool isNull() const { return !p_ || p_->isNull(); }
    int width() const { return p_ ? p_->width() : 0; }
    int height() const { return p_ ? p_->height() : 0; }
    QPixmap copy(int x, int y, int w, int h) const { return get().copy(x, y, w, h); }
    QPixmap copy(const QRect& r) const { return get().copy(r); }
    QImage toImage() const { return p_ ? p_->toImage() : QImage(); }
    void reset() { p_.reset(); }

private:
    mutable std::optional<QPixmap> p_;
};

// The settings application every stored entry lives under.
inline const QString kAppName = QStringLiteral("NR_Vantra");

// Options (read by Main, changed by the options dialog).
extern int16_t MesTime;      // message display time: 3, 6, 9, 12 or 15 (15 waits for a click)
extern int16_t InputDevice;  // duel input: 0 mouse, 1 keyboard
extern bool MusicOn;
extern bool SoundOn;
extern std::array<int16_t, 6> PlayKeys;  // Windows virtual-key codes

// Campaign state.
extern uint8_t GameMode;  // where a finished duel returns: 1, 2 or 255 (practice)
extern bool SaveMode;
extern int16_t StageNo;
extern int16_t LevelNo;
extern bool NotOfficial;
extern bool BriefingDone;
extern bool LastWon;
extern int32_t TotalPoint;
extern int32_t GainedPoint;
extern std::array<bool, 7> FoeLeft;
extern int32_t FoeIndex;
extern int32_t FoeBase;
extern QString FoeName;

// Duel hand-over, written by StartDuel.
extern QString DuelFoeName;
extern int16_t DuelFoeFace;
extern uint8_t DuelParamA;
extern uint8_t DuelParamB;
extern uint8_t DuelParamC;
extern int16_t DuelMusic;

// Other shared state.
extern int16_t MesMode;
extern int16_t CapturedKey;
extern Picture MesSheetPicture;
extern Picture HandCursor;
extern Picture Data1Picture;

// Puts every shared variable back to its state before Main (tests).
void ResetSharedState();
