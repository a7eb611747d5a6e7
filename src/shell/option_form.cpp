#include "shell/option_form.h"

#include "app/options.h"
#include "app/settings_report.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/dialogs.h"
#include "look/look.h"
#include "platform/rounding.h"
#include "platform/settings_store.h"
#include "shell/key_form.h"
#include "shell/key_name.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr std::array<int16_t, 5> kMesTimes{3, 6, 9, 12, 15};
}  // namespace

int MesTimeButtonIndex(int16_t mesTime) {
    const int index = host::CInt(std::max<int16_t>(mesTime, 3) / 3.0 - 1);
    // A stored time above the longest (never written by the game) is shown as the longest.
    return std::min(index, static_cast<int>(kMesTimes.size()) - 1);
}

bool KeysDistinct(const std::array<int16_t, 6>& keys) {
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (keys[i] == keys[j]) return false;
    return true;
}

OptionForm::OptionForm() {
    setWindowTitle(QStringLiteral("環境設定"));
    setFont(look::Gothic(13));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);

    auto* frame1 = new QGroupBox(QStringLiteral("メッセージ表示時間"), this);
    auto* row1 = new QHBoxLayout(frame1);
    row1->addWidget(new QLabel(QStringLiteral("← 短い"), frame1));
    for (size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = new QRadioButton(frame1);
        row1->addWidget(Option1[i], 0, Qt::AlignCenter);
    }
    row1->addWidget(new QLabel(QStringLiteral("長い →"), frame1));
    layout->addWidget(frame1);

    auto* middle = new QHBoxLayout;
    auto* frame2 = new QGroupBox(QStringLiteral("サウンド"), this);
    auto* row2 = new QHBoxLayout(frame2);
    Check1 = new QCheckBox(QStringLiteral("BGM"), frame2);
    Check2 = new QCheckBox(QStringLiteral("効果音"), frame2);
    row2->addWidget(Check1);
    row2->addWidget(Check2);
    middle->addWidget(frame2);
    auto* frame3 = new QGroupBox(QStringLiteral("操作ディバイス"), this);
    auto* row3 = new QHBoxLayout(frame3);
    Option2[1] = new QRadioButton(QStringLiteral("キーボード"), frame3);
    Option2[0] = new QRadioButton(QStringLiteral("マウス"), frame3);
    row3->addWidget(Option2[1]);
    row3->addWidget(Option2[0]);
    middle->addWidget(frame3);
    layout->addLayout(middle);

    auto* frame4 = new QGroupBox(QStringLiteral("キーボード"), this);
    auto* keys = new QGridLayout(frame4);
    keys->setHorizontalSpacing(8);
    for (size_t i = 0; i < Command1.size(); ++i) {
        Command1[i] = new QPushButton(frame4);
        Command1[i]->setMinimumWidth(96);
        const int index = static_cast<int>(i);
        connect(Command1[i], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    }
    // The upper row chooses the centre pile, the lower row the card of the row.
    keys->addWidget(Command1[0], 0, 1);
    keys->addWidget(Command1[1], 0, 2);
    keys->addWidget(new QLabel(QStringLiteral("カードを出す場所を指定する"), frame4), 1, 0, 1, 4, Qt::AlignCenter);
    for (int i = 2; i < 6; ++i) keys->addWidget(Command1[static_cast<size_t>(i)], 2, i - 2);
    keys->addWidget(new QLabel(QStringLiteral("出すカードを指定する"), frame4), 3, 0, 1, 4, Qt::AlignCenter);
    keys->addWidget(new QLabel(QStringLiteral("[ -- ] となっているキーは認識されています"), frame4), 4, 0, 1, 4,
                    Qt::AlignCenter);
    keys->addWidget(new QLabel(QStringLiteral("（注意） 対戦時以外は全てマウス操作です。"), frame4), 5, 0, 1, 4);
    layout->addWidget(frame4);

    auto* buttons = new QHBoxLayout;
    Check3 = new QCheckBox(QStringLiteral("キーボードで画面を操作する"), this);
    Check3->setToolTip(QStringLiteral("対戦以外の画面を Tab・矢印キー・Enter・Esc で操作し、質問に Y・N で答えます。"));
    buttons->addWidget(Check3);
    buttons->addStretch();
    Command2 = new QPushButton(QStringLiteral("決定"), this);
    Command3 = new QPushButton(QStringLiteral("キャンセル"), this);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    layout->addLayout(buttons);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    setDialogButtons(Command2, Command3);

    // The message-time buttons and the key buttons show no text of their own.
    for (size_t i = 0; i < Option1.size(); ++i)
        Option1[i]->setAccessibleName(QStringLiteral("メッセージ表示時間 %1").arg(i + 1));
    const std::array<const char*, 6> keyNames{"左の場札のキー", "右の場札のキー", "手札1のキー",
                                              "手札2のキー",    "手札3のキー",    "手札4のキー"};
    for (size_t i = 0; i < Command1.size(); ++i) Command1[i]->setAccessibleName(QString::fromUtf8(keyNames[i]));
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(Check1), static_cast<QAbstractButton*>(Check2),
                               static_cast<QAbstractButton*>(Check3), static_cast<QAbstractButton*>(Option2[0]),
                               static_cast<QAbstractButton*>(Option2[1]), static_cast<QAbstractButton*>(Command2),
                               static_cast<QAbstractButton*>(Command3)})
        b->setAccessibleName(b->text());
    DressDialog(*this);
}

void OptionForm::Form_Load() {
    if (MesTime < 3) MesTime = 3;
    Option1[static_cast<size_t>(MesTimeButtonIndex(MesTime))]->setChecked(true);
    // A device code other than 0 or 1 (hand-edited) selects neither button.
    if (InputDevice == 0 || InputDevice == 1) Option2[static_cast<size_t>(InputDevice)]->setChecked(true);
    Check1->setChecked(MusicOn);
    Check2->setChecked(SoundOn);
    Check3->setChecked(KeyboardAccess);
    for (size_t i = 0; i < Command1.size(); ++i) Command1[i]->setText(KeyName(PlayKeys[i]));
    FixedDialogFrame(*this);
    // The title goes on waiting for clicks while the dialog is open, but the
    // main window does not: a duel started from its menu would find the
    // dialog still standing over the table.
    setWindowModality(Qt::WindowModal);
    adjustSize();
    CenterDialog(*this);
}

void OptionForm::Command1_Click(int index) {
    const auto i = static_cast<size_t>(index);
    // Closing the capture window without a key leaves the key unset ("--").
    PlayKeys[i] = CaptureKey();
    Command1[i]->setText(KeyName(PlayKeys[i]));
    // The capture window belongs to the main window, which would get the
    // keyboard back; but the main window waits for this dialog.
    activateWindow();
}

void OptionForm::Command2_Click() {
    MesTime = 15;
    for (size_t i = 0; i + 1 < kMesTimes.size(); ++i) {
        if (Option1[i]->isChecked()) {
            MesTime = kMesTimes[i];
            break;
        }
    }
    InputDevice = Option2[0]->isChecked() ? 0 : 1;
    MusicOn = Check1->isChecked();
    SoundOn = Check2->isChecked();
    KeyboardAccess = Check3->isChecked();
    // One write for the whole OK: cut off halfway, the file would hold a mix
    // of two choices, perhaps two equal keys that this window itself refuses.
    host::SettingsBatch batch;
    auto saveOption = [&batch](const QString& key, const QString& value) {
        batch.save(kAppName, QStringLiteral("Option"), key, value);
    };
    saveOption(QStringLiteral("Mes"), QString::number(MesTime));
    saveOption(QStringLiteral("Div"), QString::number(InputDevice));
    saveOption(QStringLiteral("Bgm"), BoolText(MusicOn));
    saveOption(QStringLiteral("Wav"), BoolText(SoundOn));
    saveOption(QLatin1String(kKeyboardAccessKey), BoolText(KeyboardAccess));
    const bool keysDistinct = KeysDistinct(PlayKeys);
    if (keysDistinct)
        for (size_t i = 0; i < PlayKeys.size(); ++i)
            saveOption(QStringLiteral("Key%1").arg(i), QString::number(PlayKeys[i]));
    // The choices hold for this run either way; only the next start would miss them.
    if (!host::SaveSettings(batch)) TellNotSaved(QStringLiteral("設定"));
    look::keys::ApplyOption();
    if (keysDistinct) {
        Unload();
        return;
    }
    MesBox(kGuideFace, GuideLine(), QStringLiteral("「キーボード」の指定にところで同じキーを指定しているよ。"), false,
           false);
}

void OptionForm::Command3_Click() {
    Unload();
}
