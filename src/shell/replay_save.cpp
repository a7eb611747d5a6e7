#include "shell/replay_save.h"

#include "app/shared_procedures.h"
#include "app/state.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>

bool SaveReplayTo(const QString& path, QString& error) {
    if (LastReplay.isEmpty()) {
        error = QStringLiteral("保存できるリプレイがありません。");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LastReplay) != LastReplay.size() || !file.commit()) {
        error = QStringLiteral("リプレイを保存できませんでした（%1）。\r\n%2")
                    .arg(file.errorString(), QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

QAction* AddSaveReplayCommand(QMenu* fileMenu, QWidget* parent, std::function<bool()> idle) {
    QAction* a = fileMenu->addAction(QStringLiteral("リプレイを保存..."));
    a->setEnabled(false);
    QObject::connect(fileMenu, &QMenu::aboutToShow, a,
                     [a, idle] { a->setEnabled(!LastReplay.isEmpty() && (!idle || idle())); });
    QObject::connect(a, &QAction::triggered, parent, [a, parent] {
        if (LastReplay.isEmpty() || !a->isEnabled()) return;
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty()) folder = QDir::homePath();
        const QString suggested = QDir(folder).filePath(
            QDateTime::currentDateTime().toString(QStringLiteral("'vantrax-'yyyyMMdd-HHmmss'.vxr'")));
        const QString path =
            QFileDialog::getSaveFileName(parent, QStringLiteral("リプレイを保存"), suggested,
                                         QStringLiteral("Vantrax リプレイ (*.vxr);;すべてのファイル (*)"));
        if (path.isEmpty()) return;
        QString error;
        if (!SaveReplayTo(path, error)) MesBox(kGuideFace, GuideLine(), error, false, false);
    });
    return a;
}
