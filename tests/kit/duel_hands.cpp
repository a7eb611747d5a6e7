#include "kit/duel_hands.h"

#include "duel/vantra_form.h"
#include "platform/virtual_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace duel_hands {

namespace {
void SendMouse(QWidget* w, QEvent::Type type, QPointF local, QPointF global, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent e(type, local, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The widget that takes a click at a point of `area`: the topmost visible one there.
QWidget* WidgetAt(QWidget* area, QPoint local) {
    QWidget* w = area->childAt(local);
    return w ? w : area;
}

void Click(QWidget* area, QPoint local, Qt::MouseButton button) {
    QWidget* w = WidgetAt(area, local);
    const QPointF global = area->mapToGlobal(QPointF(local));
    const QPointF inW = w->mapFromGlobal(global);
    SendMouse(w, QEvent::MouseButtonPress, inW, global, button, button);
    SendMouse(w, QEvent::MouseButtonRelease, inW, global, button, Qt::NoButton);
}
}  // namespace

void ReleaseKey(int16_t vk) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;  // nothing has the keyboard: the key goes nowhere
    const int key = host::QtKeyFromVirtualKey(vk);
    const Qt::KeyboardModifiers mods = host::IsKeypadVirtualKey(vk) ? Qt::KeypadModifier : Qt::NoModifier;
    QPointer<QWidget> target(focus);
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &press);
    // The press may have moved the focus or closed the window; the release
    // goes where the keyboard is now, as it would.
    if (QWidget* now = QApplication::focusWidget()) target = now;
    if (!target) return;
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(target, &release);
}

uint64_t HoldKey(VantraForm& form, int16_t vk, uint64_t pressedAt, int pairs, const std::function<bool(int)>& marked) {
    const int key = host::QtKeyFromVirtualKey(vk);
    const Qt::KeyboardModifiers mods = host::IsKeypadVirtualKey(vk) ? Qt::KeypadModifier : Qt::NoModifier;
    auto send = [&](QEvent::Type type, uint64_t at, bool repeat) {
        QKeyEvent e(type, key, mods, QString(), repeat);
        e.setTimestamp(at);
        QApplication::sendEvent(&form, &e);
    };
    send(QEvent::KeyPress, pressedAt, false);
    uint64_t at = pressedAt + 660;
    for (int i = 0; i < pairs; ++i, at += 40) {
        const bool repeat = marked(i);
        send(QEvent::KeyRelease, at, repeat);
        send(QEvent::KeyPress, at, repeat);
    }
    send(QEvent::KeyRelease, at, false);
    return at;
}

void ClickCard(VantraForm& form, int index) {
    QWidget* card = form.Image1[static_cast<size_t>(index)];
    Click(&form, card->mapTo(&form, card->rect().center()), Qt::LeftButton);
}

void DragCard(VantraForm& form, int from, int to, const std::function<void()>& whileHeld) {
    CardImage* src = form.Image1[static_cast<size_t>(from)];
    QWidget* dst = form.Image1[static_cast<size_t>(to)];
    // The press lands on whatever is on top of the source card; the moves and
    // the release go to the widget that took the press, as with a real mouse.
    QWidget* grabbed = WidgetAt(&form, src->mapTo(&form, src->rect().center()));
    const QPointF startGlobal = src->mapToGlobal(QPointF(src->rect().center()));
    const QPointF endGlobal = dst->mapToGlobal(QPointF(dst->rect().center()));
    SendMouse(grabbed, QEvent::MouseButtonPress, grabbed->mapFromGlobal(startGlobal), startGlobal, Qt::LeftButton,
              Qt::LeftButton);
    const QPointF midGlobal = (startGlobal + endGlobal) / 2;
    SendMouse(grabbed, QEvent::MouseMove, grabbed->mapFromGlobal(midGlobal), midGlobal, Qt::NoButton, Qt::LeftButton);
    SendMouse(grabbed, QEvent::MouseMove, grabbed->mapFromGlobal(endGlobal), endGlobal, Qt::NoButton, Qt::LeftButton);
    if (whileHeld) whileHeld();
    SendMouse(grabbed, QEvent::MouseButtonRelease, grabbed->mapFromGlobal(endGlobal), endGlobal, Qt::LeftButton,
              Qt::NoButton);
}

void ClickContest(VantraForm& form, Qt::MouseButton button) {
    Click(&form, form.Picture5->geometry().center(), button);
}

}  // namespace duel_hands
