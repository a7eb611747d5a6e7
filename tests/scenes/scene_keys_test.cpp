// The scenes a click skips skip on Enter, Space or Escape too when the
// keyboard option is on; off, those keys do nothing there, as before. The
// game-over screen, which no click skips, holds its three seconds either way.
#include "scene_test.h"
#include "scenes/ending_form.h"
#include "scenes/making_form.h"
#include "scenes/over_form.h"
#include "scenes/staff_form.h"

#include <QAccessible>

namespace {

enum class Scene { Ending, Staff, Making, Over };

struct SceneKeyCase {
    Scene scene;
    bool option;
    int key;
    bool skips;
};

class SceneKeysTest : public SceneTest, public ::testing::WithParamInterface<SceneKeyCase> {
protected:
    SceneForm* open(Scene s) {
        switch (s) {
            case Scene::Ending:
                ShowEnding();
                return Forms::Find<EndingForm>();
            case Scene::Staff:
                ShowStaffRoll();
                return Forms::Find<StaffForm>();
            case Scene::Making:
                ShowMaking();
                return Forms::Find<MakingForm>();
            case Scene::Over:
                ShowGameOver();
                return Forms::Find<OverForm>();
        }
        return nullptr;
    }
};

TEST_P(SceneKeysTest, Key) {
    const SceneKeyCase c = GetParam();
    KeyboardAccess = c.option;
    QPointer<SceneForm> f = open(c.scene);
    ASSERT_TRUE(f);
    advance(100);
    ASSERT_TRUE(f && !f->closing());
    QWidget* target = f->window()->focusWidget() ? f->window()->focusWidget() : f.data();
    EXPECT_TRUE(target == f || f->isAncestorOf(target)) << "the scene has the keyboard";
    time->after(1, [target = QPointer<QWidget>(target), k = c.key] {
        if (!target) return;
        ui::KeyPress(target, k);
        if (target) ui::KeyRelease(target, k);
    });
    advance(5);
    EXPECT_EQ(!f || f->closing(), c.skips);
}

std::vector<SceneKeyCase> sceneKeyCases() {
    std::vector<SceneKeyCase> out;
    for (Scene s : {Scene::Ending, Scene::Staff, Scene::Making, Scene::Over})
        for (bool on : {false, true})
            for (int k : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_A})
                out.push_back({s, on, k, on && s != Scene::Over && k != Qt::Key_A});
    return out;
}

std::string caseName(const ::testing::TestParamInfo<SceneKeyCase>& info) {
    static const char* const scenes[] = {"ending", "staff", "making", "over"};
    const SceneKeyCase& c = info.param;
    std::string key = "letter";
    if (c.key == Qt::Key_Return) key = "enter";
    if (c.key == Qt::Key_Space) key = "space";
    if (c.key == Qt::Key_Escape) key = "escape";
    return std::string(scenes[static_cast<int>(c.scene)]) + (c.option ? "_on_" : "_off_") + key;
}

INSTANTIATE_TEST_SUITE_P(Scenes, SceneKeysTest, ::testing::ValuesIn(sceneKeyCases()), caseName);

// Every scene, its canvases and its shown captions carry a name a screen
// reader can say.
TEST_F(SceneKeysTest, EveryControlHasAName) {
    for (Scene s : {Scene::Ending, Scene::Staff, Scene::Making, Scene::Over}) {
        QPointer<SceneForm> f = open(s);
        ASSERT_TRUE(f);
        advance(100);
        ASSERT_TRUE(f);
        EXPECT_FALSE(f->accessibleName().isEmpty());
        for (QWidget* w : f->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            if (label && label->text().isEmpty()) continue;  // shows nothing yet
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
        }
        Forms::discardAll();
        Forms::Get<MeinForm>();
        advance(10);
    }
}

}  // namespace
