#pragma once
// Real input events for window tests: clicks and keys delivered to a widget as
// the window system would.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Qt's own entry for key presses that may be shortcuts (what its test library uses).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace ui {

// A key press as the window system delivers it: shortcuts first. True when a
// shortcut took it.
inline bool ShortcutKey(QWidget* w, int key, Qt::KeyboardModifiers mods) {
    w->activateWindow();
    QCoreApplication::processEvents();
    return qt_sendShortcutOverrideEvent(w, 0, key, mods, QString(), false, 1);
}

inline void Click(QWidget* w, Qt::KeyboardModifiers mods = Qt::NoModifier, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) at = w->rect().center();
    const QPointF local(at), global(w->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, mods);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, mods);
    QCoreApplication::sendEvent(w, &release);
}

inline void KeyPress(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w, &e);
}

inline void KeyRelease(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyRelease, key, mods);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace ui
