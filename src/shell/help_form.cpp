#include "shell/help_form.h"

#include "app/data_files.h"
#include "look/dialogs.h"
#include "look/look.h"
#include "platform/launcher.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpForm::HelpForm() {
    setWindowTitle(QStringLiteral("Vantrax ヘルプ"));
    auto* layout = new QVBoxLayout(this);
    // Room for the gold frame around the page.
    layout->setContentsMargins(12, 12, 12, 4);
    Browser = new QTextBrowser(this);
    Browser->setOpenLinks(false);
    layout->addWidget(Browser);
    cmdClose = new QPushButton(QStringLiteral("閉じる"), this);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 6, 8, 12);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { Browser_AnchorClicked(url); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Unload(); });
    setDialogButtons(nullptr, cmdClose);
    Browser->setAccessibleName(QStringLiteral("ヘルプ"));
    cmdClose->setAccessibleName(cmdClose->text());
    DressDialog(*this);
    resize(720, 560);
}

void HelpForm::Form_Load() {
    host::ChDirProgram();
    QFile file(kHelpFile);
    if (file.open(QIODevice::ReadOnly)) {
        Browser->setSearchPaths({QDir::currentPath()});
        Browser->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        Browser->setPlainText(QStringLiteral("ヘルプファイル %1 を開けません。").arg(kHelpFile));
    }
    CenterDialog(*this);
}

void HelpForm::Browser_AnchorClicked(const QUrl& url) {
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
        url.scheme() == QLatin1String("mailto")) {
        host::OpenUrl(url.toString());
    } else if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        Browser->scrollToAnchor(url.fragment());
    }
}
