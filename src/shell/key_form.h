#pragma once
#include "app/forms.h"

#include <cstdint>

class QLabel;

// The key-capture window: takes the first key released while it has the focus.
class KeyForm : public GameForm {
    Q_OBJECT
public:
    KeyForm();
    bool isDialog() const override { return true; }
    void Form_Load() override;

    QLabel* Label1;  // "変更するキーを押してください。"
    QLabel* Label2;  // "一部認識できないキーが存在します"

    void Form_KeyUp(int16_t keyCode);

protected:
    bool event(QEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
};

// CaptureKey (a shared procedure) shows it modally.
