#pragma once
#include "app/forms.h"

#include <cstdint>

// The practice window: three practice levels against the guide and a way back.
class p_MainForm : public GameForm {
    Q_OBJECT
public:
    p_MainForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
};

// Starts a practice duel at level 0..3 against the guide.
void Bot(int16_t level);
