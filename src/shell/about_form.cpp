#include "shell/about_form.h"

#include "app/data_files.h"
#include "look/dialogs.h"
#include "look/look.h"
#include "media/pictures.h"
#include "platform/launcher.h"
#include "platform/message_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <array>

namespace {
// System-information tools of the Linux desktops, in order of preference.
constexpr std::array<const char*, 2> kSysInfoTools{"hardinfo", "kinfocenter"};
}  // namespace

void StartSysInfoFrom(const QStringList& searchPaths) {
    for (const char* tool : kSysInfoTools) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(tool), searchPaths);
        if (!path.isEmpty() && host::StartProgram(path)) return;
    }
    host::ShowMessageBox(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), QString(), host::MsgIcon::None);
}

void StartSysInfo() {
    StartSysInfoFrom({});
}

frmAbout::frmAbout() {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFont(look::Gothic(13));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 14);
    grid->setHorizontalSpacing(16);
    picIcon = new QLabel(this);
    lblTitle = new QLabel(QStringLiteral("Vantrax"), this);
    lblTitle->setFont(look::Serif(24, true));
    lblVersion = new QLabel(this);
    lblRevision = new QLabel(this);
    cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    for (QPushButton* b : {cmdSysInfo, cmdOK}) b->setMinimumWidth(b->sizeHint().width() + 16);
    grid->addWidget(picIcon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblRevision, 2, 1);
    grid->setRowStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 4, 0, 1, 2);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    setDialogButtons(cmdOK, cmdOK);
    picIcon->setAccessibleName(QStringLiteral("アイコン"));
    for (QPushButton* b : {cmdSysInfo, cmdOK}) b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    DressDialog(*this);
    // The title in gold, as on the title screen.
    QPalette gold = lblTitle->palette();
    gold.setColor(QPalette::WindowText, look::kGoldLight);
    lblTitle->setPalette(gold);
}

void frmAbout::Form_Load() {
    // A dialog at its own size: its screen's density alone chooses the picture.
    picIcon->setPixmap(LoadPicture(DataFileName("Data", 9), HostScreenRatio()));
    lblVersion->setText(QStringLiteral("Ver %1.%2").arg(kVersionMajor).arg(kVersionMinor));
    lblRevision->setText(QStringLiteral("Revision %1").arg(kVersionRevision));
    adjustSize();
    setFixedSize(size());
    CenterDialog(*this);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::cmdOK_Click() {
    Unload();
}
