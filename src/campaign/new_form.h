#pragma once
#include "app/forms.h"

#include <array>
#include <cstdint>

class QLabel;
class SheetButton;

// The new-game window: the player picks a level and a start position and the
// scenario begins. The later start positions open only to a player whose
// official record is high enough.
class NewForm : public GameForm {
    Q_OBJECT
public:
    NewForm();
    void Form_Load() override;

    QLabel* Label1;                      // "ゲームレベル"
    QLabel* Label2;                      // "シナリオ開始場所"
    std::array<SheetButton*, 3> Image1;  // levels: ノーマル, ハード, スーパーハード
    std::array<SheetButton*, 3> Image2;  // start positions
    SheetButton* Image3;                 // OK
    SheetButton* Image4;                 // cancel

    int16_t LevelChoice = 0;
    int16_t StartChoice = 0;

    void LevBotPaint(int16_t chosen);
    void StaBotPaint(int16_t chosen);
    void Image1_Click(int16_t level);
    void Image2_Click(int16_t start);
    void Image3_Click();
    void Image4_Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPixmap levelSheet_, startSheet_;
};
