#pragma once
// The ending after the new castle's last stage: the castle falls and the sun
// rises, then, at the end of an official run, a hint about the making-of.
// A click closes it; either way the staff roll follows.
#include "scenes/scene_form.h"

class EndingForm : public SceneForm {
    Q_OBJECT
public:
    EndingForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize() override;
    void Timer1_Timer();

    host::Timer* Timer1;
    SceneLabel* Label1;  // the making-of hint
    Cache frames;        // "hData" 1..38

    const SceneScript& script() const { return script_; }

private:
    SceneScript script_;
};

inline const QString kMakingOfHint = QStringLiteral(
    "一番最初のメニューの画面が出てきたら、ボタンのない所を「Shift」を押しながらクリックすると「Making Of "
    "Vantrax」をご覧になる事ができます。");
