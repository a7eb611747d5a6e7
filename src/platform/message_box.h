#pragma once
// The system message box, used only for the start-up integrity message, the
// multimedia error and the about box's system-information message. Every box
// has one OK button. Tests install a recorder.
#include <QString>
#include <memory>
#include <vector>

namespace host {

enum class MsgIcon { None, Critical };

struct MessageBoxCall {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const MessageBoxCall& call) = 0;
};

class MessageBoxRecorder : public MessageBoxService {
public:
    void show(const MessageBoxCall& call) override { calls.push_back(call); }
    std::vector<MessageBoxCall> calls;
};

void ShowMessageBox(const QString& text, const QString& title, MsgIcon icon);
// Installs a service and returns the previous one (null restores the real box).
std::unique_ptr<MessageBoxService> installMessageBox(std::unique_ptr<MessageBoxService> service);

}  // namespace host
