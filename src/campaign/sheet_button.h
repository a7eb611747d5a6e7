#pragma once
// A clickable picture cut from one of the button sheets: the Image controls of
// the new-game, save-slot and player data windows. It shows the shared hand
// cursor and reports a click when the left button is released over it.
#include <QPixmap>
#include <QWidget>

class SheetButton : public QWidget {
    Q_OBJECT
public:
    explicit SheetButton(QWidget* parent);
    // Shows `picture` at its own size.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QPixmap picture_;
};

// A cell of a button sheet; a sheet that could not be read gives an empty
// picture of the cell's size, so the window keeps its layout.
QPixmap SheetCell(const QPixmap& sheet, int left, int top, int width, int height);
