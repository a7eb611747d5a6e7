#include "app/settings_report.h"

#include "app/shared_procedures.h"
#include "platform/settings_store.h"

#include <QDir>

QString ShortPath(const QString& path) {
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (home.size() > 1 && path.startsWith(home + QDir::separator()))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

QString NotSavedText(const QString& what) {
    const host::SettingsFailure& f = host::LastSettingsFailure();
    // The message window has four lines: one for the news, one for the cause
    // and the rest for where the file is.
    return QStringLiteral("%1を保存できなかったよ。\n%2。\n%3").arg(what, f.cause(), ShortPath(f.path));
}

void TellNotSaved(const QString& what) {
    MesBox(kGuideMessageFace, GuideLine(), NotSavedText(what), false, true);
}
