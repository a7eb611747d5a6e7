// The new castle's map.
#include "campaign/new_new_map.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "app/wait.h"
#include "campaign/roster.h"
#include "campaign/stage_cast.h"
#include "campaign/stages.h"
#include "look/look.h"
#include "look/picture_label.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int kWidth = 624, kHeight = 416;  // the map picture
constexpr int kFirstPortrait = 63;
const QRect kFaceRect(270, 292, 85, 100);
constexpr int kButtonTop = 370;
constexpr int32_t kShowPauseMs = 1000, kNextPauseMs = 2000, kOverPauseMs = 2000, kChosenPauseMs = 1000;
constexpr int32_t kChosenSound = 13;
constexpr uint8_t kNewCastleMode = 2;
}  // namespace

NewNewMap::NewNewMap() {
    setWindowTitle(QStringLiteral("新願蛇羅"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kWidth, kHeight);

    TitleLabel = MapLabel(this, QRect(16, 300, 240, 36), MapMincho(24, true), QColor(236, 200, 96),
                          Qt::AlignRight | Qt::AlignVCenter);
    NameLabel =
        MapLabel(this, QRect(16, 340, 240, 28), MapGothic(17, true), Qt::white, Qt::AlignRight | Qt::AlignVCenter);
    Face = new PictureLabel(this);
    Face->setGeometry(kFaceRect);
    Face->setScaledContents(true);
    PointCaption = MapLabel(this, QRect(372, 298, 80, 24), MapGothic(14, true), QColor(236, 200, 96),
                            Qt::AlignLeft | Qt::AlignVCenter);
    PointCaption->setText(QStringLiteral("得点"));
    PointLabel =
        MapLabel(this, QRect(372, 322, 232, 34), MapGothic(26, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
}

void NewNewMap::Form_Load() {
    state = MapState::FromShared();
    SetMenu(2);
    CenterInHost();
    LoadAtScreenDensity(background_, backgroundRatio_, DataFileName("Data", 10));
    const QPixmap sheet = LoadPicture(DataFileName("Data", 4));
    StartButton = new MapButton(this, sheet, Sheet4::Start, 358, kButtonTop);
    SaveButton = new MapButton(this, sheet, Sheet4::Save, 446, kButtonTop);
    QuitButton = new MapButton(this, sheet, Sheet4::Quit, 534, kButtonTop);
    connect(StartButton, &MapButton::clicked, this, [this] { StartButton_Click(); });
    connect(SaveButton, &MapButton::clicked, this, [this] { SaveButton_Click(); });
    connect(QuitButton, &MapButton::clicked, this, [this] { QuitButton_Click(); });
    look::keys::SetCancel(*QuitButton);

    PointLabel->clear();
    TitleLabel->clear();
    NameLabel->clear();
    PointCaption->hide();
}

void NewNewMap::Form_Unload(bool&) {
    StopMusic(campaign::kMapMusic);
}

void NewNewMap::Startup() {
    const auto opponent = campaign::NewCastleOpponent(state.stage);
    if (!opponent) {
        // Past the last opponent: the ending.
        state.WriteBack(false);
        Unload();
        if (state.stage == campaign::kEndingStage)
            ShowEnding();
        else
            ShowTitle();  // not a stage of this castle: nothing to play here
        return;
    }
    TitleLabel->setText(QString::fromUtf8(opponent->title));
    foeName = campaign::OpponentName(state.stage, 0);
    NameLabel->setText(foeName);
    Face->setAccessibleName(foeName);
    faceResource = static_cast<int16_t>(kFirstPortrait + opponent->face);

    Face->setPixmap(LoadResPicture(faceResource));
    PointLabel->setText(QString::number(state.points));
    PointCaption->show();
    WaitMs(kShowPauseMs);
    if (unloaded()) return;

    // The briefing flag is set only by a finished duel; here it means the
    // result is still to be settled.
    if (state.briefing) {
        state.briefing = false;
        if (state.won) {
            CountUp(state.points, state.gained, [this](int32_t v) { PointLabel->setText(QString::number(v)); });
            if (unloaded()) return;
            state.points += state.gained;
            state.gained = 0;
            state.stage = static_cast<int16_t>(state.stage + 1);
            WaitMs(kNextPauseMs);
            if (unloaded()) return;
            Startup();
            return;
        }
        WaitMs(kOverPauseMs);
        if (unloaded()) return;
        Unload();
        ShowGameOver();
        return;
    }

    state.WriteBack(false);
    StartButton->show();
    QuitButton->show();
    SaveButton->show();
    // Start has the focus, so Enter starts the duel as any key does.
    look::keys::Offer(*StartButton);
    PlayMusic(campaign::kMapMusic);
}

void NewNewMap::StartButton_Click() {
    StartButton->hide();
    QuitButton->hide();
    SaveButton->hide();
    PlayEffect(kChosenSound);
    WaitMs(kChosenPauseMs);
    if (unloaded()) return;
    EndFolder();
}

void NewNewMap::EndFolder() {
    WaitMs(kChosenPauseMs);
    if (unloaded()) return;
    GameMode = kNewCastleMode;
    state.WriteBack(false);
    const QString name = foeName;
    const int16_t face = faceResource, level = state.level, stage = state.stage;
    Unload();
    const campaign::Strength s = campaign::HandOverStrength(level, stage, 0);
    StartDuel(name, face, s.x, s.y, s.z, campaign::DuelMusicFor(stage));
}

void NewNewMap::SaveButton_Click() {
    AskAndSaveRun();
}

void NewNewMap::QuitButton_Click() {
    if (!AskQuitRun()) return;
    Unload();
    ShowTitle();
}

void NewNewMap::Form_KeyDown() {
    if (StartButton->isVisible()) StartButton_Click();
}

void NewNewMap::keyPressEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    if (MapOptionKey(*this, e, *QuitButton)) return;
    Form_KeyDown();
}

void NewNewMap::paintEvent(QPaintEvent*) {
    LoadAtScreenDensity(background_, backgroundRatio_, DataFileName("Data", 10));
    QPainter p(this);
    if (background_.isNull())
        p.fillRect(rect(), QColor(30, 10, 16));
    else
        p.drawPixmap(0, 0, background_);
}

void ShowNewNewMap() {
    NewNewMap& map = Forms::Get<NewNewMap>();
    map.Show();
    map.Startup();
}
