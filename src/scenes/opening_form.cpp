#include "scenes/opening_form.h"

#include "app/shared_procedures.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "platform/program_folder.h"
#include "platform/rounding.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"

namespace {
constexpr int kStoryWidth = 500, kStoryHeight = 300;
constexpr int kTitleLogoWidth = 511, kTitleLogoHeight = 239;
constexpr int kOpeningMusic = 1;
constexpr int kLineSpacing = 40;
constexpr int kScrollFirst = 20, kScrollLast = 260;

// The loading bar the backdrop shows before picture n of each series: the 32
// pictures fill its eight squares.
struct ProgressMark {
    const char* series;
    int picture;
    const char* bar;
};
const ProgressMark kProgress[] = {
    {"dData", 2, "□□□□□□□□"},  {"dData", 5, "■□□□□□□□"},  {"dData", 8, "■■□□□□□□"},
    {"dData", 11, "■■■□□□□□"}, {"dData", 14, "■■■■□□□□"}, {"dData", 17, "■■■■■□□□"},
    {"dData", 20, "■■■■■■□□"}, {"fData", 4, "■■■■■■■□"},  {"fData", 8, "■■■■■■■■"},
};

void showProgress(const char* series, int picture) {
    for (const ProgressMark& m : kProgress)
        if (qstrcmp(m.series, series) == 0 && m.picture == picture) SetLoadingProgress(QString::fromUtf8(m.bar));
}
}  // namespace

std::array<QString, 10> PrologueLines(const QString& demonKing) {
    return {
        QStringLiteral("魔界を統一し"),
        QStringLiteral("魔界都市「願蛇羅」に城を築いた"),
        QStringLiteral("大魔王「超") + demonKing + QStringLiteral("」は"),
        QStringLiteral("人間界侵略を企んでいた．．．"),
        QStringLiteral("そして今 部下が動き始めた"),
        QString(),
        QStringLiteral("そんな中 彼らの野望を"),
        QStringLiteral("打ち砕こうとする者が現れた"),
        QString(),
        QStringLiteral("闘え 君は選ばれた戦士だ"),
    };
}

int CentredIn500(int textWidth) {
    return host::CInt((kStoryWidth - textWidth) / 2.0);
}

OpeningForm::OpeningForm() {
    skipOnKey = true;
    Picture1 = new SceneCanvas(this, kStoryWidth, kStoryHeight);
    Picture1->hide();
    connect(Picture1, &SceneCanvas::clicked, this, [this] { Skip(); });
    OpenTimer1 = new host::Timer(this, 100, [this] { OpenTimer1_Timer(); });
    Timer1 = new host::Timer(this, 100, [this] { Timer1_Timer(); });
    buildScripts();
    NameScene(QStringLiteral("オープニング"));
}

void OpeningForm::Form_Load() {
    Busy busy(this);
    FillHost();
    Step = 0;
    host::ChDirProgram();
    // The main window and the backdrop reach the screen before any picture is
    // read, so the player sees the loading bar from the start.
    host::DoEvents();
    if (closing()) return;
    if (!Preload(logoFrames, "dData", 20, [](int n) { showProgress("dData", n); })) return;
    if (!Preload(storyFrames, "fData", 12, [](int n) { showProgress("fData", n); })) return;
    Picture1->font() = SceneMincho(22, true);
    StoryLines = PrologueLines(FoeDisplayName(0));
    for (int i = 0; i < 10; ++i) {
        Picture1->font().setPixelSize(ScenePixelSize(ProloguePoints(i + 1)));
        StoryX[static_cast<size_t>(i)] = CentredIn500(Picture1->TextWidth(StoryLines[static_cast<size_t>(i)]));
    }
    Picture1->font().setPixelSize(ScenePixelSize(22));
    HideLoadingProgress();
    OpenTimer1->setEnabled(true);
    Show();
}

void OpeningForm::Form_Unload(bool& cancel) {
    SceneForm::Form_Unload(cancel);
    hide();
    host::DoEvents();
    StopMusic(kOpeningMusic);
    Release(logoFrames);
    Release(storyFrames);
    ShowTitle();
}

void OpeningForm::OpenTimer1_Timer() {
    RunStep(*OpenTimer1, logoScript_);
}

void OpeningForm::Timer1_Timer() {
    RunStep(*Timer1, storyScript_);
}

void OpeningForm::logoFrame(int n) {
    Picture1->ShowPicture(logoFrames.picture(n));
}

void OpeningForm::scroll(int32_t step) {
    // The block of lines starts just below the canvas and rises 3 pixels a
    // step; the last frame of the city is painted first to erase the text.
    const int offset = kStoryHeight - 3 * (step - kScrollFirst);
    Picture1->PaintPicture(storyFrames.picture(12), 0, 0, kStoryWidth, kStoryHeight);
    for (int i = 1; i <= 10; ++i) {
        Picture1->CurrentX = StoryX[static_cast<size_t>(i - 1)];
        Picture1->CurrentY = offset + kLineSpacing * (i - 1);
        Picture1->font().setPixelSize(ScenePixelSize(ProloguePoints(i)));
        Picture1->Print(StoryLines[static_cast<size_t>(i - 1)]);
    }
}

void OpeningForm::buildScripts() {
    auto frame = [this](int n) { return [this, n](int32_t) { logoFrame(n); }; };
    auto soundAndFrame = [this](int sound, int n) {
        return [this, sound, n](int32_t) {
            PlayEffect(sound);
            logoFrame(n);
        };
    };
    logoScript_ = {
        {1, 1, 100, {}},
        {2, 2, 100,
         [this](int32_t) {
             // The canvas takes the logo frames' size from the first of them.
             Picture1->hide();
             Picture1->setAutoSize(true);
             Picture1->ShowPicture(logoFrames.picture(1));
             CentreCanvas(Picture1);
             Picture1->Clear();
             Picture1->show();
             Timer1->setInterval(200);
             PlayEffect(9);
         }},
        {3, 6, 100, [this](int32_t step) { logoFrame(step - 2); }},
        {21, 21, 50, frame(5)},
        {22, 22, 50, frame(6)},
        {23, 23, 100, soundAndFrame(11, 7)},
        {28, 28, 50, frame(8)},
        {29, 29, 50, frame(9)},
        {30, 30, 100, soundAndFrame(11, 10)},
        {35, 35, 50, frame(11)},
        {36, 36, 50, frame(12)},
        {37, 37, 50, soundAndFrame(11, 13)},
        {38, 38, 100, frame(14)},
        {39, 39, 100, frame(15)},
        {68, 68, 20, soundAndFrame(5, 16)},
        {69, 71, 20, [this](int32_t step) { logoFrame(step - 52); }},
        {72, 72, 50, frame(20)},
        {83, 85, 2000, {}},
        {86, 86, 2000,
         [this](int32_t) {
             Picture1->hide();
             Picture1->ShowPicture(LoadPicture(DataFileName("Data", 2)));
             Picture1->setCanvasSize(kTitleLogoWidth, kTitleLogoHeight);
             CentreCanvas(Picture1);
         }},
        {87, 87, 2000,
         [this](int32_t) {
             host::ChDirProgram();
             Picture1->show();
             PlayEffect(8);
         }},
        {89, 89, 2000, [this](int32_t) { Picture1->Clear(); }},
        {90, 90, 0,
         [this](int32_t) {
             OpenTimer1->setEnabled(false);
             PlayMusic(kOpeningMusic);
             Step = 0;
             Timer1->setEnabled(true);
         }},
    };
    storyScript_ = {
        {1, 1, 200,
         [this](int32_t) {
             Picture1->hide();
             Picture1->setCanvasSize(kStoryWidth, kStoryHeight);
             CentreCanvas(Picture1);
             Picture1->Clear();
             Picture1->show();
         }},
        {2, 13, 200, [this](int32_t step) { Picture1->PaintPicture(storyFrames.picture(step - 1), 0, 0); }},
        {18, 18, 2000, {}},
        {19, 19, 10,
         [this](int32_t) {
             Picture1->font() = SceneMincho(22, true);
             Picture1->setForeColor(Qt::white);
         }},
        {kScrollFirst, kScrollLast, 10, [this](int32_t step) { scroll(step); }},
        {270, 270, 100, {}},
        {330, 330, 0,
         [this](int32_t) {
             Timer1->setEnabled(false);
             Picture1->Clear();
             Unload();
         }},
    };
}
