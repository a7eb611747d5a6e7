#include "platform/scheduler.h"

#include "platform/real_time.h"

#include <QWidget>

namespace host {

namespace {
Scheduler* g_installed = nullptr;

Scheduler& realScheduler() {
    static RealScheduler* s = new RealScheduler;  // lives as long as the process
    return *s;
}
}  // namespace

Scheduler& sched() {
    return g_installed ? *g_installed : realScheduler();
}

Scheduler* installScheduler(Scheduler* s) {
    Scheduler* old = g_installed;
    g_installed = s;
    return old;
}

uint32_t Clock() {
    return static_cast<uint32_t>(sched().now());
}

void DoEvents() {
    sched().doEvents();
}

void Defer(std::function<void()> fn) {
    sched().defer(std::move(fn));
}

void Scheduler::runDeferred() {
    while (!deferred_.empty()) {
        std::function<void()> fn = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        fn();
    }
}

void RunModal(QWidget* w) {
    if (!w) return;
    QPointer<QWidget> p(w);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->raise();
    w->activateWindow();
    sched().waitUntil([p] { return !p || !p->isVisible(); });
}

}  // namespace host
