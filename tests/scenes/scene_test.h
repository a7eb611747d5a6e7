#pragma once
// The fixture of the scene tests: the main window hosts the scenes, as in the
// game, and a scene can be played tick by tick in virtual time, noting after
// each tick its step, the interval to the next one and what it shows.
#include "app/shared_procedures.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"
#include "scenes/scene_form.h"
#include "shell/open_form.h"
#include "shell/shell_test.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <vector>

// The number of the cached picture the canvas shows, 0 for a blank canvas,
// -1 for anything else.
inline int ShownPicture(const SceneCanvas* canvas, const std::vector<QPixmap>& pictures) {
    const QImage shown = canvas->image().convertToFormat(QImage::Format_RGB32);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QPixmap& p = pictures[i];
        if (p.isNull() || p.size() != shown.size()) continue;
        if (p.toImage().convertToFormat(QImage::Format_RGB32) == shown) return static_cast<int>(i) + 1;
    }
    QImage blank(shown.size(), QImage::Format_RGB32);
    blank.fill(Qt::black);
    return shown == blank ? 0 : -1;
}

inline int ShownPicture(const SceneCanvas* canvas, const SceneForm::Cache& cache) {
    std::vector<QPixmap> pictures;
    for (int n = 1; n <= cache.size(); ++n) pictures.push_back(cache.picture(n));
    return ShownPicture(canvas, pictures);
}

struct Tick {
    int32_t step;
    int64_t interval;  // ms from this tick to the next, -1 when the timer stopped
    int shown;
    uint64_t at;  // when the tick was due
};

class SceneTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        MesTime = 3;
        Forms::Get<MeinForm>();
        advance(10);
    }

    // Lets virtual time run to the next tick of whichever of `timers` is due
    // first. False when none is running or the scene has closed.
    bool nextTick(const QPointer<SceneForm>& form, std::initializer_list<host::Timer*> timers) {
        if (!form || form->closing()) return false;
        host::Timer* due = nullptr;
        for (host::Timer* t : timers)
            if (t->counting() && (!due || t->deadline() < due->deadline())) due = t;
        if (!due) return false;
        lastDue = due->deadline();
        advance(lastDue - time->now());
        return true;
    }
    uint64_t lastDue = 0;

    // Plays a scene to its end on one timer, noting every tick.
    std::vector<Tick> play(SceneForm* f, host::Timer* timer, const std::function<int()>& shown) {
        std::vector<Tick> ticks;
        QPointer<SceneForm> form(f);
        while (nextTick(form, {timer})) {
            if (!form || form->closing()) {
                ticks.push_back({-1, -1, -1, lastDue});
                break;
            }
            ticks.push_back({form->Step, timer->counting() ? static_cast<int64_t>(timer->deadline() - lastDue) : -1,
                             shown(), lastDue});
        }
        return ticks;
    }

    // Runs until the scene reaches step `step` on `timer`.
    void runToStep(SceneForm* f, host::Timer* timer, int32_t step) {
        QPointer<SceneForm> form(f);
        while (form && form->Step < step && nextTick(form, {timer})) {
        }
        ASSERT_TRUE(form) << "the scene ended before step " << step;
        ASSERT_EQ(form->Step, step);
    }

    static bool menusInSceneMode() {
        MeinForm* m = Forms::Find<MeinForm>();
        return m && !m->mnuNew->isEnabled() && !m->mnuLoad->isEnabled() && !m->mnuSave->isEnabled() &&
               !m->mnuPractice->menuAction()->isEnabled() && m->mnuEnd->isEnabled();
    }
};
