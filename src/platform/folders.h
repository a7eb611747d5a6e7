#pragma once
// Well-known folders of the desktop.
#include <QString>

namespace host {

QString DesktopFolder();
QString DocumentsFolder();
// The temporary folder with its trailing separator, as the system gives it.
QString TempFolder();

}  // namespace host
