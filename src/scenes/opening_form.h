#pragma once
// The opening at start-up: while the backdrop shows the loading bar it
// preloads the logo and prologue pictures, then plays the maker's logo, the
// title logo and the prologue scrolling over the demon city, and ends at the
// title window. A click or any key skips straight to the title.
#include "scenes/scene_form.h"

#include <QString>
#include <array>

class OpeningForm : public SceneForm {
    Q_OBJECT
public:
    OpeningForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void OpenTimer1_Timer();
    void Timer1_Timer();

    host::Timer* OpenTimer1;  // the logo
    host::Timer* Timer1;      // the prologue

    Cache logoFrames;   // "dData" 1..20
    Cache storyFrames;  // "fData" 1..12
    std::array<QString, 10> StoryLines;
    std::array<int, 10> StoryX{};

    const SceneScript& logoScript() const { return logoScript_; }
    const SceneScript& storyScript() const { return storyScript_; }

private:
    void buildScripts();
    void logoFrame(int n);
    void scroll(int32_t step);
    SceneScript logoScript_, storyScript_;
};

// The prologue, line by line; the Demon King's name goes into line 3.
std::array<QString, 10> PrologueLines(const QString& demonKing);
// Prologue lines 1..9 are set at 22 points, the last, the call to arms, at 30.
inline double ProloguePoints(int line) {
    return line == 10 ? 30 : 22;
}
// Where a line of the given width starts in the 500-pixel-wide canvas.
int CentredIn500(int textWidth);
