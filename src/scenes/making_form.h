#pragma once
// The making-of, reached by a Shift-click on the title's background: five
// pictures and the story of how the game was made, one caption every seven
// seconds, then back to the title. A click on the picture or the caption ends
// it.
#include "scenes/scene_form.h"

#include <array>

class MakingForm : public SceneForm {
    Q_OBJECT
public:
    MakingForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize() override;
    void Timer1_Timer();

    host::Timer* Timer1;
    SceneLabel* Label1;  // the caption, two lines under the picture

    const SceneScript& script() const { return script_; }

private:
    SceneScript script_;
};

// What one step of the making-of does to the picture: load picture n of
// "gData", clear it, or leave it as it is.
struct MakingStep {
    int picture;          // 1..5 to load, 0 to clear, -1 unchanged
    const char* caption;  // null leaves the caption as it is
};
extern const std::array<MakingStep, 25> kMakingSteps;
