#pragma once
// The program-wide state: the only channel between windows besides the named
// shared procedures. Widths follow the game's data model (Integer = int16_t,
// Long = int32_t, Byte = uint8_t). Everything starts zero, false or empty
// before Main runs.
//
// Every program-wide value is a member of SharedState, and the game reaches
// it under its own name through a reference. A value added here is reset by
// ResetSharedState without anyone having to remember it: the struct's
// initialisers are the one table of starting values.
#include <QByteArray>
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
    // The same picture: both empty, or the same pixels object.
    bool operator==(const Picture& o) const {
        if (isNull() || o.isNull()) return isNull() == o.isNull();
        return p_->cacheKey() == o.p_->cacheKey();
    }

private:
    mutable std::optional<QPixmap> p_;
};

// The settings application every stored entry lives under.
inline const QString kAppName = QStringLiteral("NR_Vantra");

// What the last finished duel handed back. A practice result is recorded
// nowhere else, so this is where a caller can still read it.
struct DuelOutcome {
    bool won = false;
    int32_t score = 0;
    bool operator==(const DuelOutcome&) const = default;
};

struct SharedState {
    // Options (read by Main, changed by the options dialog).
    int16_t MesTime = 0;      // message display time: 3, 6, 9, 12 or 15 (15 waits for a click)
    int16_t InputDevice = 0;  // duel input: 0 mouse, 1 keyboard
    bool MusicOn = false;
    bool SoundOn = false;
    std::array<int16_t, 6> PlayKeys{};  // Windows virtual-key codes
    int16_t ScreenScale = 0;            // screens' size in percent (100, 150, 200, 300); 0 fits the window
    // Accessibility: every screen outside the duel can be worked by keyboard,
    // and a question answered with Y or N. Off unless the player turns it on.
    bool KeyboardAccess = false;

    // Campaign state.
    uint8_t GameMode = 0;  // where a finished duel returns: 1, 2 or 255 (practice)
    bool SaveMode = false;
    int16_t StageNo = 0;
    int16_t LevelNo = 0;
    bool NotOfficial = false;
    bool BriefingDone = false;
    bool LastWon = false;
    int32_t TotalPoint = 0;
    int32_t GainedPoint = 0;
    std::array<bool, 7> FoeLeft{};
    int32_t FoeIndex = 0;
    int32_t FoeBase = 0;
    QString FoeName;

    // Duel hand-over, written by StartDuel.
    QString DuelFoeName;
    int16_t DuelFoeFace = 0;
    uint8_t DuelParamA = 0;
    uint8_t DuelParamB = 0;
    uint8_t DuelParamC = 0;
    int16_t DuelMusic = 0;
    // Written by DuelEnd.
    DuelOutcome LastDuel;
    // The replay of the last duel that ended, as its file's text; empty when
    // there is none to save (no duel yet, or its draws could not be recorded).
    QByteArray LastReplay;

    // Other shared state.
    int16_t MesMode = 0;
    int16_t CapturedKey = 0;
    Picture MesSheetPicture;
    Picture HandCursor;
    Picture Data1Picture;

    // The multimedia command layer's last result: the text of the last reply
    // or error, its code (0 success, -1 no command), the last reply and the
    // last error text.
    QString MciLastText;
    int32_t MciLastError = 0;
    QString MciReply;
    QString MciErrorText;

    bool operator==(const SharedState&) const = default;
};

extern SharedState Shared;

inline int16_t& MesTime = Shared.MesTime;
inline int16_t& InputDevice = Shared.InputDevice;
inline bool& MusicOn = Shared.MusicOn;
inline bool& SoundOn = Shared.SoundOn;
inline std::array<int16_t, 6>& PlayKeys = Shared.PlayKeys;
inline int16_t& ScreenScale = Shared.ScreenScale;
inline bool& KeyboardAccess = Shared.KeyboardAccess;

inline uint8_t& GameMode = Shared.GameMode;
inline bool& SaveMode = Shared.SaveMode;
inline int16_t& StageNo = Shared.StageNo;
inline int16_t& LevelNo = Shared.LevelNo;
inline bool& NotOfficial = Shared.NotOfficial;
inline bool& BriefingDone = Shared.BriefingDone;
inline bool& LastWon = Shared.LastWon;
inline int32_t& TotalPoint = Shared.TotalPoint;
inline int32_t& GainedPoint = Shared.GainedPoint;
inline std::array<bool, 7>& FoeLeft = Shared.FoeLeft;
inline int32_t& FoeIndex = Shared.FoeIndex;
inline int32_t& FoeBase = Shared.FoeBase;
inline QString& FoeName = Shared.FoeName;

inline QString& DuelFoeName = Shared.DuelFoeName;
inline int16_t& DuelFoeFace = Shared.DuelFoeFace;
inline uint8_t& DuelParamA = Shared.DuelParamA;
inline uint8_t& DuelParamB = Shared.DuelParamB;
inline uint8_t& DuelParamC = Shared.DuelParamC;
inline int16_t& DuelMusic = Shared.DuelMusic;
inline QByteArray& LastReplay = Shared.LastReplay;
inline DuelOutcome LastDuelOutcome() {
    return Shared.LastDuel;
}

inline int16_t& MesMode = Shared.MesMode;
inline int16_t& CapturedKey = Shared.CapturedKey;
inline Picture& MesSheetPicture = Shared.MesSheetPicture;
inline Picture& HandCursor = Shared.HandCursor;
inline Picture& Data1Picture = Shared.Data1Picture;

inline QString& MciLastText = Shared.MciLastText;
inline int32_t& MciLastError = Shared.MciLastError;
inline QString& MciReply = Shared.MciReply;
inline QString& MciErrorText = Shared.MciErrorText;

// Puts every shared value back to its state before Main (tests).
void ResetSharedState();
