#pragma once
// The drawn parts of the shell's own windows: the logo of the backdrop and the
// title, the night-blue backgrounds and the parchment picture buttons. They
// follow the look of the data pictures (night blue, plum ink, gold trim,
// crimson accents) so the frame and the screens belong together.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;

namespace look {

inline const QColor kInk(0x26, 0x1c, 0x2e);
inline const QColor kNightDeep(0x0d, 0x12, 0x26);
inline const QColor kNight(0x1a, 0x24, 0x48);
inline const QColor kNightHigh(0x35, 0x48, 0x80);
inline const QColor kGoldDark(0x86, 0x62, 0x1c);
inline const QColor kGold(0xd6, 0xab, 0x45);
inline const QColor kGoldLight(0xf6, 0xdf, 0x92);
inline const QColor kCrimson(0xb0, 0x1e, 0x2a);
inline const QColor kParchment(0xf4, 0xe8, 0xc8);
inline const QColor kParchmentDark(0xd8, 0xc2, 0x92);

// Japanese labels use the Gothic face, spoken text the Mincho face, Latin
// titles the Liberation serif. Sizes are in pixels.
QFont Gothic(double px, bool bold = false);
QFont Mincho(double px, bool bold = false);
QFont Serif(double px, bool bold = false);

// The logo as designed at 658 x 216, scaled into `r`.
void PaintLogo(QPainter& p, const QRectF& r);
inline constexpr int kLogoWidth = 658;
inline constexpr int kLogoHeight = 216;
// A night sky with a few fixed stars.
void PaintNight(QPainter& p, const QRectF& r);
// A gold double frame just inside `r`.
void PaintGoldFrame(QPainter& p, const QRectF& r);
// A parchment plaque with a gold rim, a suit mark and a centred caption.
void PaintPlaque(QPainter& p, const QRectF& r, const QString& caption, int suit, bool hot);
// The caption font of plaques of the given height.
QFont PlaqueFont(double height);

}  // namespace look

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
