#pragma once
// The game-over screen after a lost campaign duel: one picture for three
// seconds, with no way to skip it, then the staff roll.
#include "scenes/scene_form.h"

class OverForm : public SceneForm {
    Q_OBJECT
public:
    OverForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Timer1_Timer();

    host::Timer* Timer1;
};
