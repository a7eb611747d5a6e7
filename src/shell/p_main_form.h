#pragma once
#include "app/forms.h"

#include <QPixmap>
#include <array>
#include <cstdint>

class PlaqueButton;

// The practice window: three practice levels against the guide and a way back.
class p_MainForm : public GameForm {
    Q_OBJECT
public:
    p_MainForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // 0..2 start practice levels 1..3, 3 closes the window.
    std::array<PlaqueButton*, 4> Image1;
    QPixmap Picture;  // the background, "Data6._vx"

    void Image1_Click(int index);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    qreal pictureRatio_ = 0;  // the density Picture was loaded for
};

// The guide's strengths at a practice level.
struct PracticeValues {
    int32_t paramA, paramB, paramC;
};
// Level 0 is reached from the menu only; 1..3 also from the practice window.
PracticeValues PracticeLevelValues(int16_t level);

// Starts a practice duel at level 0..3 against the guide.
void Bot(int16_t level);
