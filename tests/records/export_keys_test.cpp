// The export wizard by keyboard. With the option on, Tab goes through the
// page's controls and then next and cancel, Enter goes on (the last page's
// finish only from the button itself), Escape cancels, and Y or N answer the
// overwrite question. Off, the wizard keeps the keys it always had.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <deque>

#include "records/codec.h"
#include "records/export_sheets.h"
#include "records/folder_lists.h"
#include "records/int_form.h"
#include "records/record_book.h"
#include "records_test.h"

using namespace records;

namespace {

using Action = std::function<void(IntForm&)>;

class ExportKeysTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        ASSERT_TRUE(target.isValid());
        ASSERT_TRUE(WriteRecord(kOfficialRecord, 1234));
    }

    void answerMessage() {
        MesForm* f = Forms::Find<MesForm>();
        if (!f) return;
        if (f == answered) {
            ++unanswered;
            ui::Click(f->Label3[1]);
            return;
        }
        answered = f;
        messages << f->Label2->text();
        if (f->mode() == 1 && !answers.empty()) {
            const int k = answers.front();
            answers.pop_front();
            ui::KeyPress(f, k);
            ui::KeyRelease(f, k);
            return;
        }
        ui::Click(f->Label3[1]);
    }

    // Runs the wizard; each action acts on it a second after the last.
    // Actions left over when the wizard closed early are dropped.
    void run(const std::vector<Action>& actions) {
        const int run = ++runs;
        // Questions take the next key of `answers`; a question still open
        // after it is noted and closed with no, other messages are closed.
        for (size_t i = 1; i <= 20 * (actions.size() + 5); ++i) time->after(50 * i, [this] { answerMessage(); });
        for (size_t i = 0; i < actions.size(); ++i)
            time->after(1000 * (i + 1) + 25, [this, run, a = actions[i]] {
                IntForm* f = Forms::Find<IntForm>();
                if (f && run == runs) a(*f);
            });
        ShowExport();
    }
    int runs = 0;
    // A key pressed and released where the keyboard is.
    static Action key(int k) {
        return [k](IntForm& f) {
            QPointer<QWidget> target = f.focusWidget() ? f.focusWidget() : &f;
            ui::KeyPress(target, k);
            if (target) ui::KeyRelease(target, k);
        };
    }
    static Action name(const QString& n) {
        return [n](IntForm& f) { f.Text3->setText(n); };
    }
    Action folder() {
        return [this](IntForm& f) { f.Dir1_Change(target.path()); };
    }
    // Checks the step and which control has the focus.
    static Action expect(int16_t step, std::function<QWidget*(IntForm&)> focused) {
        return [step, focused](IntForm& f) {
            EXPECT_EQ(f.WizardStep, step);
            if (focused) {
                EXPECT_EQ(f.focusWidget(), focused(f)) << "at step " << step;
            }
        };
    }
    QString exportFile() const { return target.filePath(kExportFileName); }

    QTemporaryDir target;
    QStringList messages;
    std::deque<int> answers;
    int unanswered = 0;

private:
    QPointer<MesForm> answered;
};

QWidget* next(IntForm& f) {
    return f.Picture10;
}
QWidget* cancel(IntForm& f) {
    return f.Picture11;
}
QWidget* nameBox(IntForm& f) {
    return f.Text3;
}

TEST_F(ExportKeysTest, OnTabGoesThroughEachPageThenNextAndCancel) {
    KeyboardAccess = true;
    const auto tab = key(Qt::Key_Tab);
    run({expect(0, next), tab, expect(0, cancel), key(Qt::Key_Return)});  // on cancel: that is what it presses
    EXPECT_FALSE(Forms::IsLoaded<IntForm>());

    run({key(Qt::Key_Return),
         expect(1, nameBox),
         tab,
         expect(1, next),
         tab,
         expect(1, cancel),
         tab,
         expect(1, nameBox),
         name(QStringLiteral("abc")),
         key(Qt::Key_Return),
         expect(2, [](IntForm& f) { return f.Option1[0]; }),
         tab,
         expect(2, next),
         key(Qt::Key_Backtab),
         key(Qt::Key_Return),
         expect(10, [](IntForm& f) { return f.Option3[0]; }),
         tab,
         expect(10, [](IntForm& f) { return f.Drive1; }),
         tab,
         expect(10, [](IntForm& f) { return f.Dir1; }),
         tab,
         expect(10, next),
         key(Qt::Key_Escape)});
    EXPECT_FALSE(Forms::IsLoaded<IntForm>());
    EXPECT_FALSE(QFile::exists(exportFile()));
}

TEST_F(ExportKeysTest, OnTheMailRouteGoesByEnterAndTheFinishOnlyFromItsButton) {
    KeyboardAccess = true;
    run({key(Qt::Key_Return), name(QStringLiteral("abc")), key(Qt::Key_Return), key(Qt::Key_Return), folder(),
         key(Qt::Key_Return), expect(11, [](IntForm& f) { return f.Option2[1]; }), key(Qt::Key_Return),
         expect(30, next),
         [](IntForm& f) {
             EXPECT_EQ(f.Picture10->accessibleName(), QStringLiteral("完了"));
             f.Picture10->clearFocus();
         },
         key(Qt::Key_Return), expect(30, nullptr), [](IntForm& f) { f.Picture10->setFocus(); }, key(Qt::Key_Return)});
    EXPECT_FALSE(Forms::IsLoaded<IntForm>());
    EXPECT_TRUE(QFile::exists(exportFile()));
    EXPECT_EQ(messages, QStringList{QStringLiteral("すべての作業が終わりました。")});
}

// The overwrite question on the folder page, answered by key.
TEST_F(ExportKeysTest, TheOverwriteQuestionTakesYAndNOnlyWithTheOption) {
    struct Case {
        bool option;
        int answer;
        int16_t stepAfter;
        int unanswered;
    };
    const Case cases[] = {{true, Qt::Key_Y, 11, 0}, {true, Qt::Key_N, 10, 0}, {false, Qt::Key_Y, 10, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "option " << c.option << ", key " << c.answer);
        QFile file(exportFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"old\"\r\n");
        file.close();
        KeyboardAccess = c.option;
        answers = {c.answer};
        unanswered = 0;
        messages.clear();
        const auto click = [](IntForm& f) { ui::Click(f.Picture10); };
        run({click, name(QStringLiteral("abc")), click, click, folder(), click, expect(c.stepAfter, nullptr),
             [](IntForm& f) { ui::Click(f.Picture11); }});
        EXPECT_EQ(messages, QStringList{QStringLiteral("既にファイルが存在します。上書してもいいですか？")});
        EXPECT_EQ(unanswered, c.unanswered);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("\"old\"\r\n"));
        file.close();
    }
}

TEST_F(ExportKeysTest, OffEnterAndEscapeDoNothingNewAndTheButtonsTakeNoFocus) {
    KeyboardAccess = false;
    run({[](IntForm& f) {
             EXPECT_EQ(f.Picture10->focusPolicy(), Qt::NoFocus);
             EXPECT_EQ(f.Picture11->focusPolicy(), Qt::NoFocus);
         },
         key(Qt::Key_Return), key(Qt::Key_Escape), expect(0, nullptr), [](IntForm& f) { ui::Click(f.Picture10); },
         expect(1, nameBox), name(QStringLiteral("abc")), key(Qt::Key_Return), key(Qt::Key_Escape), expect(1, nameBox),
         [](IntForm& f) { ui::Click(f.Picture11); }});
    EXPECT_FALSE(Forms::IsLoaded<IntForm>());
}

TEST_F(ExportKeysTest, EveryControlHasAName) {
    IntForm& f = Forms::Get<IntForm>();
    std::vector<QWidget*> controls{f.Text3, f.Drive1, f.Dir1, f.Picture10, f.Picture11};
    for (auto* b : f.Option1) controls.push_back(b);
    for (auto* b : f.Option2) controls.push_back(b);
    for (auto* b : f.Option3) controls.push_back(b);
    for (QWidget* w : controls) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
    }
    EXPECT_EQ(f.Picture10->accessibleName(), QStringLiteral("次へ"));
    EXPECT_EQ(f.Picture11->accessibleName(), QStringLiteral("キャンセル"));
    EXPECT_EQ(f.Text3->accessibleName(), QStringLiteral("登録名義"));
    f.Unload();
}

}  // namespace
