#include "media/data_files.h"
#include "media/pictures.h"
#include "scene_test.h"
#include "scenes/making_form.h"

namespace {

class MakingTest : public SceneTest {
protected:
    MakingForm& start() {
        ShowMaking();
        MakingForm* f = Forms::Find<MakingForm>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
};

TEST_F(MakingTest, ACaptionEverySevenSecondsOverItsPicture) {
    MakingForm& f = start();
    EXPECT_TRUE(menusInSceneMode());
    std::vector<QPixmap> pictures;
    for (int n = 1; n <= 5; ++n) pictures.push_back(LoadPicture(DataFileName("gData", n)));
    QStringList captions;
    std::vector<Tick> ticks = play(&f, f.Timer1, [&] {
        captions << f.Label1->text();
        return ShownPicture(f.Picture1, pictures);
    });
    // The picture after each step (0 blank) and its caption.
    struct Row {
        int shown;
        const char* caption;
    };
    const Row rows[] = {
        {1, "Vantrax 完成への軌跡を紹介します。"},
        {0, "すべては思考錯誤の連続でした・・・"},
        {2, "始めはたった3人で作り上げました。"},
        {2, "どうしたら良い製品ができるか\n毎日が意見のぶつかりあいでした"},
        {2, "多くのアイディアがごみ箱へ消えていきました"},
        {0, "でも くじけませんでした"},
        {0, "皆様に楽しんでもらえるためだけに"},
        {3, "多くの資料を参考にシナリオを考えました"},
        {3, "喜び・涙・汗 の連続でした"},
        {4, "クラスのみんなで協力してトランプを研究しました"},
        {4, "何回も何回も同じ事を繰り返しました"},
        {4, "教室が使えないときは、\n廊下に新聞をひいて寒さに耐えながらやりました"},
        {4, "時には下校時刻の6:00を過ぎてもやり続けました"},
        {4, "使いすぎてトランプが薄くなり、透けるまで・・・"},
        {0, "すべては あなたの為に"},
        {0, "やっと、苦労を重ね完成しました"},
        {0, "喜びました"},
        {0, "思わず、飛んでしまいました。"},
        {5, ""},
        {5, "本当にVantraxで遊んでくれて、ありがとう"},
        {5, "心から"},
        {0, "Nimbrel社員一同  より"},
        {1, "The End"},
        {1, "The End"},
        {0, ""},
    };
    ASSERT_EQ(ticks.size(), 26u);
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i + 1);
        EXPECT_EQ(ticks[i].shown, rows[i].shown);
        EXPECT_EQ(captions[static_cast<qsizetype>(i)], QString::fromUtf8(rows[i].caption));
        EXPECT_EQ(ticks[i].interval, 7000);
        EXPECT_EQ(ticks[i].at - (i ? ticks[i - 1].at : ticks[0].at - 7000), 7000u);
    }
    EXPECT_FALSE(Forms::IsLoaded<MakingForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
}

TEST_F(MakingTest, OnlyTheClickOnThePictureOrTheCaptionEndsIt) {
    MakingForm& f = start();
    runToStep(&f, f.Timer1, 3);
    clickSoon(&f);
    ASSERT_TRUE(Forms::IsLoaded<MakingForm>()) << "a click beside the picture does nothing";
    clickSoon(f.Label1);
    EXPECT_FALSE(Forms::IsLoaded<MakingForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
    Forms::Unload<OpenForm>();
    MakingForm& g = start();
    runToStep(&g, g.Timer1, 10);
    clickSoon(g.Picture1);
    EXPECT_FALSE(Forms::IsLoaded<MakingForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
}

TEST_F(MakingTest, AShiftClickOnTheTitlesBackgroundOpensIt) {
    struct Case {
        Qt::KeyboardModifiers keys;
        bool opens;
    };
    for (const Case& c : {Case{Qt::ShiftModifier | Qt::ControlModifier, false}, Case{Qt::NoModifier, false},
                          Case{Qt::ShiftModifier | Qt::AltModifier, false}, Case{Qt::ShiftModifier, true}}) {
        Forms::Get<OpenForm>().Show();
        QPointer<OpenForm> title(Forms::Find<OpenForm>());
        time->after(1, [title, c] { ui::Click(title, c.keys, QPoint(10, 470)); });
        advance(2);
        SCOPED_TRACE(testing::Message() << "modifiers " << c.keys.toInt());
        EXPECT_EQ(Forms::IsLoaded<MakingForm>(), c.opens);
        EXPECT_EQ(Forms::IsLoaded<OpenForm>(), !c.opens);
    }
    EXPECT_TRUE(menusInSceneMode());
}

}  // namespace
