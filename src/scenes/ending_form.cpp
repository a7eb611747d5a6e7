#include "scenes/ending_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"

namespace {
constexpr int kWidth = 375, kHeight = 258;
constexpr int kHintWidth = 480, kHintGap = 24;
constexpr int kEndingMusic = 11;

// Runs of the ending that show one picture each: steps first..last show
// pictures from `picture` on, and wait `interval` after each.
struct ShowRun {
    int32_t first, last;
    int picture;
    int32_t interval;
};
const ShowRun kShows[] = {
    {1, 1, 1, 2000},     {2, 3, 2, 100},     {4, 4, 4, 8000},   {5, 6, 5, 150},     {7, 7, 7, 8000},
    {8, 9, 8, 150},      {10, 10, 10, 8000}, {11, 12, 11, 100}, {13, 13, 1, 3000},  {14, 15, 13, 150},
    {16, 16, 15, 12000}, {19, 19, 1, 3000},  {20, 24, 16, 100}, {25, 25, 21, 5000}, {27, 27, 23, 500},
    {28, 32, 24, 100},   {33, 33, 29, 5000}, {34, 37, 30, 200}, {39, 39, 34, 4000}, {40, 42, 35, 100},
    {43, 43, 38, 10000},
};
}  // namespace

EndingForm::EndingForm() {
    Picture1 = new SceneCanvas(this, kWidth, kHeight);
    connect(Picture1, &SceneCanvas::clicked, this, [this] { Skip(); });
    Label1 = new SceneLabel(this);
    Label1->setText(kMakingOfHint);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(SceneMincho(14, false));
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label1->setFixedWidth(kHintWidth);
    Label1->adjustSize();
    connect(Label1, &SceneLabel::clicked, this, [this] { Skip(); });
    Timer1 = new host::Timer(this, 1000, [this] { Timer1_Timer(); });

    auto show = [this](int n) { Picture1->ShowPicture(frames.picture(n)); };
    for (const ShowRun& r : kShows) {
        const int offset = r.picture - r.first;
        script_.push_back({r.first, r.last, r.interval, [show, offset](int32_t step) { show(step + offset); }});
    }
    // Back down the stairs: pictures 14 and 13 again.
    script_.push_back({17, 18, 150, [show](int32_t step) { show(31 - step); }});
    script_.push_back({26, 26, 100, [show](int32_t) {
                           PlayEffect(15);
                           show(22);
                       }});
    script_.push_back({38, 38, 8000, {}});
    script_.push_back({44, 44, 3000, [this](int32_t) {
                           Picture1->Clear();
                           // The hint is a reward for a run played through in one go.
                           if (NotOfficial) Step = 45;
                       }});
    script_.push_back({45, 45, 10000, [this](int32_t) { Label1->show(); }});
    script_.push_back({46, 46, 0, [this](int32_t) {
                           Timer1->setEnabled(false);
                           Unload();
                       }});
    NameScene(QStringLiteral("エンディング"));
}

void EndingForm::Form_Load() {
    Busy busy(this);
    FillHost();
    SetMenu(0);
    Label1->hide();
    Step = 0;
    PlayMusic(kEndingMusic);
    host::ChDirProgram();
    if (!Preload(frames, "hData", 38)) return;
    Form_Resize();
    SetInterval(*Timer1, 1000);
    Timer1->setEnabled(true);
}

void EndingForm::Form_Resize() {
    CentreCanvas(Picture1);
    Label1->move((width() - Label1->width()) / 2, Picture1->y() + Picture1->height() + kHintGap);
}

void EndingForm::Timer1_Timer() {
    RunStep(*Timer1, script_);
}

void EndingForm::Form_Unload(bool& cancel) {
    SceneForm::Form_Unload(cancel);
    hide();
    StopMusic(kEndingMusic);
    Release(frames);
    ShowStaffRoll();
}
