// The save-slot window: shows the eight slots, saves a run into one and loads
// one back into the campaign.
#include "campaign/game_data.h"

#include "app/settings_report.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/campaign_windows.h"
#include "campaign/new_form.h"
#include "campaign/panel_look.h"
#include "campaign/sheet_button.h"
#include "campaign/stages.h"
#include "look/look.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"
#include "platform/settings_store.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kWidth = 400, kHeight = 286;
const QRect kSlotFrame(16, 62, 368, 46);
const QRect kInfoFrame(16, 120, 368, 108);

std::function<SlotTime()>& slotClock() {
    static std::function<SlotTime()> clock;
    return clock;
}

SlotTime now() {
    if (slotClock()) return slotClock()();
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

QString slotKey(int16_t slot) {
    return QStringLiteral("Data%1").arg(slot);
}

void sayGuide(const QString& text, bool waitForOk) {
    MesBox(kGuideFace, GuideLine(), text, false, waitForOk);
}
}  // namespace

SlotContent ReadSlot(int16_t slot) {
    const QString stored = host::GetSetting(kAppName, QStringLiteral("Data"), slotKey(slot), QString());
    if (stored.isEmpty()) return {};
    const QString digits = DecDigits(stored);
    // The decoder gives back digits only for symbols it knows; anything else
    // already shortens the string, and the record check refuses it.
    std::optional<SlotRecord> r = ParseSlotRecord(digits.toStdString());
    if (!r) return {SlotState::Damaged, {}};
    return {SlotState::Record, *r};
}

void SetSlotClock(std::function<SlotTime()> clock) {
    slotClock() = std::move(clock);
}

GameData::GameData() {
    setFixedSize(kWidth, kHeight);
    Label1 = new QLabel(this);
    Label1->setGeometry(16, 32, kWidth - 32, 22);
    panel::StyleLabel(Label1, 14, panel::kParchment);

    for (int i = 1; i <= kSlotCount; ++i) {
        auto* l = new QLabel(QString::number(i), this);
        l->setGeometry(kSlotFrame.left() + 14 + (i - 1) * 43, kSlotFrame.top() + 12, 40, 26);
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(HandCursorShape());
        l->installEventFilter(this);
        Label2[static_cast<size_t>(i)] = l;
    }
    Label2[0] = nullptr;

    Label3 = new QLabel(QStringLiteral("データなし"), this);
    Label3->setGeometry(kInfoFrame.adjusted(8, 8, -8, -8));
    Label3->setAlignment(Qt::AlignCenter);
    panel::StyleLabel(Label3, 18, panel::kSilver, true);

    Label6 = new QLabel(this);
    Label6->setGeometry(kInfoFrame.adjusted(8, 8, -8, -8));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setWordWrap(true);
    panel::StyleLabel(Label6, 14, panel::kDamaged, true);

    static const std::array<const char*, 4> captions{"場所", "得点", "レベル", "記録日時"};
    for (size_t i = 0; i < 4; ++i) {
        const int top = kInfoFrame.top() + 12 + static_cast<int>(i) * 23;
        Label4[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        Label4[i]->setGeometry(kInfoFrame.left() + 14, top, 78, 20);
        panel::StyleLabel(Label4[i], 13, panel::kGoldLight, true);
        Label5[i] = new QLabel(this);
        Label5[i]->setGeometry(kInfoFrame.left() + 96, top, kInfoFrame.width() - 110, 20);
        panel::StyleLabel(Label5[i], 14, panel::kParchment);
    }

    const int buttonsLeft = (kWidth - (4 * Sheet4::kCellWidth + 3 * 10)) / 2;
    for (int i = 0; i < 4; ++i) {
        auto* b = new SheetButton(this);
        b->move(buttonsLeft + i * (Sheet4::kCellWidth + 10), kHeight - Sheet4::kCellHeight - 16);
        connect(b, &SheetButton::clicked, this, [this, i] { Image1_Click(i); });
        Image1[static_cast<size_t>(i)] = b;
    }
    // The buttons are pictures: their names are given for screen readers.
    const std::array<const char*, 4> names{"前のデータ", "次のデータ", "決定", "キャンセル"};
    for (size_t i = 0; i < names.size(); ++i) Image1[i]->setAccessibleName(QString::fromUtf8(names[i]));
    look::keys::SetCancel(*Image1[3]);
}

void GameData::Form_Load() {
    saving_ = SaveMode;
    CenterInHost();
    setWindowTitle(saving_ ? QStringLiteral("データのセーブ") : QStringLiteral("データのロード"));
    Label1->setText(saving_ ? QStringLiteral("どこにデータを記録しますか")
                            : QStringLiteral("どのデータを呼び出しますか"));
    const QPixmap sheet = LoadPicture(DataFileName("Data", 4));
    static constexpr std::array<int, 4> cells{Sheet4::Previous, Sheet4::Next, Sheet4::Save, Sheet4::Close};
    for (size_t i = 0; i < 4; ++i) {
        int cell = cells[i];
        if (i == 2 && !saving_) cell = Sheet4::Load;
        Image1[i]->setPicture(SheetCell(sheet, 0, Sheet4::cellTop(cell), Sheet4::kCellWidth, Sheet4::kCellHeight));
    }
    SlotNo = 1;
    DisData(1);
}

void GameData::DisData(int16_t slot) {
    for (int i = 1; i <= kSlotCount; ++i)
        panel::StyleLabel(Label2[static_cast<size_t>(i)], 18, i == slot ? panel::kYellow : panel::kSilver, true);

    const SlotContent c = ReadSlot(slot);
    const bool record = c.state == SlotState::Record;
    if (record) {
        const SlotRecord& r = c.record;
        Label5[0]->setText(QString::fromUtf8(campaign::StageLabel(r.stage)));
        Label5[1]->setText(QString::number(r.points));
        Label5[2]->setText(QString::fromUtf8(campaign::LevelName(r.level)));
        Label5[3]->setText(QString::fromStdString(SlotDateText(r)));
    } else {
        for (QLabel* l : Label5) l->clear();
    }
    for (size_t i = 0; i < 4; ++i) {
        Label4[i]->setVisible(record);
        Label5[i]->setVisible(record);
    }
    Label3->setVisible(c.state == SlotState::Empty);
    // A slot that does not read as a whole record is said to be damaged, and
    // cannot be loaded; saving over it is still allowed.
    Label6->setVisible(c.state == SlotState::Damaged);
    Label6->setText(saving_ ? QStringLiteral("このデータは壊れています。\nセーブすると上書きされます。")
                            : QStringLiteral("このデータは壊れています。\nロードできません。"));
    Image1[2]->setVisible(record || saving_);
}

void GameData::Label2_Click(int slot) {
    if (slot < 1 || slot > kSlotCount) return;
    SlotNo = static_cast<int16_t>(slot);
    DisData(SlotNo);
}

void GameData::Image1_Click(int index) {
    switch (index) {
        case 0:
            SlotNo = SlotNo <= 1 ? kSlotCount : static_cast<int16_t>(SlotNo - 1);
            DisData(SlotNo);
            break;
        case 1:
            SlotNo = SlotNo >= kSlotCount ? 1 : static_cast<int16_t>(SlotNo + 1);
            DisData(SlotNo);
            break;
        case 2:
            if (saving_)
                SaveSlot();
            else
                LoadSlot();
            break;
        case 3:
            Unload();
            break;
        default:
            break;
    }
}

void GameData::SaveSlot() {
    const SlotWrite w = MakeSlotRecord(LevelNo, StageNo, TotalPoint, FoeLeft, now());
    if (w.refusal == SlotRefusal::PointsTooLarge) {
        // Six digits cannot hold the points; a longer record would load as a
        // different run, so nothing is written.
        sayGuide(QStringLiteral("得点が100万点を超えているので、セーブできません。このまま続けてください。"), true);
        return;
    }
    if (w.refusal != SlotRefusal::None) {
        sayGuide(QStringLiteral("セーブできる冒険がありません。"), true);
        return;
    }
    if (!host::SaveSetting(kAppName, QStringLiteral("Data"), slotKey(SlotNo),
                           EncDigits(QString::fromStdString(w.digits)))) {
        // The store replaces its file whole or not at all, so the slot still
        // holds what it held; the run stays official, as it was not saved.
        const host::SettingsFailure& f = host::LastSettingsFailure();
        sayGuide(QStringLiteral("セーブできませんでした。データ %1 は元のままです。\n%2。\n%3")
                     .arg(QString::number(SlotNo), f.cause(), ShortPath(f.path)),
                 true);
        DisData(SlotNo);
        return;
    }
    NotOfficial = true;
    sayGuide(QStringLiteral("セーブが正常に終了しました。"), false);
    Unload();
}

void GameData::LoadSlot() {
    // Read afresh: the slot shown may have changed since.
    const SlotContent c = ReadSlot(SlotNo);
    if (c.state != SlotState::Record) {
        DisData(SlotNo);
        if (c.state == SlotState::Damaged)
            sayGuide(QStringLiteral("このデータは壊れているので、ロードできません。"), true);
        return;
    }
    const SlotRecord& r = c.record;
    NotOfficial = true;
    LevelNo = r.level;
    StageNo = r.stage;
    TotalPoint = r.points;
    BriefingDone = false;
    GainedPoint = 0;
    FoeLeft = r.foeLeft;
    Unload();
    CloseTitle();
    CloseCastleMaps();
    // A new-game window left open over the title would start a second run
    // over this one.
    Forms::Unload<NewForm>();
    sayGuide(QStringLiteral("Vantrax の世界をお楽しみください。"), false);
    EnterRun();
}

void GameData::paintEvent(QPaintEvent*) {
    QPainter p(this);
    panel::PaintPanel(p, rect(), windowTitle());
    panel::PaintFrame(p, kSlotFrame, QStringLiteral("データ番号"));
    panel::PaintFrame(p, kInfoFrame, QString());
}

void GameData::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Left:
            Image1_Click(0);
            return;
        case Qt::Key_Right:
            Image1_Click(1);
            return;
        case Qt::Key_Escape:
            Image1_Click(3);
            return;
        default:
            GameForm::keyPressEvent(e);
    }
}

bool GameData::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int i = 1; i <= kSlotCount; ++i)
            if (watched == Label2[static_cast<size_t>(i)]) {
                Label2_Click(i);
                return true;
            }
    }
    return GameForm::eventFilter(watched, e);
}

void ShowGameData() {
    // The window opened for the other direction (a load from the menu while
    // saving, say) starts again in the mode asked for now.
    if (GameData* open = Forms::Find<GameData>(); open && open->saving() != SaveMode) open->Unload();
    Forms::Get<GameData>().Show();
}
