#pragma once
// The drawn parts of the windows themselves: the logo, the night-blue
// backgrounds, the gold frame, the parchment picture buttons and the hand
// cursor. They follow the look of the data pictures (look/palette.h) so the
// frame and the screens belong together; every window of every subsystem
// draws them from here.
#include "look/palette.h"

#include <QCursor>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;

namespace look {

// The game's logo (emblem, name and the line under it) as designed at
// 658 x 216, scaled into `r`. The same built-in picture the backdrop shows.
void PaintLogo(QPainter& p, const QRectF& r);
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

// The shared hand cursor (loaded at start-up into HandCursor); the system's
// pointing hand until it is loaded.
QCursor HandCursorShape();

// A clickable picture drawn as a plaque: an Image control of the game's
// windows. It reports a click when the left button is released over it, and
// shows the shared hand cursor.
class PlaqueButton : public QWidget {
    Q_OBJECT
public:
    PlaqueButton(const QString& caption, int suit, QWidget* parent);
    const QString& caption() const { return caption_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString caption_;
    int suit_;
    bool hot_ = false;
};
