#include "shell/p_main_form.h"

#include "app/data_files.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/look.h"
#include "media/pictures.h"
#include "platform/scheduler.h"
#include "shell/open_form.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr uint8_t kPracticeMode = 255;
constexpr int16_t kPracticeMusic = 3;
// The size the window keeps if its picture cannot be read.
constexpr int kDefaultWidth = 480, kDefaultHeight = 360;
constexpr int kButtonWidth = 188, kButtonHeight = 32, kGap = 10;
}  // namespace

PracticeValues PracticeLevelValues(int16_t level) {
    switch (level) {
        case 0:
            return {10, 100, 10};
        case 1:
            return {30, 70, 30};
        case 2:
            return {50, 50, 50};
        case 3:
            return {70, 50, 70};
        default:
            return {0, 0, 0};  // no such level: an opponent without strengths
    }
}

void Bot(int16_t level) {
    MesBox(kGuideFace, GuideLine(), QStringLiteral("では、私と勝負しましょう。"), false, false);
    Forms::Unload<p_MainForm>();
    Forms::Unload<OpenForm>();  // its closing stops the title music
    const PracticeValues v = PracticeLevelValues(level);
    GameMode = kPracticeMode;
    StartDuel(GuideLine(), kGuideFace, v.paramA, v.paramB, v.paramC, kPracticeMusic);
}

void ShowPractice() {
    Forms::Get<p_MainForm>().Show();
}

p_MainForm::p_MainForm() {
    static const std::array<const char*, 4> captions{"簡単", "標準レベル", "やや難しい", "戻る"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new PlaqueButton(QString::fromUtf8(captions[static_cast<size_t>(i)]), i < 3 ? i : -1, this);
        connect(b, &PlaqueButton::clicked, this, [this, i] { Image1_Click(i); });
        if (i == 3) look::keys::SetCancel(*b);
        Image1[static_cast<size_t>(i)] = b;
    }
    resize(kDefaultWidth, kDefaultHeight);
}

void p_MainForm::Form_Load() {
    LoadAtScreenDensity(Picture, pictureRatio_, DataFileName("Data", 6));
    const QSize size =
        Picture.isNull() ? QSize(kDefaultWidth, kDefaultHeight) : Picture.deviceIndependentSize().toSize();
    setFixedSize(size);
    // A column in the middle of the table, clear of the cards in its corners.
    const int w = std::min(kButtonWidth, size.width() - 2 * kGap);
    const int column = 4 * kButtonHeight + 3 * kGap;
    const int top = (size.height() - column) / 2 + kButtonHeight / 2;
    for (int i = 0; i < 4; ++i)
        Image1[static_cast<size_t>(i)]->setGeometry((size.width() - w) / 2, top + i * (kButtonHeight + kGap), w,
                                                    kButtonHeight);
    CenterInHost();
}

void p_MainForm::Form_Unload(bool&) {
    hide();
    host::DoEvents();
}

void p_MainForm::Image1_Click(int index) {
    if (index >= 0 && index <= 2)
        Bot(static_cast<int16_t>(index + 1));
    else if (index == 3) {
        Unload();
        // After a practice duel the title is closed; going back must lead
        // somewhere, not to an empty frame whose menus are still set for the duel.
        if (!Forms::IsLoaded<OpenForm>()) Forms::Get<OpenForm>().Show();
    }
}

void p_MainForm::paintEvent(QPaintEvent*) {
    LoadAtScreenDensity(Picture, pictureRatio_, DataFileName("Data", 6));
    QPainter p(this);
    if (Picture.isNull())
        look::PaintNight(p, QRectF(rect()));
    else
        p.drawPixmap(0, 0, Picture);
}
