// The player's hands: the six keys, clicks, dragging cards, and the hits of a
// contest. Each device works only while it is the chosen one.
#include "duel/vantra_form.h"

#include "app/state.h"
#include "duel/battle_rules.h"
#include "duel/replay_record.h"
#include "platform/virtual_keys.h"

#include <QKeyEvent>

namespace {
constexpr int16_t kKeyboard = 1, kMouse = 0;
}

void VantraForm::keyPressEvent(QKeyEvent* e) {
    strokes_.Press(host::VirtualKeyFromEvent(*e), e->timestamp(), e->isAutoRepeat());
    GameForm::keyPressEvent(e);
}

void VantraForm::keyReleaseEvent(QKeyEvent* e) {
    // A held key acts once: the releases auto-repeat makes up do not count, or
    // holding a place key would draw and then pick and put back its card, and
    // holding the mash key would win a contest without hammering it.
    const int16_t code = host::VirtualKeyFromEvent(*e);
    if (!strokes_.Release(code, e->timestamp(), e->isAutoRepeat()) || code == 0) return;
    int16_t shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    Form_KeyUp(code, shift);
}

void VantraForm::Form_KeyUp(int16_t KeyCode, int16_t Shift) {
    ReplayNote(ReplayInput::Key, KeyCode, Shift);
    if (InputDevice != kKeyboard) return;
    if (KeyPlayOn) {
        if (KeyCode == PlayKeys[2])
            Key_Out(1);
        else if (KeyCode == PlayKeys[3])
            Key_Out(2);
        else if (KeyCode == PlayKeys[4])
            Key_Out(3);
        else if (KeyCode == PlayKeys[5])
            Key_Out(4);
        else if (KeyCode == PlayKeys[0])
            Key_In(kLeftPile);
        else if (KeyCode == PlayKeys[1])
            Key_In(kRightPile);
    }
    if (InputDevice == kKeyboard && BattleOn) {
        // The first key released in a contest is the one to hammer.
        if (MashKey == 0)
            MashKey = KeyCode;
        else if (KeyCode != MashKey)
            return;
        ContestHit();
    }
}

void VantraForm::ShowCursorAt(int k) {
    Shape5->move(Tw((k - 1) * 1200 + 180), Shape5->y());
    Shape5->show();
    Shape5->raise();
    Selected = static_cast<int16_t>(k);
}

void VantraForm::ShowRefused(int k) {
    if (k < 1 || k >= static_cast<int>(Image1.size())) return;
    // Only a picture: it takes no click and touches nothing of the table.
    refuseMark_->setGeometry(Image1[static_cast<size_t>(k)]->geometry().adjusted(-4, -4, 4, 4));
    refuseMark_->show();
    refuseMark_->raise();
    refuseBlinks_ = DuelTiming::kRefuseBlinks;
    // A second refusal during the blink starts it over on the new card.
    RefuseTimer.setEnabled(false);
    RefuseTimer.setEnabled(true);
}

void VantraForm::RefuseTimer_Timer() {
    if (--refuseBlinks_ <= 0) {
        RefuseTimer.setEnabled(false);
        refuseMark_->hide();
        return;
    }
    refuseMark_->setVisible(refuseMark_->isHidden());
}

void VantraForm::HideCursor() {
    Selected = 0;
    Shape5->hide();
}

void VantraForm::Key_Out(int k) {
    // A place counts as empty by what is shown on it.
    if (shown(k) == 0 && MyCount >= 2) {
        SetSlot(k, AddCard());
        PlayWave(MoveSound);
        HideCursor();
        return;
    }
    if (shown(k) != 0 && Selected == 0) {
        ShowCursorAt(k);
        return;
    }
    if (Selected == 0) return;
    if (Selected == k) {
        HideCursor();
        return;
    }
    if (SameRank(slot(k), slot(Selected))) {
        SetSlot(k, slot(Selected));
        SetSlot(Selected, 0);
        PlayWave(MoveSound);
    } else {
        PlayWave(RefuseSound);
        ShowRefused(Selected);
    }
    HideCursor();
}

void VantraForm::Key_In(int k) {
    if (Selected != 0) {
        if (CanMove(slot(k), slot(Selected))) {
            CardBat(Selected, k);
            PlayWave(MoveSound);
        } else {
            PlayWave(RefuseSound);
            ShowRefused(Selected);
        }
    }
    HideCursor();
}

void VantraForm::Image1_Click(int Index) {
    ReplayNote(ReplayInput::Click, Index);
    if (MyCount >= 2 && IsPlayerPlace(Index) && shown(Index) == 0 && InputDevice == kMouse) {
        SetSlot(Index, AddCard());
        Image1[static_cast<size_t>(Index)]->setDraggable(true);
        PlayWave(MoveSound);
    }
}

void VantraForm::Image1_DragDrop(int Index, int Source) {
    ReplayNote(ReplayInput::Drop, Index, Source);
    const int src = Source;
    if (IsPile(Index)) {
        if (!IsPlayerPlace(src) || InputDevice != kMouse) return;
        if (!CanMove(slot(Index), slot(src))) {
            PlayWave(RefuseSound);
            ShowRefused(src);
            return;
        }
        CardBat(src, Index);
        Image1[static_cast<size_t>(src)]->setDraggable(false);
        PlayWave(MoveSound);
        return;
    }
    if (IsPlayerPlace(Index) && slot(Index) != 0) {
        if (src == Index || InputDevice != kMouse) return;
        if (SameRank(slot(src), slot(Index))) {
            SetSlot(Index, slot(src));
            SetSlot(src, 0);
            Image1[static_cast<size_t>(src)]->setDraggable(false);
            PlayWave(MoveSound);
        } else {
            PlayWave(RefuseSound);
            ShowRefused(src);
        }
    }
}

void VantraForm::DragStart(int index, QPoint grabOffset) {
    dragSource_ = index;
    dragOffset_ = grabOffset;
    const CardImage* src = Image1[static_cast<size_t>(index)];
    dragGhost_->setPixmap(src->picture());
    dragGhost_->move(src->pos());
    dragGhost_->raise();
    dragGhost_->show();
}

void VantraForm::DragMove(QPointF pos) {
    if (dragSource_ == 0) return;
    dragGhost_->move(Picture1->mapFrom(this, pos).toPoint() - dragOffset_);
}

int VantraForm::DropTargetAt(QPointF pos) const {
    if (!Picture1->isVisible()) return 0;
    // Whatever lies on top at that point takes the drop, looked for in the whole
    // window: the re-deal banner is no child of the table but covers its piles,
    // and a card held since before the re-deal must land on the banner.
    QWidget* w = childAt(pos.toPoint());
    auto* card = qobject_cast<CardImage*>(w);
    return card ? card->index() : 0;
}

void VantraForm::DragEnd(QPointF pos) {
    const int src = dragSource_;
    dragSource_ = 0;
    dragGhost_->hide();
    if (src == 0) return;
    const int target = DropTargetAt(pos);
    if (target != 0) Image1_DragDrop(target, src);
}

void VantraForm::Picture5_MouseUp(int Button, int, int, int) {
    ReplayNote(ReplayInput::Hit, Button);
    if (Button == 1 && InputDevice == kMouse && BattleOn) ContestHit();
}

void VantraForm::ContestHit() {
    ++MyHits;
    P_Bar(MyHits, FoeHits);
    if (MyHits >= kContestHits) {
        BatTimer.setEnabled(false);
        BattleOn = false;
        BatEnd(true);
    }
}
