#pragma once
#include "app/forms.h"

#include <QStringList>

class QLabel;
class QPushButton;

// The about box "ﾊﾞｰｼﾞｮﾝ情報": the version, the revision and a way to the
// system's own information tool.
class frmAbout : public GameForm {
    Q_OBJECT
public:
    frmAbout();
    bool isDialog() const override { return true; }
    void Form_Load() override;

    QLabel* picIcon;  // "Data9._vx"
    QLabel* lblTitle;
    QLabel* lblVersion;       // "Ver 3.1"
    QLabel* lblRevision;      // "Revision 24"
    QPushButton* cmdSysInfo;  // "ｼｽﾃﾑ情報(&S)..."
    QPushButton* cmdOK;

    void cmdSysInfo_Click();
    void cmdOK_Click();
};

inline constexpr int kVersionMajor = 3, kVersionMinor = 1, kVersionRevision = 24;

// Starts the desktop's system-information tool, or says it is not available.
void StartSysInfo();
// The same, looking for the tools only in `searchPaths` (tests).
void StartSysInfoFrom(const QStringList& searchPaths);
