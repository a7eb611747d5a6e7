#include "shell/system_folder.h"

#include "platform/folders.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString writable(QStandardPaths::StandardLocation where) {
    return QStandardPaths::writableLocation(where);
}
}  // namespace

// No Windows directory, system directory, "Send To" folder or registry
// folders exist here; they read as empty, as an unresolved folder always did.
QString clsSystemFolder::Windows() const {
    return {};
}
QString clsSystemFolder::System() const {
    return {};
}
QString clsSystemFolder::Temp() const {
    return host::TempFolder();
}
QString clsSystemFolder::Desktop() const {
    return host::DesktopFolder();
}
// The desktop's menu entries stand in for the start menu and its programs.
QString clsSystemFolder::Programs() const {
    return writable(QStandardPaths::ApplicationsLocation);
}
QString clsSystemFolder::Personal() const {
    return host::DocumentsFolder();
}
QString clsSystemFolder::Favorites() const {
    return {};
}
// Programs started with the session are listed in the autostart folder.
QString clsSystemFolder::Startup() const {
    const QString config = writable(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/autostart");
}
QString clsSystemFolder::Recent() const {
    return {};
}
QString clsSystemFolder::SendTo() const {
    return {};
}
QString clsSystemFolder::Fonts() const {
    return writable(QStandardPaths::FontsLocation);
}
QString clsSystemFolder::StartMenu() const {
    return writable(QStandardPaths::ApplicationsLocation);
}
QString clsSystemFolder::Device() const {
    return {};
}
QString clsSystemFolder::CommonFiles() const {
    return {};
}
QString clsSystemFolder::Config() const {
    return writable(QStandardPaths::GenericConfigLocation);
}
QString clsSystemFolder::Media() const {
    return {};
}
QString clsSystemFolder::ProgramFiles() const {
    return {};
}
QString clsSystemFolder::OldWindows() const {
    return {};
}
