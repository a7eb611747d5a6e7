// The new-game window.
#include "campaign/new_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/campaign_windows.h"
#include "campaign/game_data.h"
#include "campaign/new_game_rules.h"
#include "campaign/panel_look.h"
#include "campaign/sheet_button.h"
#include "campaign/stages.h"
#include "look/look.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int kWidth = 320, kHeight = 282;
constexpr int kLevelTop = 62, kStartTop = 126, kStartPitch = 32;
constexpr int kButtonsTop = kHeight - Sheet4::kCellHeight - 16;
}  // namespace

NewForm::NewForm() {
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("新しくシナリオを始める"));
    Label1 = new QLabel(QStringLiteral("ゲームレベル"), this);
    Label1->setGeometry(20, 36, kWidth - 40, 20);
    panel::StyleLabel(Label1, 13, panel::kGoldLight, true);
    Label2 = new QLabel(QStringLiteral("シナリオ開始場所"), this);
    Label2->setGeometry(20, 100, kWidth - 40, 20);
    panel::StyleLabel(Label2, 13, panel::kGoldLight, true);

    const int levelsLeft = (kWidth - (3 * Sheet78::kLevelWidth + 2 * 8)) / 2;
    for (int16_t i = 0; i < 3; ++i) {
        auto* b = new SheetButton(this);
        b->setFixedSize(Sheet78::kLevelWidth, Sheet78::kButtonHeight);
        b->move(levelsLeft + i * (Sheet78::kLevelWidth + 8), kLevelTop);
        connect(b, &SheetButton::clicked, this, [this, i] { Image1_Click(i); });
        Image1[static_cast<size_t>(i)] = b;
    }
    for (int16_t i = 0; i < 3; ++i) {
        auto* b = new SheetButton(this);
        b->setFixedSize(Sheet78::kStartWidth, Sheet78::kButtonHeight);
        b->move((kWidth - Sheet78::kStartWidth) / 2, kStartTop + i * kStartPitch);
        connect(b, &SheetButton::clicked, this, [this, i] { Image2_Click(i); });
        Image2[static_cast<size_t>(i)] = b;
    }
    Image3 = new SheetButton(this);
    Image3->move(kWidth / 2 - Sheet4::kCellWidth - 8, kButtonsTop);
    connect(Image3, &SheetButton::clicked, this, [this] { Image3_Click(); });
    Image4 = new SheetButton(this);
    Image4->move(kWidth / 2 + 8, kButtonsTop);
    connect(Image4, &SheetButton::clicked, this, [this] { Image4_Click(); });
    look::keys::SetCancel(*Image4);
    // The buttons are pictures: their names are given for screen readers.
    const std::array<const char*, 3> levels{"ノーマル", "ハード", "スーパーハード"};
    for (size_t i = 0; i < Image1.size(); ++i) Image1[i]->setAccessibleName(QString::fromUtf8(levels[i]));
    for (size_t i = 0; i < Image2.size(); ++i) Image2[i]->setAccessibleName(QStringLiteral("開始場所 %1").arg(i + 1));
    Image3->setAccessibleName(QStringLiteral("OK"));
    Image4->setAccessibleName(QStringLiteral("キャンセル"));
}

void NewForm::Form_Load() {
    CenterInHost();
    levelSheet_ = LoadPicture(DataFileName("Data", 7));
    startSheet_ = LoadPicture(DataFileName("Data", 8));
    const QPixmap sheet = LoadPicture(DataFileName("Data", 4));
    Image3->setPicture(SheetCell(sheet, 0, Sheet4::cellTop(Sheet4::Ok), Sheet4::kCellWidth, Sheet4::kCellHeight));
    Image4->setPicture(SheetCell(sheet, 0, Sheet4::cellTop(Sheet4::Cancel), Sheet4::kCellWidth, Sheet4::kCellHeight));
    LevelChoice = 0;
    StartChoice = 0;
    LevBotPaint(0);
    StaBotPaint(0);
    Image1_Click(0);
}

void NewForm::LevBotPaint(int16_t chosen) {
    for (int i = 0; i < 3; ++i)
        Image1[static_cast<size_t>(i)]->setPicture(
            SheetCell(levelSheet_, 0, i == chosen ? Sheet78::pressedTop(i) : Sheet78::plainTop(i), Sheet78::kLevelWidth,
                      Sheet78::kButtonHeight));
}

void NewForm::StaBotPaint(int16_t chosen) {
    for (int i = 0; i < 3; ++i)
        Image2[static_cast<size_t>(i)]->setPicture(
            SheetCell(startSheet_, 0, i == chosen ? Sheet78::pressedTop(i) : Sheet78::plainTop(i), Sheet78::kStartWidth,
                      Sheet78::kButtonHeight));
}

void NewForm::Image1_Click(int16_t level) {
    LevBotPaint(level);
    LevelChoice = level;
    // A start position earned at one level says nothing about another.
    StartChoice = 0;
    StaBotPaint(0);
    const int32_t record = ReadOfficialRecord();
    Image2[2]->setVisible(StartUnlocked(record, static_cast<int16_t>(level + 1), kStartFromNewCastle));
    Image2[1]->setVisible(StartUnlocked(record, static_cast<int16_t>(level + 1), kStartFromElite));
    Image2[0]->setVisible(true);
}

void NewForm::Image2_Click(int16_t start) {
    StaBotPaint(start);
    StartChoice = start;
}

void NewForm::Image3_Click() {
    // The record is read again: it is the record now that counts, not the one
    // the buttons were shown for.
    const int32_t record = ReadOfficialRecord();
    const auto level = static_cast<int16_t>(LevelChoice + 1);
    if (StartChoice == kStartFromNewCastle && !StartUnlocked(record, level, kStartFromNewCastle)) {
        MesBox(kGuideFace, GuideLine(),
               QStringLiteral("公認記録が足りません。あなたはまだ「新願蛇羅城から」のプレイは認められません。"), false,
               true);
        return;
    }
    if (StartChoice == kStartFromElite && !StartUnlocked(record, level, kStartFromElite)) {
        MesBox(kGuideFace, GuideLine(),
               QStringLiteral("公認記録が足りません。あなたはまだ「精鋭五戦士から」のプレイは認められません。"), false,
               true);
        return;
    }
    MesBox(kGuideFace, GuideLine(), QStringLiteral("Vantrax の世界をお楽しみください。"), false, false);
    CloseTitle();
    Unload();
    // A load window left open over the title would put another run over
    // this one.
    Forms::Unload<GameData>();

    // The buttons offer choices 0..2 at levels 1..3 only.
    const auto start = campaign::StartOf(StartChoice, level).value_or(*campaign::StartOf(kStartFromBeginning, 1));
    LevelNo = level;
    StageNo = start.stage;
    TotalPoint = start.points;
    NotOfficial = false;
    BriefingDone = false;
    LastWon = false;
    GainedPoint = 0;
    FoeLeft.fill(true);
    EnterRun();
}

void NewForm::Image4_Click() {
    Unload();
}

void NewForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    panel::PaintPanel(p, rect(), windowTitle());
}

void NewForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        Image4_Click();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Image3_Click();
        return;
    }
    GameForm::keyPressEvent(e);
}

void ShowNewGame() {
    Forms::Get<NewForm>().Show();
}
