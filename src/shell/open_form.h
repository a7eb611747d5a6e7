#pragma once
#include "app/forms.h"

#include <QPixmap>

#include <array>
#include <cstdint>

class PlaqueButton;

// The title window: seven picture buttons that start everything else. Music
// track 2 plays while it is open.
class OpenForm : public GameForm {
    Q_OBJECT
public:
    OpenForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // 0 new game, 1 load, 2 practice, 3 personal data, 4 record export,
    // 5 options, 6 quit.
    std::array<PlaqueButton*, 7> Image1;

    void Image1_Click(int index);
    void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPixmap logo_;  // loaded at the first paint, kept while the title is open
};

// The title window's new-game command, shared with the menu's "新しく始める".
void OpenBot1();
// The title window's load command, shared with the menu's "ロードする".
void OpenBot2();

// The hidden way into the making-of: a mouse release on the title's own
// background with exactly Shift held (no Ctrl, no Alt).
bool IsMakingOfGesture(Qt::KeyboardModifiers shift);
