#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace host {

namespace {
QString& folder() {
    static QString f;
    return f;
}

QString findProgramFolder() {
    QString here = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(here + QStringLiteral("/Vantra.hlp"))) return here;
    // Installed: <prefix>/bin/vantrax with the data in <prefix>/share/vantrax.
    QString shared = QDir::cleanPath(here + QStringLiteral("/../share/vantrax"));
    if (QFileInfo::exists(shared + QStringLiteral("/Vantra.hlp"))) return shared;
#ifdef VANTRAX_INSTALLED_DATA_DIR
    QString installed = QStringLiteral(VANTRAX_INSTALLED_DATA_DIR);
    if (QFileInfo::exists(installed + QStringLiteral("/Vantra.hlp"))) return installed;
#endif
    return here;
}
}  // namespace

QString ProgramFolder() {
    if (folder().isEmpty()) folder() = findProgramFolder();
    return folder();
}

void setProgramFolder(const QString& path) {
    folder() = path;
}

bool ChDirProgram() {
    return QDir::setCurrent(ProgramFolder());
}

}  // namespace host
