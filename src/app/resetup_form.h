#pragma once
#include "app/forms.h"

class QLabel;
class QPushButton;

// The re-setup window that follows the integrity message. It says what went
// wrong, and offers, after a confirmation, to delete the stored settings
// (options, save slots and records) so the next start begins afresh. Closing
// it ends the program.
class ResetupForm : public GameForm {
    Q_OBJECT
public:
    ResetupForm();
    bool isDialog() const override { return true; }
    void Form_Load() override;

    QLabel* Label1;         // explanation
    QLabel* Label2;         // what was found
    QPushButton* Command1;  // delete the stored settings
    QPushButton* Command2;  // yes, delete
    QPushButton* Command3;  // no / close

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void askConfirmation(bool asking);
    bool settingsAtFault_ = true;
};

// The first problem start-up would find, described for the window.
struct StartupProblem {
    // Whether clearing the stored settings can mend it: not for a data file
    // that is missing or broken, which only a reinstall brings back.
    bool inSettings = false;
    QString text;
};
StartupProblem FindStartupProblem();
QString DescribeStartupProblem();
