#pragma once
// The passage to the new castle: a short animation of the Demon King's face
// and the new castle rising, ending on the new-castle map. Its last step holds
// at 40; finishing or skipping sets up stage 11 and opens that map.
#include "scenes/scene_form.h"

class NewOpening : public SceneForm {
    Q_OBJECT
public:
    NewOpening();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize() override;
    void Timer1_Timer();
    // The end of the passage, by its last step or by a click or key.
    void Skip() override;

    host::Timer* Timer1;
    Cache frames;  // "aData" 1..18

    const SceneScript& script() const { return script_; }

private:
    SceneScript script_;
    bool finished_ = false;
};
