#include "app/forms.h"
#include "support/game_test.h"

namespace {

class ProbeForm : public GameForm {
public:
    ProbeForm() { ++created; }
    void Form_Load() override { ++loads; }
    void Form_Unload(bool& cancel) override {
        ++unloads;
        cancel = refuse;
    }
    static inline int created = 0, loads = 0, unloads = 0;
    static inline bool refuse = false;
};

class FormsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ProbeForm::created = ProbeForm::loads = ProbeForm::unloads = 0;
        ProbeForm::refuse = false;
    }
};

TEST_F(FormsTest, AWindowIsCreatedAndLoadedOnFirstReferenceOnly) {
    EXPECT_FALSE(Forms::IsLoaded<ProbeForm>());
    ProbeForm& a = Forms::Get<ProbeForm>();
    ProbeForm& b = Forms::Get<ProbeForm>();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(ProbeForm::created, 1);
    EXPECT_EQ(ProbeForm::loads, 1);
}

TEST_F(FormsTest, AFreshInstanceAfterUnload) {
    Forms::Get<ProbeForm>().Show();
    EXPECT_TRUE(Forms::Get<ProbeForm>().Unload());
    EXPECT_EQ(ProbeForm::unloads, 1);
    EXPECT_FALSE(Forms::IsLoaded<ProbeForm>());
    advance(1);
    Forms::Get<ProbeForm>();
    EXPECT_EQ(ProbeForm::created, 2);
    EXPECT_EQ(ProbeForm::loads, 2);
}

TEST_F(FormsTest, ACancelledUnloadKeepsTheWindow) {
    ProbeForm& f = Forms::Get<ProbeForm>();
    ProbeForm::refuse = true;
    EXPECT_FALSE(f.Unload());
    EXPECT_TRUE(Forms::IsLoaded<ProbeForm>());
    ProbeForm::refuse = false;
    EXPECT_TRUE(Forms::Unload<ProbeForm>());
    EXPECT_FALSE(Forms::IsLoaded<ProbeForm>());
}

TEST_F(FormsTest, ScreensAreChildrenOfTheHostAndCentredInIt) {
    QWidget host;
    host.resize(800, 600);
    Forms::setHost(&host);
    ProbeForm& f = Forms::Get<ProbeForm>();
    EXPECT_EQ(f.parentWidget(), &host);
    f.resize(200, 100);
    f.CenterInHost();
    EXPECT_EQ(f.pos(), QPoint(300, 250));
    Forms::discardAll();
    Forms::setHost(nullptr);
}

}  // namespace
