#pragma once
#include "app/forms.h"

class QPushButton;
class QTextBrowser;
class QUrl;

// The game's own help viewer for "Vantra.hlp". Links to the web open in the
// desktop's browser; links inside the help stay in the viewer.
class HelpForm : public GameForm {
    Q_OBJECT
public:
    HelpForm();
    bool isDialog() const override { return true; }
    void Form_Load() override;

    QTextBrowser* Browser;
    QPushButton* cmdClose;  // "閉じる"; Escape presses it too

    void Browser_AnchorClicked(const QUrl& url);
};
