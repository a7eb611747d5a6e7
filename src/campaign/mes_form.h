#pragma once
#include "app/forms.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;
namespace host {
class Timer;
}

// The message window: every line of dialogue and every system message. Its
// form comes in through MesMode (0 timed, -1 OK, 1 question) and a question's
// answer goes out through it (10 yes, 20 no). MesBox (a shared procedure)
// shows it.
class MesForm : public GameForm {
    Q_OBJECT
public:
    MesForm();
    bool isDialog() const override { return true; }
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    QLabel* Picture1;               // background, cut from the message sheet
    QLabel* Image1;                 // the speaker's face
    QLabel* Label1;                 // speaker line
    QLabel* Label2;                 // the text
    std::array<QLabel*, 2> Label3;  // click areas: 0 yes, 1 no or OK
    host::Timer* Timer1;            // closes a timed message

    void Form_Click();
    void Form_KeyDown();
    void Label3_Click(int index);
    void Timer1_Timer();

    // MesBox hears the window's final MesMode here, so a message opened by a
    // timer while this one waited cannot hand this caller its answer.
    void setOnClosed(std::function<void(int16_t)> f) { onClosed_ = std::move(f); }
    int16_t mode() const { return mode_; }
    // Lines the text takes on the window's ruled lines (four fit).
    int textLineCount() const;
    // The size the window is drawn at: the screens' factor when it opened.
    qreal scale() const { return scale_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void closeByRule();
    // Lays the window out at the screens' factor.
    void scaleToScreens(int height);

    int16_t mode_ = 0;
    bool waitsForClick_ = false;  // a timed message laid out as OK because MesTime is 15
    bool closingByRule_ = false;
    qreal scale_ = 1;
    std::function<void(int16_t)> onClosed_;
};
