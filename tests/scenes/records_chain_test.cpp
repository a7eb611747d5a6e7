#include "campaign/mes_form.h"
#include "scene_test.h"
#include "scenes/ending_form.h"
#include "scenes/staff_form.h"

namespace {

class RecordsChainTest : public SceneTest {
protected:
    // Closes every message as it comes and notes it. Once the personal record
    // has been announced the run's points grow: a second update of the
    // records in the same chain would then announce again.
    void watchMessages() {
        time->after(50, [this] {
            if (MesForm* m = Forms::Find<MesForm>(); m && m->isVisible()) {
                messages.push_back(m->Label2->text());
                if (StaffForm* s = Forms::Find<StaffForm>(); s && s->Timer1->enabled()) rollRanDuringMessages = true;
                if (m->Label2->text().contains(QStringLiteral("自己記録"))) TotalPoint += 1000;
                ui::Click(m->Label3[1]);
            }
            if (!Forms::IsLoaded<OpenForm>()) watchMessages();
        });
    }
    bool rollRanDuringMessages = false;
};

TEST_F(RecordsChainTest, EachChainUpdatesTheRecordsOnceBeforeTheRoll) {
    struct Case {
        const char* chain;
        int32_t skipAfter;  // -1: the ending plays to its end
    };
    const Case cases[] = {{"ending", -1}, {"ending", 0}, {"ending", 20}, {"ending", 45}, {"game over", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.chain << ", skipped after step " << c.skipAfter);
        host::settings().remove(kAppName, QStringLiteral("Data"), QStringLiteral("PB"));
        host::settings().remove(kAppName, QStringLiteral("Data"), QStringLiteral("MB"));
        NotOfficial = false;
        TotalPoint = 9000;  // above the built-in records
        messages.clear();
        watchMessages();
        rollRanDuringMessages = false;
        if (std::string(c.chain) == "game over") {
            ShowGameOver();
        } else {
            ShowEnding();
            EndingForm* f = Forms::Find<EndingForm>();
            ASSERT_NE(f, nullptr);
            if (c.skipAfter > 0) runToStep(f, f->Timer1, c.skipAfter);
            if (c.skipAfter >= 0) clickSoon(f);
        }
        while (!Forms::IsLoaded<StaffForm>()) advance(100);
        while (!Forms::IsLoaded<OpenForm>()) advance(1000);
        advance(200);
        EXPECT_FALSE(rollRanDuringMessages);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_TRUE(messages[0].contains(QStringLiteral("公認記録の更新")));
        EXPECT_TRUE(messages[1].contains(QStringLiteral("自己記録の更新")));
        EXPECT_EQ(ReadOfficialRecord(), 9000);
        EXPECT_EQ(ReadPersonalRecord(), 9000);
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

}  // namespace
