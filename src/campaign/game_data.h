#pragma once
#include "app/forms.h"
#include "campaign/slot_record.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class SheetButton;

inline constexpr int16_t kSlotCount = 8;

// What a slot of the settings store holds, as the slot window sees it.
enum class SlotState { Empty, Damaged, Record };
struct SlotContent {
    SlotState state = SlotState::Empty;
    SlotRecord record;  // only for SlotState::Record
};
// Reads and decodes slot 1..8.
SlotContent ReadSlot(int16_t slot);

// The moment a save records. Tests fix it; null gives the wall clock back.
void SetSlotClock(std::function<SlotTime()> clock);

// The save-slot window: eight slots in the settings store, saved into from a
// castle map and loaded from the title or the menu. SaveMode says which.
class GameData : public GameForm {
    Q_OBJECT
public:
    GameData();
    void Form_Load() override;

    QLabel* Label1;                 // the prompt
    std::array<QLabel*, 9> Label2;  // slot labels 1..8 (index 0 unused)
    QLabel* Label3;                 // "データなし"
    std::array<QLabel*, 4> Label4;  // captions: place, score, level, date
    std::array<QLabel*, 4> Label5;  // their values
    QLabel* Label6;                 // a slot that is not a whole record
    // 0 previous slot, 1 next slot, 2 save or load, 3 close.
    std::array<SheetButton*, 4> Image1;

    int16_t SlotNo = 1;
    // The direction taken from SaveMode when the window opened.
    bool saving() const { return saving_; }

    void DisData(int16_t slot);
    void Image1_Click(int index);
    void Label2_Click(int slot);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SaveSlot();
    void LoadSlot();

    bool saving_ = false;
};
