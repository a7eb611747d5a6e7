#include "app/forms.h"

#include "platform/scheduler.h"
#include "platform/timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <cmath>
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

struct Scaling {
    qreal factor = 1.0;
    QPointer<QGraphicsView> view;
    std::function<void()> changed;
    qreal nextZ = 1.0;
};
Scaling& scaling() {
    static Scaling s;
    return s;
}

// Tells the backdrop when a screen comes or goes.
class ScreenWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && scaling().changed)
            QMetaObject::invokeMethod(
                this,
                [] {
                    if (scaling().changed) scaling().changed();
                },
                Qt::QueuedConnection);
        return QObject::eventFilter(watched, e);
    }
};
ScreenWatch& screenWatch() {
    static ScreenWatch* w = new ScreenWatch();
    return *w;
}

// The view over the client area that draws the screens at the factor. Its
// background is left unpainted, so the backdrop shows where no screen is.
QGraphicsView* makeView(QWidget* client) {
    auto* scene = new QGraphicsScene();
    auto* view = new QGraphicsView(scene, client);
    scene->setParent(view);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setBackgroundBrush(Qt::NoBrush);
    view->viewport()->setAutoFillBackground(false);
    view->setAutoFillBackground(false);
    // The 2x pictures are drawn down to 1.5x and up to 3x: smoothly, not by
    // dropping or doubling pixels.
    view->setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    view->setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    view->setCacheMode(QGraphicsView::CacheNone);
    return view;
}

void placeView() {
    Scaling& sc = scaling();
    QWidget* client = hostWidget();
    if (!sc.view || !client) return;
    sc.view->setGeometry(0, 0, client->width(), client->height());
    sc.view->resetTransform();
    sc.view->scale(sc.factor, sc.factor);
    sc.view->scene()->setSceneRect(QRectF(QPointF(0, 0), QSizeF(Forms::screenArea())));
}

// Puts a screen where the factor wants it: a plain child of the client area
// at 1, a widget in the view otherwise.
void hostScreen(GameForm* form) {
    QWidget* client = hostWidget();
    if (!client) return;
    Scaling& sc = scaling();
    const bool scaled = sc.factor != 1.0 && form->scalesWithHost();
    QGraphicsProxyWidget* proxy = form->graphicsProxyWidget();
    if (scaled == (proxy != nullptr) && (scaled || form->parentWidget() == client)) return;
    const bool shown = form->isVisible() || (proxy && proxy->isVisible());
    const bool focused = form->isAncestorOf(QApplication::focusWidget()) || form->hasFocus();
    if (proxy) {
        proxy->setWidget(nullptr);
        delete proxy;
    }
    if (scaled) {
        if (!sc.view) {
            sc.view = makeView(client);
            placeView();
        }
        form->setParent(nullptr);
        QGraphicsProxyWidget* p = sc.view->scene()->addWidget(form);
        p->setZValue(sc.nextZ++);
        sc.view->show();
        sc.view->raise();
    } else {
        form->setParent(client, Qt::Widget);
    }
    form->HostResized();
    if (shown) {
        form->show();
        if (focused) form->Show();
    }
}
}  // namespace

GameForm::GameForm(QWidget* parent) : QWidget(parent) {}

GameForm::~GameForm() {
    Forms::forget(this);
}

void GameForm::Show() {
    show();
    if (QGraphicsProxyWidget* proxy = graphicsProxyWidget()) {
        // The newest screen is drawn over the others, as raise() does among
        // the client area's children.
        proxy->setZValue(scaling().nextZ++);
        if (QGraphicsView* view = scaling().view) {
            view->activateWindow();
            view->setFocus();
        }
        proxy->setFocus();
        setFocus();
        return;
    }
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
    if (QGraphicsProxyWidget* proxy = graphicsProxyWidget()) {
        const QSize area = Forms::screenArea();
        proxy->setPos((area.width() - width()) / 2, (area.height() - height()) / 2);
        return;
    }
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
    // A new client area starts at the screens' designed size; its window
    // applies the player's choice once it is laid out.
    if (hostWidget() != clientArea) {
        scaling() = Scaling{};
    }
    hostWidget() = clientArea;
}
QWidget* host() {
    return hostWidget();
}

void setScale(qreal factor) {
    if (!(factor >= 1.0) || !std::isfinite(factor)) factor = 1.0;
    Scaling& sc = scaling();
    if (factor == sc.factor) return;
    sc.factor = factor;
    placeView();
    for (GameForm* f : screens()) hostScreen(f);
    if (sc.view && factor == 1.0) sc.view->hide();
    layoutScreens();
    if (sc.changed) sc.changed();
}

qreal scale() {
    return scaling().factor;
}

QSize screenArea() {
    QWidget* client = hostWidget();
    if (!client) return {};
    const qreal f = scaling().factor;
    return QSize(static_cast<int>(client->width() / f), static_cast<int>(client->height() / f));
}

void layoutScreens() {
    placeView();
    for (GameForm* f : screens()) f->HostResized();
}

QGraphicsView* scaledView() {
    Scaling& sc = scaling();
    return sc.view && sc.view->isVisible() ? sc.view.data() : nullptr;
}

QPoint mapToHost(const QWidget* widget, QPointF local) {
    const QWidget* top = widget;
    while (top->parentWidget() && !top->graphicsProxyWidget()) top = top->parentWidget();
    const QPointF inTop = widget->mapTo(top, local);
    if (QGraphicsProxyWidget* proxy = top->graphicsProxyWidget()) {
        QGraphicsView* view = scaling().view;
        return view->mapTo(hostWidget(), view->mapFromScene(proxy->mapToScene(inTop)));
    }
    QWidget* client = hostWidget();
    return client ? widget->mapTo(client, local).toPoint() : inTop.toPoint();
}

std::vector<GameForm*> screens() {
    std::vector<GameForm*> out;
    for (auto& [type, f] : registry())
        if (f && !f->unloaded() && !f->isDialog() && (!f->isWindow() || f->graphicsProxyWidget())) out.push_back(f);
    return out;
}

void setScreensChanged(std::function<void()> changed) {
    scaling().changed = std::move(changed);
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
            form->installEventFilter(&screenWatch());
            hostScreen(form);
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
