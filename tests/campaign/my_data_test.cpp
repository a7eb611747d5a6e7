// The player data window shows the two records and writes nothing.
#include "campaign/my_data.h"
#include "campaign/campaign_window_test.h"
#include "campaign/sheet_button.h"
#include "records/record_book.h"

#include <QFile>

namespace {

using MyDataTest = CampaignWindowTest;

TEST_F(MyDataTest, ShowsBothRecordsAndWritesNothing) {
    const QString path = host::settings().path();
    ASSERT_FALSE(QFile::exists(path)) << "the fixture starts with an empty store";
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ShowMyData();
        MyData* d = Forms::Find<MyData>();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("成績管理"));
        EXPECT_EQ(d->Label1[0]->text(), QStringLiteral("公認記録"));
        EXPECT_EQ(d->Label1[1]->text(), QStringLiteral("自己ベスト"));
        EXPECT_EQ(d->Label2[0]->text(), QString::number(ReadOfficialRecord()));
        EXPECT_EQ(d->Label2[1]->text(), QString::number(ReadPersonalRecord()));
        EXPECT_TRUE(
            d->Label3->text().startsWith(QStringLiteral("公認記録をインターネット上に登録することができます。")));
        clickSoon(d->Image1);
        EXPECT_FALSE(Forms::IsLoaded<MyData>());
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(MyDataTest, ShowsStoredRecordsAsPlainNumbers) {
    ASSERT_TRUE(records::WriteRecord(records::kOfficialRecord, 182000));
    ASSERT_TRUE(records::WriteRecord(records::kPersonalRecord, 1234567));
    ShowMyData();
    MyData* d = Forms::Find<MyData>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Label2[0]->text(), QStringLiteral("182000"));
    EXPECT_EQ(d->Label2[1]->text(), QStringLiteral("1234567"));
}

}  // namespace
