#include "app/resetup_form.h"

#include "app/data_files.h"
#include "app/options.h"
#include "app/picture_file.h"
#include "app/settings_report.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOption = QStringLiteral("Option");

// The first option whose stored text start-up cannot convert, as "key=value".
QString unreadableOption() {
    auto text = [](const QString& key) { return host::GetSetting(kAppName, kOption, key); };
    QStringList numbers{QStringLiteral("Mes"), QStringLiteral("Div")};
    for (int i = 0; i < 6; ++i) numbers << QStringLiteral("Key%1").arg(i);
    for (const QString& key : numbers)
        if (!text(key).isNull() && !ToInteger(text(key))) return key + QLatin1Char('=') + text(key);
    for (const QString& key : {QStringLiteral("Bgm"), QStringLiteral("Wav")})
        if (!text(key).isNull() && !ToBoolean(text(key))) return key + QLatin1Char('=') + text(key);
    return {};
}

QString settingsFile() {
    return ShortPath(QDir::toNativeSeparators(host::settings().path()));
}

}  // namespace

StartupProblem FindStartupProblem() {
    if (host::settings().damaged()) return {true, host::settings().problem().text()};
    if (QString bad = unreadableOption(); !bad.isEmpty())
        return {true, QStringLiteral("保存されている設定の値を読み取れません:「%1」\n%2").arg(bad, settingsFile())};
    const QString dir = QDir::toNativeSeparators(host::ProgramFolder());
    for (const QString& name : AllDataFileNames())
        if (!QFileInfo(host::ProgramFolder() + QLatin1Char('/') + name).isFile())
            return {false, QStringLiteral("ファイルが見つかりません: %1\n%2").arg(name, dir)};
    // The three pictures start-up loads, in its order.
    for (int n : {5, 11, 1}) {
        const QString name = DataFileName("Data", n);
        if (LoadPicture(host::ProgramFolder() + QLatin1Char('/') + name, 1.0).isNull())
            return {false, QStringLiteral("ファイルが壊れています: %1\n%2").arg(name, dir)};
    }
    return {true, QStringLiteral("保存されている設定を読み取れません。\n%1").arg(settingsFile())};
}

QString DescribeStartupProblem() {
    return FindStartupProblem().text;
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
    Label1->setAccessibleName(QStringLiteral("説明"));
    Label2->setAccessibleName(QStringLiteral("問題の内容"));
    for (QPushButton* b : {Command1, Command2}) b->setAccessibleName(b->text().remove(QLatin1Char('&')));
}

void ResetupForm::Form_Load() {
    const StartupProblem problem = FindStartupProblem();
    settingsAtFault_ = problem.inSettings;
    Label2->setText(problem.text);
    askConfirmation(false);
}

void ResetupForm::askConfirmation(bool asking) {
    if (asking)
        Label1->setText(
            QStringLiteral("保存されている環境設定、セーブデータ、記録をすべて削除します。"
                           "今の設定ファイルは同じフォルダーに控えとして残します。よろしいですか？"));
    else if (settingsAtFault_)
        Label1->setText(QStringLiteral("保存されている設定を初期化すると、次回は最初の状態で起動します。"));
    else
        // Clearing the settings would not bring the file back and would cost the saves.
        Label1->setText(
            QStringLiteral("データファイルに問題があります。Vantrax を再インストールしてください。"
                           "保存されている設定やセーブデータはそのまま使えます。"));
    Command1->setVisible(!asking && settingsAtFault_);
    Command2->setVisible(asking);
    Command3->setText(asking ? QStringLiteral("いいえ(&N)") : QStringLiteral("閉じる(&C)"));
    Command3->setAccessibleName(Command3->text().remove(QLatin1Char('&')));
    // Enter takes the button with the focus: on the question that is "no", so
    // that nothing is deleted by a key pressed in passing. Escape is "close" or "no".
    QPushButton* chosen = asking || !settingsAtFault_ ? Command3 : Command1;
    chosen->setFocus();
    setDialogButtons(chosen, Command3);
}

void ResetupForm::Command1_Click() {
    askConfirmation(true);
}

void ResetupForm::Command2_Click() {
    // The saves and records go too, so the file as it was stays beside it:
    // a player who cleared by mistake can still get them back.
    host::SettingsBatch reset;
    reset.remove(kAppName, kOption).remove(kAppName, QStringLiteral("Data")).keepCopy(QStringLiteral("before-reset"));
    if (host::SaveSettings(reset)) {
        Label1->setText(QStringLiteral("設定を初期化しました。Vantrax を終了します。"));
        const QString copy = host::settings().lastCopy();
        Label2->setText(copy.isEmpty() ? QString()
                                       : QStringLiteral("これまでの設定は次のファイルに残してあります:\n%1")
                                             .arg(ShortPath(QDir::toNativeSeparators(copy))));
    } else {
        Label1->setText(QStringLiteral("設定を初期化できませんでした。次回もこのメッセージが表示されます。"));
        // Where the settings file is, unless the failure already named it.
        QString text = host::SettingsError();
        if (host::LastSettingsFailure().path != QDir::toNativeSeparators(host::settings().path()))
            text += QStringLiteral("\n\n設定ファイル: ") + settingsFile();
        Label2->setText(text);
    }
    Command1->hide();
    Command2->hide();
    Command3->setText(QStringLiteral("閉じる(&C)"));
    Command3->setFocus();
    setDialogButtons(Command3, Command3);
}

void ResetupForm::Command3_Click() {
    if (Command2->isVisible())
        askConfirmation(false);
    else
        Unload();
}
