// The first castle's map.
#include "campaign/new_map_form.h"

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
#include "platform/random.h"
#include "platform/rounding.h"
#include "platform/timer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <cmath>

namespace {
constexpr int kWidth = 624, kHeight = 416;  // the map picture
constexpr int kFaceTop = 300, kFaceWidth = 85, kFaceHeight = 100, kFrameMargin = 4;
constexpr int kButtonTop = 268;
constexpr int kRouletteMs = 200;
constexpr int32_t kBriefingPauseMs = 100, kShowPauseMs = 500, kClearPauseMs = 2000, kOverPauseMs = 2000;
constexpr int32_t kStopPauseMs = 200, kChosenPauseMs = 1000;
constexpr int16_t kLastCountedStage = 8;  // from here on a win clears the stage, points or not
constexpr int32_t kRouletteClick = 12, kChosenSound = 13;
const QRect kHud(436, 186, 180, 66);
const QColor kYellow(255, 255, 0), kOlive(128, 128, 0), kRed(255, 0, 0);
}  // namespace

NewMapForm::NewMapForm() {
    setWindowTitle(QStringLiteral("願蛇羅"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kWidth, kHeight);

    Heading[0] =
        MapLabel(this, QRect(170, 14, 280, 36), MapMincho(26, true), Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    Heading[1] = MapLabel(this, QRect(168, 12, 280, 36), MapMincho(26, true), QColor(255, 248, 226),
                          Qt::AlignLeft | Qt::AlignVCenter);
    GroupTitle = MapLabel(this, QRect(12, kButtonTop, 190, 26), MapMincho(18, true), QColor(236, 200, 96),
                          Qt::AlignLeft | Qt::AlignVCenter);
    NameLabel = MapLabel(this, QRect(204, kButtonTop, 150, 26), MapGothic(15, true), Qt::white, Qt::AlignCenter);
    PointCaption = MapLabel(this, QRect(kHud.x() + 10, kHud.y() + 6, 90, 24), MapGothic(13, true), QColor(236, 200, 96),
                            Qt::AlignLeft | Qt::AlignVCenter);
    PointCaption->setText(QStringLiteral("得点"));
    PointLabel = MapLabel(this, QRect(kHud.x() + 60, kHud.y() + 6, 110, 24), MapGothic(18, true), Qt::white,
                          Qt::AlignRight | Qt::AlignVCenter);
    RestCaption = MapLabel(this, QRect(kHud.x() + 10, kHud.y() + 36, 100, 24), MapGothic(13, true),
                           QColor(236, 200, 96), Qt::AlignLeft | Qt::AlignVCenter);
    RestCaption->setText(QStringLiteral("クリヤーまで"));
    RestLabel = MapLabel(this, QRect(kHud.x() + 96, kHud.y() + 36, 74, 24), MapGothic(16, true), kYellow,
                         Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel*& f : Face) {
        f = new PictureLabel(this);
        f->setGeometry(0, kFaceTop, kFaceWidth, kFaceHeight);
        f->setScaledContents(true);
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    Frame = new HighlightFrame(this);
    Frame->setGeometry(0, kFaceTop - kFrameMargin, kFaceWidth + 2 * kFrameMargin, kFaceHeight + 2 * kFrameMargin);

    Timer1 = new host::Timer(this, 0, [this] { Timer1_Timer(); });
}

void NewMapForm::Form_Load() {
    state = MapState::FromShared();
    SetMenu(2);
    CenterInHost();
    LoadAtScreenDensity(background_, backgroundRatio_, DataFileName("Data", 3));
    const QPixmap sheet = LoadPicture(DataFileName("Data", 4));
    StartButton = new MapButton(this, sheet, Sheet4::Start, 358, kButtonTop);
    StopButton = new MapButton(this, sheet, Sheet4::Stop, 446, kButtonTop);
    SaveButton = new MapButton(this, sheet, Sheet4::Save, 446, kButtonTop);
    QuitButton = new MapButton(this, sheet, Sheet4::Quit, 534, kButtonTop);
    connect(StartButton, &MapButton::clicked, this, [this] { StartButton_Click(); });
    connect(StopButton, &MapButton::clicked, this, [this] { StopButton_Click(); });
    connect(SaveButton, &MapButton::clicked, this, [this] { SaveButton_Click(); });
    connect(QuitButton, &MapButton::clicked, this, [this] { QuitButton_Click(); });
    look::keys::SetCancel(*QuitButton);

    for (QLabel* l : {Heading[0], Heading[1], GroupTitle, NameLabel, PointLabel, RestLabel}) l->clear();
    PointCaption->hide();
    RestCaption->hide();
    for (QLabel* f : Face) f->hide();
    Timer1->setInterval(kRouletteMs);
    Timer1->setEnabled(false);
}

void NewMapForm::Form_Unload(bool&) {
    Timer1->setEnabled(false);
    StopMusic(campaign::kMapMusic);
}

int32_t NewMapForm::GetClearPoint(int16_t level, int32_t stage) const {
    return campaign::GetClearPoint(level, stage);
}

QString NewMapForm::GetPlaceName(int32_t stage) const {
    return QString::fromUtf8(campaign::GetPlaceName(stage));
}

void NewMapForm::Startup() {
    for (QLabel* h : Heading) h->setText(GetPlaceName(state.stage));
    if (state.stage < kLastCountedStage) {
        SetLabelColour(RestLabel, kYellow);
    } else {
        SetLabelColour(RestLabel, kOlive);
        RestLabel->setText(QStringLiteral("unknow"));
    }

    if (!state.briefing) {
        if (const auto b = campaign::StageBriefing(state.stage))
            MesBox(b->face, campaign::BriefingSpeakerLine(state.stage), QString::fromUtf8(b->text), false, false);
        if (unloaded()) return;
        state.briefing = true;
    }
    if (state.stage == campaign::kPassageStage) {
        // The Super Demon King has spoken his last; the new castle's story
        // takes over from here. Stage 10 has nobody to meet, so the map goes
        // on even when his words were already heard.
        TotalPoint = state.points;
        Unload();
        ShowNewOpening();
        return;
    }
    WaitMs(kBriefingPauseMs);
    if (unloaded()) return;

    SetGroup();
    ShowFaces();
    PointLabel->setText(QString::number(state.points));
    if (state.stage < kLastCountedStage)
        RestLabel->setText(QString::number(GetClearPoint(state.level, state.stage) - state.points));
    PointCaption->show();
    RestCaption->show();
    PointLabel->show();
    RestLabel->show();
    hud_ = true;
    update();
    WaitMs(kShowPauseMs);
    if (unloaded()) return;

    // The map follows a won duel: count the points up and see whether the
    // stage is cleared. After a load or a new game BriefingDone is still false.
    if (state.won && BriefingDone) {
        const int32_t clear = GetClearPoint(state.level, state.stage);
        CountUp(state.points, state.gained, [this, clear](int32_t v) {
            PointLabel->setText(QString::number(v));
            if (state.stage >= kLastCountedStage) return;
            if (clear > v) {
                RestLabel->setText(QString::number(clear - v));
            } else {
                SetLabelColour(RestLabel, kRed);
                RestLabel->setText(QStringLiteral("Clear!!"));
            }
        });
        if (unloaded()) return;
        state.points += state.gained;
        state.gained = 0;
        if (clear <= state.points) {
            state.won = false;
            state.briefing = false;
            state.stage = campaign::NextStage(state.level, state.stage, state.points);
            WaitMs(kClearPauseMs);
            if (unloaded()) return;
            GroupTitle->clear();
            NameLabel->clear();
            RestLabel->clear();
            state.left.fill(true);
            for (QLabel* f : Face) f->hide();
            Frame->hide();
            Startup();
            return;
        }
    }

    if (!AnyLeft()) {
        WaitMs(kOverPauseMs);
        if (unloaded()) return;
        Unload();
        ShowGameOver();
        return;
    }

    state.WriteBack(true);
    StartButton->show();
    QuitButton->show();
    SaveButton->show();
    // Start has the focus, so Enter starts the roulette as any key does.
    look::keys::Offer(*StartButton);
    PlayMusic(campaign::kMapMusic);
}

void NewMapForm::SetGroup() {
    names.fill(QString());
    const auto g = campaign::FirstCastleGroup(state.stage);
    if (!g) {
        // No group on this stage: nobody is left to meet.
        count = 0;
        GroupTitle->clear();
        return;
    }
    GroupTitle->setText(QString::fromUtf8(g->title));
    count = g->count;
    firstFace = g->firstFace;
    leftEdge = g->leftEdge;
    for (int i = 0; i < count; ++i) names[static_cast<size_t>(i)] = campaign::OpponentName(state.stage, i);
}

void NewMapForm::ShowFaces() {
    for (int i = 0; i < static_cast<int>(Face.size()); ++i) {
        QLabel* f = Face[static_cast<size_t>(i)];
        if (i >= count) {
            f->hide();
            continue;
        }
        f->move(leftEdge + campaign::kFaceStep * i, kFaceTop);
        QPixmap face = FacePicture(firstFace + i);
        if (!state.left[static_cast<size_t>(i)]) face = DarkenedFace(face);
        f->setPixmap(face);
        f->setAccessibleName(names[static_cast<size_t>(i)]);
        f->show();
    }
    Frame->raise();
}

bool NewMapForm::AnyLeft() const {
    for (int i = 0; i < count; ++i)
        if (state.left[static_cast<size_t>(i)]) return true;
    return false;
}

void NewMapForm::PointAt(int16_t pos) {
    position = pos;
    Frame->move(leftEdge + campaign::kFaceStep * pos - kFrameMargin, kFaceTop - kFrameMargin);
    Frame->show();
    NameLabel->setText(names[static_cast<size_t>(pos)]);
}

void NewMapForm::Advance() {
    if (count <= 0) return;
    // Bounded by the group's size: a group with nobody left never spins forever.
    int16_t p = position;
    for (int step = 0; step < count; ++step) {
        p = static_cast<int16_t>((p + 1) % count);
        if (state.left[static_cast<size_t>(p)]) break;
    }
    PointAt(p);
}

void NewMapForm::StartButton_Click() {
    int left = 0;
    for (int16_t i = 0; i < count; ++i) {
        if (!state.left[static_cast<size_t>(i)]) continue;
        ++left;
        position = i;
    }
    StartButton->hide();
    QuitButton->hide();
    SaveButton->hide();
    if (left == 1) {
        PointAt(position);
        PlayEffect(kChosenSound);
        EndFolder();
    } else if (left > 1) {
        StopButton->show();
        look::keys::Offer(*StopButton);
        Timer1->setEnabled(true);
    }
}

void NewMapForm::Timer1_Timer() {
    Advance();
    PlayEffect(kRouletteClick);
}

void NewMapForm::StopButton_Click() {
    StopButton->hide();
    Timer1->setEnabled(false);
    WaitMs(kStopPauseMs);
    if (unloaded()) return;
    const int steps = static_cast<int>(std::floor(host::Rnd() * 6 + 5));
    for (int s = 1; s <= steps; ++s) {
        Advance();
        PlayEffect(kRouletteClick);
        // The roulette slows down: the last step always waits a full second.
        WaitMs(host::CLng(static_cast<double>(s) * 800 / steps + 200));
        if (unloaded()) return;
    }
    Advance();
    PlayEffect(kChosenSound);
    EndFolder();
}

void NewMapForm::EndFolder() {
    WaitMs(kChosenPauseMs);
    if (unloaded()) return;
    GameMode = 1;
    state.left[static_cast<size_t>(position)] = false;
    state.WriteBack(true);
    FoeIndex = position;
    FoeBase = firstFace;
    FoeName = names[static_cast<size_t>(position)];

    const int16_t face = static_cast<int16_t>(firstFace + position);
    const QString name = FoeName;
    const int16_t level = state.level, stage = state.stage;
    const int32_t pos = position;
    if (stage < kLastCountedStage) MesBox(face, name, FoeLine(face, 0), false, false);
    Unload();
    const campaign::Strength s = campaign::HandOverStrength(level, stage, pos);
    StartDuel(name, face, s.x, s.y, s.z, campaign::DuelMusicFor(stage));
}

void NewMapForm::SaveButton_Click() {
    AskAndSaveRun();
}

void NewMapForm::QuitButton_Click() {
    if (!AskQuitRun()) return;
    Unload();
    ShowTitle();
}

void NewMapForm::Form_KeyDown() {
    if (StartButton->isVisible())
        StartButton_Click();
    else if (StopButton->isVisible())
        StopButton_Click();
}

void NewMapForm::keyPressEvent(QKeyEvent* e) {
    // A held key repeats; only the first press works a button, so holding the
    // key that started the roulette does not stop it at once.
    if (e->isAutoRepeat()) return;
    if (MapOptionKey(*this, e, *QuitButton)) return;
    Form_KeyDown();
}

void NewMapForm::paintEvent(QPaintEvent*) {
    LoadAtScreenDensity(background_, backgroundRatio_, DataFileName("Data", 3));
    QPainter p(this);
    if (background_.isNull())
        p.fillRect(rect(), QColor(24, 30, 52));
    else
        p.drawPixmap(0, 0, background_);
    if (hud_) {
        // A dark plate under the score so it reads over the fields of the map.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(214, 176, 84), 1.5));
        p.setBrush(QColor(12, 16, 34, 200));
        p.drawRoundedRect(QRectF(kHud).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
}

void ShowNewMap() {
    NewMapForm& map = Forms::Get<NewMapForm>();
    map.Show();
    map.Startup();
}
