#pragma once
// Real input events for window tests: clicks and keys delivered to a widget as
// the window system would.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

// Qt's own entry for key presses that may be shortcuts (what its test library uses).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace ui {

// A left click that comes the whole way from the window system, so a window
// that a modal dialog blocks does not get it.
inline void WindowSystemClick(QWidget* w, QPoint at) {
    static int stamp = 1000;
    QWindow* window = w->window()->windowHandle();
    const QPointF global(w->mapToGlobal(at));
    const QPointF local = window->mapFromGlobal(global);
    stamp += 1000;  // far apart: never a double click
    qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, Qt::NoModifier,
                        stamp);
    qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, Qt::NoModifier,
                        stamp + 1);
}

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
