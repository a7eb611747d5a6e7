#include "platform/folders.h"

#include <QDir>
#include <QStandardPaths>

namespace host {

QString DesktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}
QString DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString TempFolder() {
    QString t = QDir::tempPath();
    if (!t.endsWith(QLatin1Char('/'))) t += QLatin1Char('/');
    return t;
}

}  // namespace host
