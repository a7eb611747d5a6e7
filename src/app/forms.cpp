#include "app/forms.h"

#include "platform/scheduler.h"
#include "platform/timer.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <map>

namespace {
std::map<std::type_index, QPointer<GameForm>>& registry() {
    static std::map<std::type_index, QPointer<GameForm>> r;
    return r;
}
QPointer<QWidget>& hostWidget() {
    static QPointer<QWidget> h;
    return h;
}
}  // namespace

GameForm::GameForm(QWidget* parent) : QWidget(parent) {}

GameForm::~GameForm() {
    Forms::forget(this);
}

void GameForm::Show() {
    show();
    raise();
    activateWindow();
    setFocus();
}

void GameForm::ShowModal() {
    host::RunModal(this);
}

bool GameForm::Unload() {
    if (unloaded_ || unloading_) return true;
    unloading_ = true;
    bool cancel = false;
    Form_Unload(cancel);
    unloading_ = false;
    if (cancel) return false;
    unloaded_ = true;
    host::Timer::disableAllOwnedBy(this);
    Forms::forget(this);
    hide();
    deleteLater();
    return true;
}

void GameForm::CenterInHost() {
    QWidget* p = parentWidget();
    if (!p || isWindow()) return;
    move((p->width() - width()) / 2, (p->height() - height()) / 2);
}

void GameForm::setDialogButtons(QAbstractButton* accept, QAbstractButton* reject) {
    acceptButton_ = accept;
    rejectButton_ = reject;
}

void GameForm::keyPressEvent(QKeyEvent* e) {
    pendingButton_ = nullptr;
    if ((acceptButton_ || rejectButton_) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
            // Pressed on release: a button that opens the key-capture window
            // must not have that window catch this very Enter as its key.
            pendingButton_ = focused && !focused->isCheckable() ? focused : acceptButton_.data();
            return;
        }
        if (e->key() == Qt::Key_Escape && rejectButton_ && rejectButton_->isEnabled()) {
            rejectButton_->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void GameForm::keyReleaseEvent(QKeyEvent* e) {
    QAbstractButton* target = pendingButton_;
    pendingButton_ = nullptr;
    if (target && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        if (target->isVisible() && target->isEnabled()) target->click();
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void GameForm::closeEvent(QCloseEvent* e) {
    if (unloaded_ || Unload())
        e->accept();
    else
        e->ignore();
}

namespace Forms {

void setHost(QWidget* clientArea) {
    hostWidget() = clientArea;
}
QWidget* host() {
    return hostWidget();
}

GameForm* find(std::type_index type) {
    auto& r = registry();
    auto it = r.find(type);
    if (it == r.end()) return nullptr;
    if (!it->second || it->second->unloaded()) {
        r.erase(it);
        return nullptr;
    }
    return it->second;
}

void attach(std::type_index type, GameForm* form) {
    registry()[type] = form;
    if (QWidget* h = host()) {
        if (form->isDialog()) {
            form->setParent(h->window(), Qt::Dialog);
        } else {
            form->setParent(h, Qt::Widget);
        }
    } else if (form->isDialog()) {
        form->setWindowFlag(Qt::Dialog);
    }
}

void forget(GameForm* form) {
    auto& r = registry();
    for (auto it = r.begin(); it != r.end();) {
        if (it->second == form || !it->second)
            it = r.erase(it);
        else
            ++it;
    }
}

void discardAll() {
    auto& r = registry();
    std::vector<QPointer<GameForm>> forms;
    for (auto& [type, f] : r) forms.push_back(f);
    r.clear();
    // A hand-back still waiting to run would open the next window of a game
    // that has ended.
    host::sched().dropDeferred();
    for (auto& f : forms) {
        if (!f) continue;
        host::Timer::disableAllOwnedBy(f);
        f->hide();
        f->deleteLater();
    }
}

}  // namespace Forms
