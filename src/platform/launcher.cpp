#include "platform/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace host {

namespace {
class RealLauncher : public LauncherService {
public:
    bool openUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
    bool startProgram(const QString& program, const QStringList& args) override {
        return QProcess::startDetached(program, args);
    }
};

std::unique_ptr<LauncherService>& current() {
    static std::unique_ptr<LauncherService> s = std::make_unique<RealLauncher>();
    return s;
}
}  // namespace

bool OpenUrl(const QString& url) {
    return current()->openUrl(url);
}
bool StartProgram(const QString& program, const QStringList& args) {
    return current()->startProgram(program, args);
}

std::unique_ptr<LauncherService> installLauncher(std::unique_ptr<LauncherService> service) {
    auto old = std::move(current());
    current() = service ? std::move(service) : std::make_unique<RealLauncher>();
    return old;
}

}  // namespace host
