#pragma once
// A label that shows its picture at the picture's own density. A plain label
// first brings a 2x picture down to its own device's density (1 for a screen
// hosted in the view that draws the screens enlarged), so the view would
// enlarge a blurred copy; this one hands the picture to the painter as it is.
#include <QLabel>

class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QWidget* parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* e) override;
};
