#pragma once
#include "app/forms.h"

#include <cstdint>

// The title window: seven picture buttons that start everything else.
class OpenForm : public GameForm {
    Q_OBJECT
public:
    OpenForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
};

// The title window's new-game command, shared with the menu's "新しく始める".
void OpenBot1();
// The title window's load command, shared with the menu's "ロードする".
void OpenBot2();
