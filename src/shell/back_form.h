#pragma once
#include "app/forms.h"

class QLabel;

// The backdrop behind every screen: the logo, the maker's line and the loading
// indicator that the opening scene fills while it prepares its pictures.
class BackForm : public GameForm {
    Q_OBJECT
public:
    BackForm();
    void Form_Load() override;
    void Form_Resize();
    // The backdrop stays at the client area's own size behind the screens.
    bool scalesWithHost() const override { return false; }
    void HostResized() override;
    // The logo only shows while no screen is up: around a smaller screen it
    // would peek out from behind it.
    void FollowScreens();

    QLabel* Picture1;  // the logo, 658 x 216
    QLabel* Label1;    // "Presented by Nimbrel"
    QLabel* Label2;    // "データロード中"
    QLabel* Label3;    // the eight-square progress bar

protected:
    void showLogo(bool on);
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;
};

// The progress bar with its first `filled` squares of eight filled (0..8).
QString ProgressBarText(int filled);
