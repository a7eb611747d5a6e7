#include "shell/open_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/look.h"
#include "platform/program_folder.h"
#include "platform/scheduler.h"
#include "shell/mein_form.h"
#include "shell/option_form.h"
#include "shell/p_main_form.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kWidth = 640, kHeight = 480;
constexpr int kTitleMusic = 2;
constexpr int kButtonWidth = 240, kButtonHeight = 30, kButtonTop = 216, kButtonPitch = 36;
const QRectF kLogoRect(24, 12, 592, 194);

// The campaign, the save slots and the records are not in the game yet. A
// button that silently does nothing looks broken, so the guide says so.
void SayNotReadyYet() {
    MesBox(kGuideFace, GuideLine(),
           QStringLiteral("ごめんね、そこはまだ準備中なんだ。今は練習モードで腕をみがいておいてね。"), false, true);
}
}  // namespace

bool IsMakingOfGesture(Qt::KeyboardModifiers shift) {
    return (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::ShiftModifier;
}

void OpenBot1() {
    // The new-game window comes with the campaign.
    SayNotReadyYet();
}

void OpenBot2() {
    SaveMode = false;
    // The save-slot window comes with the campaign.
    SayNotReadyYet();
}

OpenForm::OpenForm() {
    setFixedSize(kWidth, kHeight);
    static const std::array<const char*, 7> captions{"新しく始める",   "ロードする", "練習モード", "個人データ",
                                                     "公認記録の出力", "環境設定",   "終了"};
    for (int i = 0; i < 7; ++i) {
        auto* b = new PlaqueButton(QString::fromUtf8(captions[static_cast<size_t>(i)]), i % 4, this);
        b->setGeometry((kWidth - kButtonWidth) / 2, kButtonTop + kButtonPitch * i, kButtonWidth, kButtonHeight);
        connect(b, &PlaqueButton::clicked, this, [this, i] { Image1_Click(i); });
        Image1[static_cast<size_t>(i)] = b;
    }
}

void ShowTitle() {
    Forms::Get<OpenForm>().Show();
}

void OpenForm::Form_Load() {
    host::ChDirProgram();
    SetMenu(1);
    PlayMusic(kTitleMusic);
    CenterInHost();
}

void OpenForm::Form_Unload(bool&) {
    hide();
    host::DoEvents();
    StopMusic(kTitleMusic);
}

void OpenForm::Image1_Click(int index) {
    switch (index) {
        case 0:
            OpenBot1();
            break;
        case 1:
            OpenBot2();
            break;
        case 2:
            Forms::Get<p_MainForm>().Show();
            break;
        case 3:  // the personal data window comes with the records
        case 4:  // and so does the official-record export
            SayNotReadyYet();
            break;
        case 5:
            Forms::Get<OptionForm>().Show();
            break;
        case 6:
            // Closing the main window asks the quit question.
            if (MeinForm* m = Forms::Find<MeinForm>()) m->close();
            break;
        default:
            break;
    }
}

void OpenForm::Form_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers shift) {
    if (!IsMakingOfGesture(shift)) return;
    // This opens the making-of scene (closing the title first) once the scenes
    // exist; until then the hidden entry leads nowhere and the title stays.
}

void OpenForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF all(rect());
    look::PaintNight(p, all);
    look::PaintGoldFrame(p, all);
    look::PaintLogo(p, kLogoRect);
}

void OpenForm::mouseReleaseEvent(QMouseEvent* e) {
    Form_MouseUp(e->button(), e->modifiers());
}
