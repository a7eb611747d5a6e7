#pragma once
#include "app/forms.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The options dialog "環境設定": message time, music and sound effects, the
// duel input device and the six duel keys.
class OptionForm : public GameForm {
    Q_OBJECT
public:
    OptionForm();
    bool isDialog() const override { return true; }
    void Form_Load() override;

    std::array<QRadioButton*, 5> Option1;  // message time 3, 6, 9, 12, 15
    QCheckBox* Check1;                     // "BGM"
    QCheckBox* Check2;                     // "効果音"
    QCheckBox* Check3;                     // keyboard accessibility (KeyboardAccess)
    std::array<QRadioButton*, 2> Option2;  // input device: 0 mouse, 1 keyboard
    std::array<QPushButton*, 6> Command1;  // the duel keys
    QPushButton* Command2;                 // "決定"
    QPushButton* Command3;                 // "キャンセル"

    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
};

// The message-time button for a message time (rounded to the nearest, the
// times below 3 counted as 3, those above 15 as the longest).
int MesTimeButtonIndex(int16_t mesTime);
// True when the six duel keys are pairwise different.
bool KeysDistinct(const std::array<int16_t, 6>& keys);
