#pragma once
// The duel window. It conducts the match with its ten timers; the rules it
// applies live beside it (cards.h, foe_mind.h, battle_rules.h, result_rules.h).
#include "app/forms.h"
#include "duel/cards.h"
#include "duel/duel_widgets.h"
#include "duel/foe_mind.h"
#include "platform/key_strokes.h"
#include "platform/timer.h"

#include <QLabel>
#include <array>
#include <cstdint>

// Every interval of the duel, in ms.
namespace DuelTiming {
inline constexpr int32_t kStart = 2000;       // countdown steps
inline constexpr int32_t kBannerFirst = 100;  // the very first banner frame
inline constexpr int32_t kBannerSlide = 10;   // the two copies sliding together
inline constexpr int32_t kBannerFade = 50;    // the white flash fading out
inline constexpr int32_t kClock = 250;
inline constexpr int32_t kCardSet = 1;
inline constexpr int32_t kFoeState = 1000;
inline constexpr int32_t kFoeMoveFirst = 500;
inline constexpr int32_t kStall = 2000;
inline constexpr int32_t kBatFirst = 1500;
inline constexpr int32_t kBatAnnounce = 500;  // "Wait" before the hits count
inline constexpr int32_t kPowerUp = 10000;
inline constexpr int32_t kEnd = 3000;
inline constexpr int16_t kFirstPlayInterval = 300;
// The refused-move rim: on and off this often, this many steps (about half a second).
inline constexpr int32_t kRefuseBlink = 90;
inline constexpr int kRefuseBlinks = 5;
}  // namespace DuelTiming

// Sound effect codes of PlayWave.
inline constexpr uint8_t MoveSound = 1, RefuseSound = 2, ContestSound = 3;

// The play area's colours: black, and red while the opponent is powered up.
inline const QColor kTableColour = QColor(0, 0, 0);
inline const QColor kPowerUpColour = QColor(0xFF, 0, 0);

class VantraForm : public GameForm {
    Q_OBJECT
public:
    VantraForm();
    ~VantraForm() override;

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // Player input (keys arrive as Windows virtual-key codes).
    void Form_KeyUp(int16_t KeyCode, int16_t Shift);
    void Key_Out(int k);
    void Key_In(int k);
    void Image1_Click(int Index);
    void Image1_DragDrop(int Index, int Source);
    void Picture5_MouseUp(int Button, int Shift, int X, int Y);

    // Cards and the table.
    void ShafleCard();
    CardValue AddCard();
    CardValue eAddCard();
    void PlayWave(uint8_t code);
    CardValue slot(int i) const { return Slot[static_cast<size_t>(i)]; }
    CardValue shown(int i) const { return Shown[static_cast<size_t>(i)]; }
    const Table& slots() const { return Slot; }
    // Every change of the table goes through here, so the picture follows it.
    void SetSlot(int i, CardValue v);

    // Opponent, contest, re-deal and end.
    void AvProgress(int16_t& q, int16_t& a, int16_t& c, int16_t& acc);
    void CardBat(int src, int dst);
    void P_Bar(int16_t mine, int16_t foe);
    void BatEnd(bool playerWon);
    bool EndCcheck();

    // Timer ticks.
    void StartTimer_Timer();
    void OpenTimer_Timer();
    void Timer2_Timer();
    void CardSetTimer_Timer();
    void eAvTimer_Timer();
    void eHeadTimer_Timer();
    void AgainTimer_Timer();
    void BatTimer_Timer();
    void Timer1_Timer();
    void EndTimer_Timer();

    // True while a dragged card follows the pointer.
    // A refused move is seen as well as heard: a crimson rim blinks around
    // the card that could not go, on its own timer, and then goes.
    bool refuseMarkShown() const { return refuseMark_ && !refuseMark_->isHidden(); }
    bool refuseFlashing() const { return RefuseTimer.enabled(); }
    QRect refuseMarkGeometry() const { return refuseMark_ ? refuseMark_->geometry() : QRect(); }
    bool dragGhostShown() const { return dragGhost_ && !dragGhost_->isHidden(); }
    // Where the held card is drawn, in the play area's pixels.
    QRect dragGhostGeometry() const { return dragGhost_ ? dragGhost_->geometry() : QRect(); }

    // CardSetTimer as the duel switches it; it only wakes while a card changed.
    bool cardSetEnabled() const { return CardSetOn; }
    void SetCardSetTimer(bool on);

    // Window state.
    Deck MyDeck{}, FoeDeck{};
    uint8_t MyCount = 26, FoeCount = 26;
    Gauge MyGauge, FoeGauge;

    int16_t StartStep = 0;
    int16_t BannerFrame = 0;
    uint32_t StartTime = 0;
    bool KeyPlayOn = false;

    int16_t FoeQuickBase = 0, FoeTemper = 0, FoeSkill = 0;
    int16_t Anger = 0, Quickness = 0, Concentration = 0, Accuracy = 0;
    int16_t PlayInterval = DuelTiming::kFirstPlayInterval;
    bool PowerUp = false;

    int16_t Selected = 0;
    int16_t MashKey = 0;
    int16_t StallCount = 0;
    int16_t BattlePhase = 0;
    bool BattleOn = false;
    int16_t MyHits = 0, FoeHits = 0;
    int16_t BattlePile = 0, BattleMine = 0, BattleFoe = 0;
    bool Won = false;

    // Controls, by their design names.
    Panel* Picture1 = nullptr;  // play area
    Panel* Picture2 = nullptr;  // player's deck gauge
    Panel* Picture3 = nullptr;  // opponent's deck gauge
    Panel* Picture4 = nullptr;  // banner panel
    Panel* Picture5 = nullptr;  // contest panel
    std::array<BarBox*, 4> Picture6{};
    std::array<CardImage*, 11> Image1{};  // 1..10
    CoverBox* Image2 = nullptr;
    QLabel* Image4 = nullptr;           // portrait
    QLabel* Label1 = nullptr;           // opponent's name
    QLabel* Label4 = nullptr;           // mood
    QLabel* Label5 = nullptr;           // banner shadow
    QLabel* Label6 = nullptr;           // banner front
    QLabel* Label7 = nullptr;           // contest instruction
    std::array<QLabel*, 2> Label8{};    // "You", "Enemy"
    QLabel* Label9 = nullptr;           // contest status
    QLabel* Label11 = nullptr;          // clock
    ShapeBox* Shape1 = nullptr;         // player's gauge cover
    ShapeBox* Shape2 = nullptr;         // opponent's gauge cover
    ShapeBox* Shape3 = nullptr;         // player's share of the contest bar
    ShapeBox* Shape4 = nullptr;         // the contest bar
    ShapeBox* Shape5 = nullptr;         // keyboard cursor
    std::array<ShapeBox*, 4> Shape6{};  // player-row places

    // The ten timers of the duel by the number their ticks are recorded with
    // (0..9: StartTimer to EndTimer, as declared); null for any other number.
    host::Timer* duelTimer(int n);

    host::Timer StartTimer, OpenTimer, Timer2, CardSetTimer, eAvTimer, eHeadTimer, AgainTimer, BatTimer, Timer1,
        EndTimer, RefuseTimer;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Tick(int timer, void (VantraForm::*handler)());
    void BuildControls();
    void Deal();
    void ShowGauge(Panel* box, ShapeBox* cover, const Gauge& gauge);
    void StartBanner(const QString& shadow, const QString& front);
    void PlaceBannerLabel(QLabel* label, int twipsLeft);
    void SetLabelColour(QLabel* label, uint32_t bgr);
    void SetMood(const QString& text, QColor colour);
    void ShowCursorAt(int k);
    void ShowRefused(int k);
    void RefuseTimer_Timer();
    void HideCursor();
    void ContestStart();
    void ContestHit();
    void ReDeal();
    void Resume();
    void ArmRedraw();
    void PlayRun(bool on);

    // Dragging a card of the player's row.
    void DragStart(int index, QPoint grabOffset);
    void DragMove(QPointF pos);  // in the window's own pixels
    void DragEnd(QPointF pos);
    int DropTargetAt(QPointF pos) const;

    ShapeBox* refuseMark_ = nullptr;
    int refuseBlinks_ = 0;
    host::KeyStrokes strokes_;  // a held key acts once, however it repeats
    Table Slot{};
    Table Shown{};
    bool CardSetOn = false;
    QColor moodColour_;
    int dragSource_ = 0;
    QPoint dragOffset_;
    QLabel* dragGhost_ = nullptr;
};
