#include "scenes/scene_form.h"

#include "app/state.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "platform/program_folder.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"

#include <QGraphicsProxyWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kDefaultWidth = 640, kDefaultHeight = 480;
}

const SceneStep* FindSceneStep(const SceneScript& script, int32_t step) {
    for (const SceneStep& row : script)
        if (step >= row.first && step <= row.last) return &row;
    return nullptr;
}

SceneLabel::SceneLabel(QWidget* parent) : QLabel(parent) {}

void SceneLabel::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void SceneLabel::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (rect().contains(e->position().toPoint())) Q_EMIT clicked();
}

SceneForm::SceneForm() {
    resize(kDefaultWidth, kDefaultHeight);
    setFocusPolicy(Qt::StrongFocus);
}

SceneForm::Busy::~Busy() {
    if (--f_->busy_ == 0 && f_->deletePending_) {
        f_->deletePending_ = false;
        f_->deleteLater();
    }
}

bool SceneForm::event(QEvent* e) {
    // A window closed while one of its handlers still runs is destroyed when
    // that handler is done (see Busy).
    if (e->type() == QEvent::DeferredDelete && busy_ > 0) {
        deletePending_ = true;
        return true;
    }
    return GameForm::event(e);
}

bool SceneForm::Preload(Cache& cache, const char* prefix, int count, const std::function<void(int)>& before) {
    Busy busy(this);
    cache.assign(count);
    for (int n = 1; n <= count; ++n) {
        if (before) before(n);
        PictureFile picture = ReadPictureFile(DataFileName(prefix, n));
        // The window may have been closed while events ran; its pictures are
        // gone then and must stay gone.
        if (closing()) return false;
        cache.set(n, std::move(picture));
        host::DoEvents();
        if (closing()) return false;
    }
    return true;
}

const QPixmap& SceneForm::Cache::picture(int n) const {
    static const QPixmap none;
    if (n < 1 || n > size()) return none;
    if (decoded_ != n) {
        picture_ = DecodePicture(files_[static_cast<size_t>(n - 1)]);
        decoded_ = n;
    }
    return picture_;
}

void SceneForm::Skip() {
    Unload();
}

void SceneForm::SetInterval(host::Timer& timer, int32_t ms) {
    if (timer.interval() == ms && timer.enabled()) {
        timer.setEnabled(false);
        timer.setEnabled(true);
    } else {
        timer.setInterval(ms);
    }
}

void SceneForm::RunStep(host::Timer& timer, const SceneScript& script) {
    if (closing()) return;
    Busy busy(this);
    ++Step;
    const SceneStep* row = FindSceneStep(script, Step);
    if (!row) return;
    if (row->interval > 0) SetInterval(timer, row->interval);
    if (row->action) row->action(Step);
}

void SceneForm::Form_Unload(bool&) {
    // Nothing of the scene may run once it is closing, not even a tick that
    // falls due while the next window is being opened.
    closing_ = true;
    host::Timer::disableAllOwnedBy(this);
}

void SceneForm::Form_Resize() {
    CentreCanvas(Picture1);
}

void SceneForm::CentreCanvas(QWidget* canvas) {
    if (!canvas) return;
    canvas->move((width() - canvas->width()) / 2, (height() - canvas->height()) / 2);
}

void SceneForm::FillHost() {
    fillsHost_ = true;
    if (graphicsProxyWidget()) {
        // Drawn scaled: the area is the client area in the screens' pixels.
        HostResized();
        return;
    }
    QWidget* client = parentWidget();
    if (!client || isWindow()) return;
    client->installEventFilter(this);
    setGeometry(0, 0, client->width(), client->height());
}

void SceneForm::HostResized() {
    if (!fillsHost_) {
        GameForm::HostResized();
        return;
    }
    if (graphicsProxyWidget()) {
        setGeometry(QRect(QPoint(0, 0), Forms::screenArea()));
        graphicsProxyWidget()->setPos(0, 0);
    } else if (QWidget* client = parentWidget(); client && !isWindow()) {
        client->installEventFilter(this);
        setGeometry(0, 0, client->width(), client->height());
    }
}

bool SceneForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && watched && e->type() == QEvent::Resize && !isWindow())
        setGeometry(0, 0, parentWidget()->width(), parentWidget()->height());
    return GameForm::eventFilter(watched, e);
}

void SceneForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

void SceneForm::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void SceneForm::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void SceneForm::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (skipOnFormClick) Skip();
}

void SceneForm::keyPressEvent(QKeyEvent* e) {
    if (skipOnKey) {
        e->accept();
        Skip();
        return;
    }
    const bool skipKey = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space ||
                         e->key() == Qt::Key_Escape;
    if (KeyboardAccess && skipsOnClick && skipKey && !e->isAutoRepeat() &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        e->accept();
        Skip();
        return;
    }
    GameForm::keyPressEvent(e);
}

void SceneForm::NameScene(const QString& name) {
    setAccessibleName(name);
    for (SceneCanvas* c : findChildren<SceneCanvas*>()) c->setAccessibleName(name);
}
