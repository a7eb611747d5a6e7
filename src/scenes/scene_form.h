#pragma once
// What every scene window shares: a step counter driven by window timers, a
// script of steps (what each step does and how long until the next), pictures
// preloaded from a numbered series, a canvas kept centred in a window that
// fills the main window, and skipping, which closes the window at once.
#include "app/forms.h"
#include "app/picture_file.h"
#include "platform/memory.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace host {
class Timer;
}
class SceneCanvas;

// One row of a scene's script: steps first..last do `action` (which may be
// empty) and the timer then waits `interval` ms for the next step; 0 keeps
// the interval running now.
struct SceneStep {
    int32_t first;
    int32_t last;
    int32_t interval;
    std::function<void(int32_t step)> action;
};
using SceneScript = std::vector<SceneStep>;

// The row of `script` that covers `step`, or null: a step without a row does
// nothing and the picture stays up for another interval.
const SceneStep* FindSceneStep(const SceneScript& script, int32_t step);

// A label that tells when it is clicked (the scenes skip on some of them).
class SceneLabel : public QLabel {
    Q_OBJECT
public:
    explicit SceneLabel(QWidget* parent);
Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class SceneForm : public GameForm {
    Q_OBJECT
public:
    SceneForm();

    int32_t Step = 0;

    // Preloaded pictures of a series, kept as their files' bytes: at 2x the
    // opening's frames would take some 70 MB as pixels. The picture last
    // asked for stays decoded, since scenes draw one picture many times.
    class Cache {
    public:
        // Picture n (from 1), or the empty picture when there is none.
        const QPixmap& picture(int n) const;
        int size() const { return static_cast<int>(files_.size()); }
        // How many of the pictures have been read so far.
        int loaded() const {
            return static_cast<int>(
                std::count_if(files_.begin(), files_.end(), [](const PictureFile& f) { return !f.bytes.isEmpty(); }));
        }
        void assign(int count) { files_.assign(static_cast<size_t>(count), PictureFile()); }
        void set(int n, PictureFile file) { files_[static_cast<size_t>(n - 1)] = std::move(file); }

    private:
        std::vector<PictureFile> files_;
        mutable int decoded_ = 0;
        mutable QPixmap picture_;
    };
    // Loads prefix1 .. prefix<count> into `cache`, letting window events run
    // after each picture so the window stays responsive and a progress
    // display can repaint; `before(n)` runs before picture n is loaded. False
    // when the window was closed meanwhile: the caller must stop then.
    bool Preload(Cache& cache, const char* prefix, int count, const std::function<void(int)>& before = {});
    static void Release(Cache& cache) {
        cache = Cache();
        host::ReturnFreeMemory();
    }

    // Closed, or closing: from then on nothing may be drawn.
    bool closing() const { return closing_ || unloaded(); }
    // Closes the scene at once; its unload opens the next window.
    virtual void Skip();

    // Setting an interval always restarts the countdown, even when the value
    // is the same, so a step's interval is exactly the time to the next step.
    static void SetInterval(host::Timer& timer, int32_t ms);
    // Advances the step on `timer` by running its row of `script`: the
    // interval is set first, so drawing done by the step does not stretch it.
    void RunStep(host::Timer& timer, const SceneScript& script);

    void Form_Unload(bool& cancel) override;
    virtual void Form_Resize();

    // Held while a handler of the scene runs code that lets events run (a
    // load, a step): a skip among those events closes the window, but it is
    // destroyed only once the handler has returned, so the handler can see
    // that it must stop.
    class Busy {
    public:
        explicit Busy(SceneForm* f) : f_(f) { ++f_->busy_; }
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        SceneForm* f_;
    };

    // Centres a canvas in the window.
    void CentreCanvas(QWidget* canvas);
    SceneCanvas* Picture1 = nullptr;

protected:
    bool fillsHost_ = false;
    // Makes the window cover the main window's client area and follow it.
    void FillHost();
    void HostResized() override;
    // Which inputs skip this scene: a click on the window itself, any key.
    bool skipOnFormClick = true;
    bool skipOnKey = false;
    // Whether some click skips the scene (on the window, a canvas or a label).
    // Such a scene also skips on Enter, Space or Escape when the keyboard
    // option is on, so a player without a mouse is not made to sit through it.
    bool skipsOnClick = true;
    // Names the scene and its canvases for screen readers.
    void NameScene(const QString& name);

    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool closing_ = false;
    int busy_ = 0;
    bool deletePending_ = false;
};
