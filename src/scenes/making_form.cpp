#include "scenes/making_form.h"

#include "app/shared_procedures.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "platform/program_folder.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"

namespace {
constexpr int kWidth = 375, kHeight = 330;
constexpr int kCaptionWidth = 520, kCaptionGap = 16;
constexpr int32_t kCaptionTime = 7000;
constexpr int kMakingMusic = 9;
constexpr int kClear = 0, kKeep = -1;
}  // namespace

const std::array<MakingStep, 25> kMakingSteps{{
    {1, "Vantrax 完成への軌跡を紹介します。"},
    {kClear, "すべては思考錯誤の連続でした・・・"},
    {2, "始めはたった3人で作り上げました。"},
    {kKeep, "どうしたら良い製品ができるか\r\n毎日が意見のぶつかりあいでした"},
    {kKeep, "多くのアイディアがごみ箱へ消えていきました"},
    {kClear, "でも くじけませんでした"},
    {kKeep, "皆様に楽しんでもらえるためだけに"},
    {3, "多くの資料を参考にシナリオを考えました"},
    {kKeep, "喜び・涙・汗 の連続でした"},
    {4, "クラスのみんなで協力してトランプを研究しました"},
    {kKeep, "何回も何回も同じ事を繰り返しました"},
    {kKeep, "教室が使えないときは、\r\n廊下に新聞をひいて寒さに耐えながらやりました"},
    {kKeep, "時には下校時刻の6:00を過ぎてもやり続けました"},
    {kKeep, "使いすぎてトランプが薄くなり、透けるまで・・・"},
    {kClear, "すべては あなたの為に"},
    {kKeep, "やっと、苦労を重ね完成しました"},
    {kKeep, "喜びました"},
    {kKeep, "思わず、飛んでしまいました。"},
    {5, ""},
    {kKeep, "本当にVantraxで遊んでくれて、ありがとう"},
    {kKeep, "心から"},
    {kClear, "Nimbrel社員一同  より"},
    {1, "The End"},
    {kKeep, nullptr},
    {kClear, ""},
}};

MakingForm::MakingForm() {
    skipOnFormClick = false;
    Picture1 = new SceneCanvas(this, kWidth, kHeight);
    connect(Picture1, &SceneCanvas::clicked, this, [this] { Skip(); });
    Label1 = new SceneLabel(this);
    Label1->setFont(SceneMincho(14, false));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    QFontMetrics m(Label1->font());
    Label1->setFixedSize(kCaptionWidth, m.lineSpacing() * 2 + 4);
    connect(Label1, &SceneLabel::clicked, this, [this] { Skip(); });
    Timer1 = new host::Timer(this, kCaptionTime, [this] { Timer1_Timer(); });

    for (size_t i = 0; i < kMakingSteps.size(); ++i) {
        const MakingStep& s = kMakingSteps[i];
        const int32_t step = static_cast<int32_t>(i) + 1;
        script_.push_back({step, step, 0, [this, s](int32_t) {
                               if (s.picture == kClear)
                                   Picture1->Clear();
                               else if (s.picture > 0)
                                   Picture1->ShowPicture(LoadPicture(DataFileName("gData", s.picture)));
                               if (s.caption) {
                                   QString t = QString::fromUtf8(s.caption);
                                   Label1->setText(t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                               }
                           }});
    }
    script_.push_back({26, 26, 0, [this](int32_t) { Unload(); }});
    NameScene(QStringLiteral("Making Of Vantrax"));
}

void MakingForm::Form_Load() {
    Busy busy(this);
    FillHost();
    // The title's menus would otherwise stay on under the scene.
    SetMenu(0);
    PlayMusic(kMakingMusic);
    Step = 0;
    Form_Resize();
    Timer1->setEnabled(true);
}

void MakingForm::Form_Resize() {
    const int top = (height() - kHeight - kCaptionGap - Label1->height()) / 2;
    Picture1->move((width() - kWidth) / 2, top);
    Label1->move((width() - Label1->width()) / 2, top + kHeight + kCaptionGap);
}

void MakingForm::Timer1_Timer() {
    // Every picture of the making-of is loaded when its step comes.
    host::ChDirProgram();
    RunStep(*Timer1, script_);
}

void MakingForm::Form_Unload(bool& cancel) {
    SceneForm::Form_Unload(cancel);
    hide();
    host::DoEvents();
    StopMusic(kMakingMusic);
    ShowTitle();
}
