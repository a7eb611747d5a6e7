#include "shell/open_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/look.h"
#include "media/pictures.h"
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
}  // namespace

bool IsMakingOfGesture(Qt::KeyboardModifiers shift) {
    return (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::ShiftModifier;
}

void OpenBot1() {
    ShowNewGame();
}

void OpenBot2() {
    SaveMode = false;
    ShowGameData();
}

void CloseTitle() {
    Forms::Unload<OpenForm>();
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
    // The window itself may outlive this by a while (a message shown next
    // holds its deletion back); its 2 MB logo does not.
    logo_ = QPixmap();
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
        case 3:
            ShowMyData();
            break;
        case 4:
            ShowExport();
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
    // The hidden way into the making-of: the title closes (and its music with
    // it) before the scene starts its own.
    if (!Unload()) return;
    ShowMaking();
}

void OpenForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF all(rect());
    look::PaintNight(p, all);
    look::PaintGoldFrame(p, all);
    // Brought to the size it is drawn at once, rather than at every paint:
    // it is then also a tenth smaller to keep. Again when the screens'
    // factor is chosen anew.
    if (const qreal dpr = ScreenPictureRatio(); logo_.isNull() || logo_.devicePixelRatio() != dpr) {
        logo_ = LoadBuiltInPicture(QStringLiteral("backdrop_logo"))
                    .scaled((kLogoRect.size() * dpr).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        logo_.setDevicePixelRatio(dpr);
    }
    look::PaintLogo(p, kLogoRect, logo_);
}

// Taking the press makes this widget the one that hears the release: on a
// scaled screen the graphics view hands the release to whoever took the press.
void OpenForm::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void OpenForm::mouseReleaseEvent(QMouseEvent* e) {
    Form_MouseUp(e->button(), e->modifiers());
}
