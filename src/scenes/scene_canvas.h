#pragma once
// The canvas every scene draws on: a picture box that keeps what was drawn on
// it (pictures shown or painted, text, lines) until it is cleared, with a
// current font, text colour and drawing position like the game's other
// picture boxes.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class SceneCanvas : public QWidget {
    Q_OBJECT
public:
    explicit SceneCanvas(QWidget* parent, int width, int height);

    // What the canvas shows now, at its own size and density.
    const QImage& image() const { return image_; }
    // The canvas keeps its drawing at 2x where the screens are drawn at more
    // than 1x (chosen when it is made, like the pictures loaded with it), so
    // the 2x pictures and the text printed on it stay sharp.
    qreal ratio() const { return ratio_; }

    // The canvas takes the size of the next picture shown in it.
    void setAutoSize(bool on) { autoSize_ = on; }
    void setCanvasSize(int width, int height);
    // Shows a picture as the canvas's own: whatever was drawn before goes.
    void ShowPicture(const QPixmap& picture);
    // Draws a picture over what is there, at its own size or stretched.
    void PaintPicture(const QPixmap& picture, int x, int y, int width = -1, int height = -1);
    // Assigns the empty picture: the canvas is blank again.
    void Clear();
    // Copies the one-pixel-wide column x of `picture` to the same place.
    void CopyColumn(const QPixmap& picture, int x, int height);
    void Line(int x1, int y1, int x2, int y2, const QColor& colour);

    QFont& font() { return font_; }
    void setForeColor(const QColor& c) { fore_ = c; }
    int CurrentX = 0, CurrentY = 0;
    // Prints a text whose top left corner lies at the drawing position.
    void Print(const QString& text);
    int TextWidth(const QString& text) const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QImage image_;
    qreal ratio_ = 1.0;
    QFont font_;
    QColor fore_ = Qt::white;
    bool autoSize_ = false;
};

// Point sizes as the scenes give them, in pixels at 96 dots per inch, so that
// text keeps its size on any screen setting.
int ScenePixelSize(double points);
// The scenes' Mincho face (the prologue), and the Arial of the staff roll.
QFont SceneMincho(double points, bool bold);
QFont SceneArial(double points, bool italic);
