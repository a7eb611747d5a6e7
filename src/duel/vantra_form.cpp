// The duel window's life: loading and the deal, the countdown, the banner,
// the clock, the card redraw and the hook that follows every move.
#include "duel/vantra_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "duel/hand_over.h"
#include "duel/replay_record.h"
#include "duel/result_rules.h"
#include "media/pictures.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "platform/scheduler.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

VantraForm::VantraForm()
    : StartTimer(this, DuelTiming::kStart, [this] { Tick(0, &VantraForm::StartTimer_Timer); }),
      OpenTimer(this, DuelTiming::kBannerFirst, [this] { Tick(1, &VantraForm::OpenTimer_Timer); }),
      Timer2(this, DuelTiming::kClock, [this] { Tick(2, &VantraForm::Timer2_Timer); }),
      CardSetTimer(this, DuelTiming::kCardSet, [this] { Tick(3, &VantraForm::CardSetTimer_Timer); }),
      eAvTimer(this, DuelTiming::kFoeState, [this] { Tick(4, &VantraForm::eAvTimer_Timer); }),
      eHeadTimer(this, DuelTiming::kFoeMoveFirst, [this] { Tick(5, &VantraForm::eHeadTimer_Timer); }),
      AgainTimer(this, DuelTiming::kStall, [this] { Tick(6, &VantraForm::AgainTimer_Timer); }),
      BatTimer(this, DuelTiming::kBatFirst, [this] { Tick(7, &VantraForm::BatTimer_Timer); }),
      Timer1(this, DuelTiming::kPowerUp, [this] { Tick(8, &VantraForm::Timer1_Timer); }),
      EndTimer(this, DuelTiming::kEnd, [this] { Tick(9, &VantraForm::EndTimer_Timer); }),
      // The refusal blink is only drawn; it plays no part in the duel.
      RefuseTimer(this, DuelTiming::kRefuseBlink, [this] { RefuseTimer_Timer(); }) {
    BuildControls();
}

VantraForm::~VantraForm() = default;

host::Timer* VantraForm::duelTimer(int n) {
    // In the order the constructor numbers their ticks.
    const std::array<host::Timer*, 10> timers{&StartTimer, &OpenTimer,  &Timer2,   &CardSetTimer, &eAvTimer,
                                              &eHeadTimer, &AgainTimer, &BatTimer, &Timer1,       &EndTimer};
    return n >= 0 && n < static_cast<int>(timers.size()) ? timers[static_cast<size_t>(n)] : nullptr;
}

void VantraForm::Tick(int timer, void (VantraForm::*handler)()) {
    // A replay puts every tick back where it came, among the player's inputs
    // and the other ticks, so each one is recorded with its timer.
    ReplayTickStarts(timer);
    (this->*handler)();
    ReplayTickEnded();
}

void VantraForm::Form_Load() {
    ReplayBeginDuel();
    KeyPlayOn = false;
    BattleOn = false;
    StartStep = 0;

    Picture1->hide();
    Picture5->hide();
    Picture4->show();
    StartTimer.setEnabled(true);
    EndTimer.setEnabled(false);
    Selected = 0;
    Shape5->hide();

    SetMenu(0);
    CenterInHost();
    Image2->hide();

    Deal();

    host::ChDirProgram();
    Image4->setPixmap(LoadResPicture(PortraitResource(StageNo, GameMode, DuelFoeFace)));
    Label1->setText(DuelFoeName);

    PowerUp = false;
    Timer1.setEnabled(false);
    PlayInterval = DuelTiming::kFirstPlayInterval;
    FoeQuickBase = DuelParamA;
    FoeSkill = DuelParamC;
    FoeTemper = DuelParamB;
    // The bars, the mood and the opponent's pace are right before play begins.
    eAvTimer_Timer();
    Label11->setText(QStringLiteral("0分00秒"));
    PlayMusic(DuelMusic);
}

void VantraForm::Deal() {
    ShafleCard();
    Slot.fill(0);
    Shown.fill(0);
    FoeCount = 26;
    MyCount = 26;
    SetSlot(kLeftPile, AddCard());
    SetSlot(kRightPile, eAddCard());
}

void VantraForm::ShafleCard() {
    MyDeck.fill(0);
    FoeDeck.fill(0);
    host::Randomize();
    ShuffleInto(FoeDeck, 27);
    // Reseeding within the same millisecond still gives the player's deck its
    // own order: the generator mixes in how many reseeds came before.
    host::Randomize();
    ShuffleInto(MyDeck, 1);
}

namespace {
QColor GaugeQColor(GaugeColour c) {
    switch (c) {
        case GaugeColour::Red:
            return BgrColor(0x0000FF);
        case GaugeColour::Yellow:
            return BgrColor(0x00FFFF);
        case GaugeColour::Blue:
            break;
    }
    return BgrColor(0xFF0000);
}
}  // namespace

void VantraForm::ShowGauge(Panel* box, ShapeBox* cover, const Gauge& gauge) {
    cover->setShapeHeight(
        static_cast<int>(std::lround(static_cast<double>(box->height()) * gauge.cover / kGaugeUnits)));
    box->setBackColor(GaugeQColor(gauge.colour));
}

CardValue VantraForm::AddCard() {
    const CardValue v = DrawCard(MyDeck, MyCount, MyGauge);
    ShowGauge(Picture2, Shape1, MyGauge);
    return v;
}

CardValue VantraForm::eAddCard() {
    const CardValue v = DrawCard(FoeDeck, FoeCount, FoeGauge);
    ShowGauge(Picture3, Shape2, FoeGauge);
    return v;
}

namespace {
// Card faces are decoded once: a duel shows each of them again and again. A
// face at 2x is 100 KB and a long duel shows all 52, so past a dozen and a
// half the faces that no card on the table shows are let go.
constexpr std::ptrdiff_t kKeptFaces = 18;

const QPixmap& FacePictureOf(CardValue v) {
    static std::array<QPixmap, 53>& faces = *new std::array<QPixmap, 53>;  // kept until the program ends
    static qreal facesDpr = 0;
    // The density the duel is drawn at: its screen's and the screens' size.
    const qreal dpr = ScreenPictureRatio();
    if (dpr != facesDpr) {
        faces.fill(QPixmap());
        facesDpr = dpr;
    }
    QPixmap& p = faces[std::min<size_t>(v, 52)];
    if (p.isNull() && v != 0) {
        const auto kept = std::count_if(faces.begin(), faces.end(), [](const QPixmap& f) { return !f.isNull(); });
        if (kept >= kKeptFaces)
            for (QPixmap& f : faces)
                if (f.isDetached()) f = QPixmap();  // held here alone: no card shows it
        p = CardPicture(v);
    }
    return p;
}
}  // namespace

void VantraForm::SetSlot(int i, CardValue v) {
    Slot[static_cast<size_t>(i)] = v;
    ArmRedraw();
}

// The redraw runs on the shortest interval there is, yet it only has work
// when a card changed: the timer is armed while the duel has it switched on
// and the table differs from the picture, and rests otherwise.
void VantraForm::SetCardSetTimer(bool on) {
    CardSetOn = on;
    ArmRedraw();
}

void VantraForm::ArmRedraw() {
    CardSetTimer.setEnabled(CardSetOn && Slot != Shown);
}

void VantraForm::CardSetTimer_Timer() {
    for (int i = 1; i <= 10; ++i) {
        const auto k = static_cast<size_t>(i);
        if (Slot[k] == Shown[k]) continue;
        Image1[k]->setVisible(true);
        Image1[k]->setPicture(FacePictureOf(Slot[k]));
        Shown[k] = Slot[k];
    }
    ArmRedraw();
}

void VantraForm::PlayWave(uint8_t code) {
    static constexpr int kFiles[] = {0, 1, 3, 9};  // MoveSound, RefuseSound, ContestSound
    if (code >= 1 && code <= 3) PlayEffect(kFiles[code]);
    EndCcheck();
    StallCount = 1;
}

// Play runs: the redraw, the opponent and the stall watch. Every stop and
// resumption of play (the start, a re-deal's end, a contest, the result)
// switches this one group.
void VantraForm::PlayRun(bool on) {
    SetCardSetTimer(on);
    eAvTimer.setEnabled(on);
    eHeadTimer.setEnabled(on);
    AgainTimer.setEnabled(on);
}

void VantraForm::StartTimer_Timer() {
    const int16_t s = StartStep;
    if (StartStep < 4) ++StartStep;
    switch (s) {
        case 0:
            StartBanner(QStringLiteral("OnYourMark"), QStringLiteral("OnYourMark"));
            PlayEffect(10);
            break;
        case 1:
            StartBanner(QStringLiteral("GetSet"), QStringLiteral("GetSet"));
            PlayEffect(4);
            break;
        case 2:
            StartBanner(QStringLiteral("Go!!"), QStringLiteral("Go!!"));
            PlayEffect(6);
            StartTime = DuelClock();
            Timer2.setEnabled(true);
            break;
        case 3:
            Picture4->hide();
            Picture1->show();
            PlayRun(true);
            StallCount = 1;
            KeyPlayOn = true;
            break;
        default:
            break;
    }
}

void VantraForm::StartBanner(const QString& shadow, const QString& front) {
    Label5->setText(shadow);
    Label6->setText(front);
    BannerFrame = 0;
    OpenTimer.setEnabled(true);
}

void VantraForm::PlaceBannerLabel(QLabel* label, int twipsLeft) {
    const int px = static_cast<int>(std::lround(twipsLeft / 15.0));
    if (label->x() != px) label->move(px, 0);
}

void VantraForm::SetLabelColour(QLabel* label, uint32_t bgr) {
    const QColor c = BgrColor(bgr);
    QPalette pal = label->palette();
    if (pal.color(QPalette::WindowText) == c) return;
    pal.setColor(QPalette::WindowText, c);
    label->setPalette(pal);
}

void VantraForm::OpenTimer_Timer() {
    const int16_t f = ++BannerFrame;
    if (f == 1) {
        // The two copies start apart and slide together.
        PlaceBannerLabel(Label5, -30);
        PlaceBannerLabel(Label6, 30);
        SetLabelColour(Label5, 0x606060);
        SetLabelColour(Label6, 0x606060);
        Label5->show();
        Label6->show();
        Label6->raise();
        OpenTimer.setInterval(DuelTiming::kBannerSlide);
    } else if (f >= 2 && f <= 15) {
        PlaceBannerLabel(Label5, (f - 16) * 2);
        PlaceBannerLabel(Label6, (16 - f) * 2);
    } else if (f == 16) {
        PlaceBannerLabel(Label5, 0);
        PlaceBannerLabel(Label6, 0);
        Label6->hide();
        SetLabelColour(Label5, 0xFFFFFF);
        OpenTimer.setInterval(DuelTiming::kBannerFade);
    } else if (f >= 20 && f <= 24) {
        static constexpr uint32_t kFade[] = {0xE0E0E0, 0xC0C0C0, 0x808080, 0x404040, 0};
        SetLabelColour(Label5, kFade[f - 20]);
    } else if (f == 25) {
        OpenTimer.setEnabled(false);
    }
}

void VantraForm::Timer2_Timer() {
    const QString text = QString::fromStdString(ClockText(ClockSpan(StartTime, host::Clock())));
    if (Label11->text() != text) Label11->setText(text);
}
