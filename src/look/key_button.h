#pragma once
// The game's own buttons: drawn by the windows, clicked with the mouse, and
// with the keyboard option on, focused and pressed with Enter or Space.
#include <QPixmap>
#include <QWidget>

// Reports a click when the left button is released over it, shows the shared
// hand cursor, and follows the keyboard option. Subclasses draw it.
class KeyButton : public QWidget {
    Q_OBJECT
public:
    explicit KeyButton(QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// A button cut from a button sheet: its picture at the picture's own logical
// size, with the focus rim over it.
class SheetButton : public KeyButton {
    Q_OBJECT
public:
    explicit SheetButton(QWidget* parent);
    // Shows `picture` at its own size.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    // Drawn by hand: a label brings its picture down to its own device's
    // density first, which on a screen drawn at 2x would enlarge a blurred
    // copy of a 2x cell instead of showing it.
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
};
