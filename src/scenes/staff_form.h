#pragma once
// The staff roll that closes every campaign run: it first settles the record
// book (its congratulations come before the roll), then fades in its title,
// reveals the four staff portraits in blinds, scrolls the credits and fades
// out the maker's line, and returns to the title window. A click anywhere
// ends it.
#include "scenes/scene_form.h"

#include <array>

class StaffForm : public SceneForm {
    Q_OBJECT
public:
    StaffForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize() override;
    void Timer1_Timer();

    void FirstStaff();
    // Reveals portrait n in ten blinds; returns false when the roll was
    // closed meanwhile, and then nothing more is drawn.
    bool PaintFace(int n);
    bool PaintFaceDel();
    bool PaintName(int32_t s);

    host::Timer* Timer1;
    SceneCanvas* Picture2;  // the credits
    SceneLabel* Label1;     // "Vantrax" / "Staff"
    SceneLabel* Label2;     // "Nimbrel Staff"
    SceneLabel* Label3;     // the name under the portrait
    SceneLabel* Label4;     // "Producted by Nimbrel"
    Cache faces;            // "eData" 1..4

    std::array<QString, 56> RollText;
    std::array<bool, 56> RollHeading{};
    std::array<int, 56> RollX{};
    int RollCount = 0;

    const SceneScript& script() const { return script_; }

private:
    void setColour(QLabel* label, const QColor& c);
    void buildScript();
    SceneScript script_;
};

inline const QString kStaffTitle = QStringLiteral("Vantrax\r\nStaff");
