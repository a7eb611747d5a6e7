#include "shell/key_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/dialogs.h"
#include "look/look.h"
#include "platform/virtual_keys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

int16_t CaptureKey() {
    CapturedKey = 0;
    Forms::Get<KeyForm>().ShowModal();
    return CapturedKey;
}

KeyForm::KeyForm() {
    setWindowTitle(QStringLiteral("キーボードの自動設定"));
    setFocusPolicy(Qt::StrongFocus);
    setFont(look::Gothic(13));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    Label1 = new QLabel(QStringLiteral("変更するキーを押してください。"), this);
    Label1->setFont(look::Gothic(15, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(QStringLiteral("一部認識できないキーが存在します"), this);
    Label2->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    DressDialog(*this);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void KeyForm::Form_Load() {
    FixedDialogFrame(*this);
}

void KeyForm::Form_KeyUp(int16_t keyCode) {
    CapturedKey = keyCode;
    Unload();
}

bool KeyForm::event(QEvent* e) {
    // Every key belongs to the capture: no shortcut and no focus move may take
    // Tab, Alt or a Ctrl combination away from it.
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        e->accept();
        return true;
    }
    return GameForm::event(e);
}

void KeyForm::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    Form_KeyUp(host::VirtualKeyFromEvent(*e));
}

void KeyForm::showEvent(QShowEvent* e) {
    GameForm::showEvent(e);
    activateWindow();
    setFocus();
}
