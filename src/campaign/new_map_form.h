#pragma once
// The first castle's map: the stage's place and group of opponents, the points
// and what is missing to clear the stage, and the roulette that picks the next
// opponent.
#include "app/forms.h"
#include "campaign/map_parts.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
namespace host {
class Timer;
}

class NewMapForm : public GameForm {
    Q_OBJECT
public:
    NewMapForm();
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // Builds the screen for the current stage and settles the duel just ended.
    void Startup();
    // Hands the opponent under the highlight over to the duel.
    void EndFolder();
    int32_t GetClearPoint(int16_t level, int32_t stage) const;
    QString GetPlaceName(int32_t stage) const;

    void StartButton_Click();
    void StopButton_Click();
    void SaveButton_Click();
    void QuitButton_Click();
    void Form_KeyDown();
    void Timer1_Timer();

    std::array<QLabel*, 2> Heading;  // the place, drawn twice: shadow and front
    QLabel* GroupTitle;
    QLabel* NameLabel;
    QLabel* PointCaption;  // "得点"
    QLabel* PointLabel;
    QLabel* RestCaption;  // "クリヤーまで"
    QLabel* RestLabel;
    std::array<QLabel*, 7> Face;
    HighlightFrame* Frame;
    MapButton* StartButton;
    MapButton* StopButton;
    MapButton* SaveButton;
    MapButton* QuitButton;
    host::Timer* Timer1;  // the roulette

    MapState state;
    // The current stage's group.
    std::array<QString, 7> names;
    int16_t leftEdge = 0;
    int16_t count = 0;
    int16_t firstFace = 0;
    int16_t position = 0;  // the opponent under the highlight

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void SetGroup();
    void ShowFaces();
    void ShowRest(int32_t points, bool counting);
    // Moves the highlight to the next opponent still left, with its name and
    // the roulette's click.
    void Advance();
    void PointAt(int16_t pos);
    bool AnyLeft() const;

    QPixmap background_;
    qreal backgroundRatio_ = 0;  // the density background_ was loaded for
    bool hud_ = false;           // the score panel is drawn once the captions show
};
