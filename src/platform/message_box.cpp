#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace host {

namespace {
class RealMessageBox : public MessageBoxService {
public:
    void show(const MessageBoxCall& call) override {
        QMessageBox box(call.icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, call.title,
                        QString(call.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
};

std::unique_ptr<MessageBoxService>& current() {
    static std::unique_ptr<MessageBoxService> s = std::make_unique<RealMessageBox>();
    return s;
}
}  // namespace

void ShowMessageBox(const QString& text, const QString& title, MsgIcon icon) {
    current()->show(MessageBoxCall{text, title, icon});
}

std::unique_ptr<MessageBoxService> installMessageBox(std::unique_ptr<MessageBoxService> service) {
    auto old = std::move(current());
    current() = service ? std::move(service) : std::make_unique<RealMessageBox>();
    return old;
}

}  // namespace host
