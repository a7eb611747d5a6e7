#pragma once
#include "app/forms.h"

#include <array>

class QLabel;
class SheetButton;

// The player data window: the official record and the personal best, as the
// record book holds them. It only shows them.
class MyData : public GameForm {
    Q_OBJECT
public:
    MyData();
    void Form_Load() override;

    std::array<QLabel*, 2> Label1;  // captions: "公認記録", "自己ベスト"
    std::array<QLabel*, 2> Label2;  // the two records
    QLabel* Label3;                 // where the official record can be registered
    SheetButton* Image1;            // close

    void Image1_Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
};
