#pragma once
// The new castle's map: one opponent a stage, no roulette.
#include "app/forms.h"
#include "campaign/map_parts.h"

#include <QPixmap>
#include <QString>
#include <cstdint>

class QLabel;

class NewNewMap : public GameForm {
    Q_OBJECT
public:
    NewNewMap();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // Builds the screen for the current stage and settles the duel just ended.
    void Startup();
    // Hands the stage's opponent over to the duel.
    void EndFolder();

    void StartButton_Click();
    void SaveButton_Click();
    void QuitButton_Click();
    void Form_KeyDown();

    QLabel* TitleLabel;
    QLabel* NameLabel;
    QLabel* Face;
    QLabel* PointCaption;  // "得点"
    QLabel* PointLabel;
    MapButton* StartButton;
    MapButton* SaveButton;
    MapButton* QuitButton;

    MapState state;
    int16_t faceResource = 0;  // the portrait's resource number, 63 + face
    QString foeName;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPixmap background_;
    qreal backgroundRatio_ = 0;  // the density background_ was loaded for
};
