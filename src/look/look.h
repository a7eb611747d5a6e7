#pragma once
// The drawn parts of the windows themselves: the logo, the night-blue
// backgrounds, the gold frame, the parchment picture buttons and the hand
// cursor. They follow the look of the data pictures (look/palette.h) so the
// frame and the screens belong together; every window of every subsystem
// draws them from here.
#include "look/key_button.h"
#include "look/palette.h"

#include <QCursor>
#include <QRectF>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QPainter;
class QPixmap;

namespace look {

// The game's logo (emblem, name and the line under it) as designed at
// 658 x 216, scaled into `r`: the built-in "backdrop_logo" the backdrop shows.
void PaintLogo(QPainter& p, const QRectF& r, const QPixmap& logo);
inline constexpr int kLogoWidth = 658;
inline constexpr int kLogoHeight = 216;
// A night sky with a few fixed stars.
void PaintNight(QPainter& p, const QRectF& r);
// A gold double frame just inside `r`.
void PaintGoldFrame(QPainter& p, const QRectF& r);
// A parchment plaque with a gold rim, a suit mark (0 spade, 1 heart, 2 club,
// 3 diamond, -1 none) on either side and a centred caption.
void PaintPlaque(QPainter& p, const QRectF& r, const QString& caption, int suit, bool hot);
// The caption font of plaques of the given height.
QFont PlaqueFont(double height);

}  // namespace look

// Picture buttons and the keyboard option (KeyboardAccess). With the option
// on, a picture button takes the focus by Tab or the arrows, shows it, and
// Enter or Space presses it; with it off, buttons are worked by mouse only.
namespace look::keys {
// Gives `button` the focus policy the option asks for and marks it as one to
// follow when the option changes.
void FollowOption(QWidget& button);
// Brings every picture button in line with the option after it changed.
void ApplyOption();
// Handles a key on a focused picture button: the arrows move the focus, and
// true is returned when the key (Enter or Space, on release) presses it.
bool ButtonKey(QWidget& button, QKeyEvent* e);
// Moves the focus from `from` (a button, or the window holding them) to the
// next picture button in Tab order, or the previous one; wraps at the ends.
void FocusNext(QWidget& from, bool forward);
// With the option on, gives `button` the focus: a window puts it on the button
// a player most likely wants once that button appears.
void Offer(QWidget& button);
// Marks `button` as its window's cancel: with the option on, Escape on any
// picture button beside it presses it.
void SetCancel(QWidget& button);
// The focus mark: a dotted crimson rim just inside `r`.
void PaintFocus(QPainter& p, const QRectF& r);
}  // namespace look::keys

// The shared hand cursor (loaded at start-up into HandCursor); the system's
// pointing hand until it is loaded.
QCursor HandCursorShape();

// A clickable picture drawn as a plaque: an Image control of the game's
// windows. It reports a click when the left button is released over it, and
// shows the shared hand cursor.
class PlaqueButton : public KeyButton {
    Q_OBJECT
public:
    PlaqueButton(const QString& caption, int suit, QWidget* parent);
    const QString& caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QString caption_;
    int suit_;
    bool hot_ = false;
};
