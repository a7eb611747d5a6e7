#include "app/resetup_form.h"

#include "app/data_files.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString DescribeStartupProblem() {
    if (host::settings().damaged())
        return QStringLiteral("設定ファイルが壊れています。\n%1").arg(host::settings().path());
    QString dir = host::ProgramFolder();
    for (const QString& name : AllDataFileNames())
        if (!QFileInfo(dir + QLatin1Char('/') + name).isFile())
            return QStringLiteral("ファイルが見つかりません: %1\n%2").arg(name, dir);
    return QStringLiteral("保存されている設定の値を読み取れないか、画像ファイルが壊れています。");
}

ResetupForm::ResetupForm() {
    setWindowTitle(QStringLiteral("Vantrax 初期化"));
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label2 = new QLabel(this);
    Label2->setWordWrap(true);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Command1 = new QPushButton(QStringLiteral("設定を初期化する(&R)"), this);
    Command2 = new QPushButton(QStringLiteral("はい(&Y)"), this);
    Command3 = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    setMinimumWidth(460);
}

void ResetupForm::Form_Load() {
    Label2->setText(DescribeStartupProblem());
    askConfirmation(false);
}

void ResetupForm::askConfirmation(bool asking) {
    Label1->setText(
        asking ? QStringLiteral("保存されている環境設定、セーブデータ、記録をすべて削除します。よろしいですか？")
               : QStringLiteral("保存されている設定を初期化すると、次回は最初の状態で起動します。"
                                "ファイルが見つからない場合は、Vantrax を再インストールしてください。"));
    Command1->setVisible(!asking);
    Command2->setVisible(asking);
    Command3->setText(asking ? QStringLiteral("いいえ(&N)") : QStringLiteral("閉じる(&C)"));
    (asking ? Command3 : Command1)->setFocus();
}

void ResetupForm::Command1_Click() {
    askConfirmation(true);
}

void ResetupForm::Command2_Click() {
    host::DeleteSetting(kAppName, QStringLiteral("Option"));
    host::DeleteSetting(kAppName, QStringLiteral("Data"));
    Label1->setText(QStringLiteral("設定を初期化しました。Vantrax を終了します。"));
    Label2->setText(QString());
    Command1->hide();
    Command2->hide();
    Command3->setText(QStringLiteral("閉じる(&C)"));
    Command3->setFocus();
}

void ResetupForm::Command3_Click() {
    if (Command2->isVisible())
        askConfirmation(false);
    else
        Unload();
}
