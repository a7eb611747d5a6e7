#pragma once
// The controls the duel window is drawn with: panels, plain shapes, the
// opponent's bars and the card images the player clicks and drags. Each one
// repaints only when what it shows has changed.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <functional>

// A picture box: a coloured panel. Felt panels shade their colour towards the
// edges like a lit table.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent, QColor back = Qt::black, bool felt = false);
    QColor backColor() const { return back_; }
    void setBackColor(QColor c);
    // Mouse button released over the panel (or a label on it).
    std::function<void(QMouseEvent*)> onMouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor back_;
    bool felt_;
    QPixmap feltCache_;  // the shaded felt, drawn once per size and colour
};

// A shape control: a filled rectangle and/or an outline. It never takes the mouse.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    ShapeBox(QWidget* parent, QColor fill, QColor border = QColor(), int borderWidth = 0);
    QColor fillColor() const { return fill_; }
    void setFillColor(QColor c);
    // Changes the width only, keeping the left edge.
    void setShapeWidth(int px);
    void setShapeHeight(int px);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fill_;
    QColor border_;
    int borderWidth_;
};

// One of the opponent's bars: a filled rectangle from the left, 17 pixels high.
class BarBox : public QWidget {
    Q_OBJECT
public:
    explicit BarBox(QWidget* parent);
    void setBar(int value, int maximum, QColor colour);
    int value() const { return value_; }
    QColor colour() const { return colour_; }
    // Pixel width of the filled part.
    int filledWidth() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int value_ = 0;
    int maximum_ = 100;
    QColor colour_ = Qt::blue;
};

// A card image of the table. Images of the player's row may be draggable: a
// drag starts on mouse-down, the card follows the pointer, and the drop lands
// on whatever card image lies under the pointer at release.
class CardImage : public QWidget {
    Q_OBJECT
public:
    CardImage(QWidget* parent, int index);
    int index() const { return index_; }
    void setPicture(const QPixmap& p);
    const QPixmap& picture() const { return picture_; }
    bool draggable() const { return draggable_; }
    void setDraggable(bool on);
    // Counts paints, so a benchmark can see when a new card reached the screen.
    uint64_t paints() const { return paints_; }

    std::function<void(int index)> onClick;
    std::function<void(int index, QPoint grabOffset)> onDragStart;
    // The pointer while a drag goes on and where it lets go, in this card's
    // own pixels: a screen drawn scaled has no meaningful desktop position
    // for its widgets, so the duel maps them within its own window.
    std::function<void(QPointF pos)> onDragMove;
    std::function<void(QPointF pos)> onDragEnd;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int index_;
    QPixmap picture_;
    bool draggable_ = false;
    bool dragging_ = false;
    bool pressed_ = false;
    uint64_t paints_ = 0;
};

// Big banner text. Glyphs this large are drawn as outlines, which is slow, and
// the banner repaints every frame of its animation: the text is drawn once
// as a mask and each frame only tints it with the label's current colour.
class BannerLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override;
    void hideEvent(QHideEvent* e) override;

private:
    QImage mask_;
    QString maskText_;
    QImage tinted_;
    QColor tint_;
};

// The font of the banners and the contest status: Arial Narrow, or the
// metric-compatible face that stands in for it.
QFont NarrowFont(int pixelSize);

// An invisible cover that swallows the mouse over whatever lies under it.
class CoverBox : public QWidget {
    Q_OBJECT
public:
    explicit CoverBox(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A colour given as the game writes it, 0xBBGGRR.
QColor BgrColor(uint32_t bgr);
