#pragma once
// Opening a help document or a web page through the desktop's own means, and
// starting another program with an argument list. Never through a shell
// command line. Tests install a recorder.
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace host {

class LauncherService {
public:
    virtual ~LauncherService() = default;
    virtual bool openUrl(const QString& url) = 0;
    virtual bool startProgram(const QString& program, const QStringList& args) = 0;
};

class LauncherRecorder : public LauncherService {
public:
    bool openUrl(const QString& url) override {
        urls.push_back(url);
        return true;
    }
    bool startProgram(const QString& program, const QStringList& args) override {
        programs.push_back(program + QLatin1Char(' ') + args.join(QLatin1Char(' ')));
        return true;
    }
    std::vector<QString> urls;
    std::vector<QString> programs;
};

bool OpenUrl(const QString& url);
bool StartProgram(const QString& program, const QStringList& args = {});
std::unique_ptr<LauncherService> installLauncher(std::unique_ptr<LauncherService> service);

}  // namespace host
