// The export wizard: both routes through real clicks, the file it writes, the
// sheets it prints (read back from PDF), and every way out that must leave
// nothing behind.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <deque>

#include "platform/printer.h"
#include "platform/program_folder.h"
#include "platform/text_encoding.h"
#include "records/codec.h"
#include "records/export_sheets.h"
#include "records/folder_lists.h"
#include "records/int_form.h"
#include "records/record_book.h"
#include "records_test.h"

using namespace records;

namespace {

const QString kAllDone = QStringLiteral("すべての作業が終わりました。");
const QString kCannotMove = QStringLiteral("このフォルダ又はドライブに移動できません。");

// The lines pdftotext reads from a PDF, blanks squeezed, empty lines dropped.
QStringList pdfLines(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {QStringLiteral("<pdftotext did not finish>")};
    QStringList lines;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (!l.simplified().isEmpty()) lines << l.simplified();
    return lines;
}

QStringList sheetLines(const Sheet& sheet) {
    QStringList lines;
    for (const PrintLine& l : sheet)
        if (!l.text.simplified().isEmpty()) lines << l.text.simplified();
    return lines;
}

class ExportTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        ASSERT_TRUE(target.isValid() && pdfs.isValid());
        oldPrinter = host::setPrinterFactory([this] {
            printed << pdfs.filePath(QStringLiteral("sheet%1.pdf").arg(printed.size() + 1));
            return host::PdfPrinter(printed.back());
        });
        ASSERT_TRUE(WriteRecord(kOfficialRecord, 1234));
        // Every message is noted and closed; questions take the next answer.
        for (int i = 1; i <= 600; ++i) time->after(50 * i, [this] { answerMessage(); });
    }
    void TearDown() override {
        host::setPrinterFactory(oldPrinter);
        RecordsTest::TearDown();
    }

    void answerMessage() {
        MesForm* f = Forms::Find<MesForm>();
        if (!f || f == answered) return;
        answered = f;
        messages.push_back(f->Label2->text());
        bool yes = false;
        if (f->mode() == 1 && !answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        }
        ui::Click(f->Label3[yes ? 0 : 1]);
    }

    // Runs the wizard; each action acts on the window one second after the last.
    void run(std::vector<std::function<void(IntForm&)>> actions) {
        for (size_t i = 0; i < actions.size(); ++i)
            time->after(1000 * (i + 1) + 25, [this, a = actions[i]] {
                IntForm* f = Forms::Find<IntForm>();
                if (!f) {
                    ++missedActions;
                    return;
                }
                a(*f);
            });
        ShowExport();
    }

    static void next(IntForm& f) { ui::Click(f.Picture10); }
    static void cancel(IntForm& f) { ui::Click(f.Picture11); }
    static std::function<void(IntForm&)> name(const QString& n) {
        return [n](IntForm& f) { f.Text3->setText(n); };
    }
    std::function<void(IntForm&)> folder(const QString& path) {
        return [path](IntForm& f) { f.Dir1_Change(path); };
    }
    // Over the round mark, where a radio button takes a click.
    static void clickRadio(QRadioButton* b) { ui::Click(b, Qt::NoModifier, QPoint(6, b->height() / 2)); }
    static void postcard(IntForm& f) { clickRadio(f.Option1[1]); }
    static void printTheMailSheet(IntForm& f) { clickRadio(f.Option2[0]); }
    static std::function<void(IntForm&)> expectStep(int16_t step) {
        return [step](IntForm& f) { EXPECT_EQ(f.WizardStep, step); };
    }

    QString exportFile() const { return target.filePath(kExportFileName); }

    QTemporaryDir target, pdfs;
    QStringList printed;
    std::deque<bool> answers;
    int missedActions = 0;
    host::PrinterFactory oldPrinter;

private:
    QPointer<MesForm> answered;
};

TEST(ExportSheets, TheRecordBlockAndTheFileLine) {
    EXPECT_EQ(RecordBlock(1234, QStringLiteral("abc")), QStringLiteral("001234abc"));
    EXPECT_EQ(RecordBlock(0, QStringLiteral("名")), QStringLiteral("000000名"));
    EXPECT_EQ(RecordBlock(1234567, QStringLiteral("x")), QStringLiteral("1234567x"));
    auto line = ExportLine(*EncText(QStringLiteral("001234abc")));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->size(), 1 + 27 + 1 + 2);
    EXPECT_TRUE(line->startsWith('"') && line->endsWith("\"\r\n"));
}

TEST_F(ExportTest, TheMailRouteWritesOneQuotedLineThatDecodesToRecordAndName) {
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()), next, next, expectStep(30), next});
    EXPECT_EQ(missedActions, 0);
    QFile file(exportFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 31) << bytes.toStdString();
    EXPECT_TRUE(bytes.startsWith('"') && bytes.endsWith("\"\r\n"));
    EXPECT_EQ(DecText(host::FromCp932(bytes.mid(1, 27)).value_or(QString())), QStringLiteral("001234abc"));
    EXPECT_EQ(messages, QStringList{kAllDone});
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_FALSE(Forms::IsLoaded<IntForm>());
}

TEST_F(ExportTest, AJapaneseNameIsWrittenInCodePage932) {
    run({next, name(QStringLiteral("山田ﾀﾛｳ")), next, next, folder(target.path()), next, next, next});
    QFile file(exportFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 1 + 3 * 11 + 3);
    EXPECT_EQ(DecText(*host::FromCp932(bytes.mid(1, 33))), QStringLiteral("001234山田ﾀﾛｳ"));
}

TEST_F(ExportTest, TheMailSheetIsPrintedLineByLine) {
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()), next, printTheMailSheet, next, next});
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(pdfLines(printed[0]), sheetLines(MailSheet(QDir(target.path()).canonicalPath(), kMailTo)));
    EXPECT_TRUE(QFile::exists(exportFile()));
    EXPECT_EQ(messages, QStringList{kAllDone});
}

TEST_F(ExportTest, ThePostcardRoutePrintsTheBlockAndWritesNoFile) {
    run({next, name(QStringLiteral("abc")), next, postcard, next, expectStep(20), next, expectStep(30), next});
    ASSERT_EQ(printed.size(), 1);
    QStringList lines = pdfLines(printed[0]);
    ASSERT_EQ(lines.size(), 11) << lines.join(u'|').toStdString();
    // The encoded block is random each time: check it decodes, then compare
    // the whole sheet with it in place.
    EXPECT_EQ(DecText(lines[2]), QStringLiteral("001234abc"));
    EXPECT_EQ(lines, sheetLines(PostcardSheet(lines[2])));
    EXPECT_FALSE(QFile::exists(exportFile()));
    EXPECT_FALSE(QFile::exists(QDir(host::ProgramFolder()).filePath(kExportFileName)));
    EXPECT_EQ(messages, QStringList{kAllDone});
}

TEST_F(ExportTest, TheDesktopChoiceWritesOnTheDesktop) {
    // The desktop of a home folder made for the test.
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", target.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", target.filePath(QStringLiteral(".config")).toUtf8());
    const QString desktop = target.filePath(QStringLiteral("Desktop"));
    ASSERT_TRUE(QDir().mkpath(desktop));
    bool listsOff = false;
    run({next, name(QStringLiteral("abc")), next, next,
         [&](IntForm& f) {
             clickRadio(f.Option3[1]);
             listsOff = !f.Drive1->isEnabled() && !f.Dir1->isEnabled();
         },
         next, next, next});
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_TRUE(listsOff);
    EXPECT_TRUE(QFile::exists(QDir(desktop).filePath(kExportFileName)));
    EXPECT_EQ(messages, QStringList{kAllDone});
}

TEST_F(ExportTest, CancellingAtAnyStepWritesAndPrintsNothing) {
    const std::vector<std::function<void(IntForm&)>> toStep[] = {
        {},
        {next},
        {next, name(QStringLiteral("abc")), next},
        {next, name(QStringLiteral("abc")), next, next, folder(target.path())},
        {next, name(QStringLiteral("abc")), next, next, folder(target.path()), printTheMailSheet, next},
        {next, name(QStringLiteral("abc")), next, postcard, next},
        {next, name(QStringLiteral("abc")), next, next, folder(target.path()), printTheMailSheet, next, next},
    };
    const int16_t steps[] = {0, 1, 2, 10, 11, 20, 30};
    for (size_t i = 0; i < std::size(steps); ++i) {
        auto actions = toStep[i];
        actions.push_back(expectStep(steps[i]));
        actions.push_back(cancel);
        run(actions);
        EXPECT_FALSE(Forms::IsLoaded<IntForm>()) << steps[i];
        EXPECT_FALSE(QFile::exists(exportFile())) << steps[i];
        EXPECT_TRUE(printed.isEmpty()) << steps[i];
        EXPECT_TRUE(messages.isEmpty()) << steps[i];
    }
}

TEST_F(ExportTest, NoOnTheOverwriteQuestionKeepsTheOldFile) {
    const QByteArray old("\"an older record\"\r\n\x81\x40", 21);
    QFile file(exportFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(old);
    file.close();
    answers = {false};
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()), next, expectStep(10), cancel});
    EXPECT_EQ(messages, QStringList{QStringLiteral("既にファイルが存在します。上書してもいいですか？")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    file.close();

    messages.clear();
    answers = {false, true};
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()), next, next, expectStep(11), next, next});
    EXPECT_EQ(messages.size(), 3);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().size(), 31);
}

TEST_F(ExportTest, AFolderThatCannotBeEnteredResetsTheLists) {
    QString gone = target.filePath(QStringLiteral("gone"));
    QString programFolder = QDir(host::ProgramFolder()).canonicalPath();
    QString shownAfterMessage;
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()),
         [&](IntForm& f) {
             f.Drive1->addItem(gone, gone);
             f.Drive1->setCurrentIndex(f.Drive1->count() - 1);
             f.Drive1_Change();
             shownAfterMessage = f.Dir1->path();
         },
         [&](IntForm& f) {
             f.Dir1_Change(gone);
             EXPECT_EQ(f.Dir1->path(), programFolder);
         },
         cancel});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], gone + QStringLiteral("\r\n") + kCannotMove);
    EXPECT_EQ(messages[1], gone + QStringLiteral("\r\n") + kCannotMove);
    EXPECT_EQ(shownAfterMessage, programFolder);
}

TEST_F(ExportTest, TheNamePageRefusesNoNameAndNamesTheFileCannotHold) {
    run({next, next, expectStep(1), name(QStringLiteral("ab😀")), next, expectStep(1), name(QStringLiteral("ab")), next,
         expectStep(2), cancel});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], QStringLiteral("名前が入力されていません。もう一度確認してください。"));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("絵文字"))) << messages[1].toStdString();
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedNotCelebrated) {
    QString folder = target.filePath(QStringLiteral("vanishing"));
    ASSERT_TRUE(QDir().mkpath(folder));
    run({next, name(QStringLiteral("abc")), next, next, this->folder(folder), next,
         [&](IntForm&) { QDir(folder).removeRecursively(); }, next, next});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("ファイルを作成できませんでした"))) << messages[0].toStdString();
    EXPECT_FALSE(Forms::IsLoaded<IntForm>());
}

TEST_F(ExportTest, WithNoPrinterTheSheetIsOfferedAsPdf) {
    host::setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    answers = {false};
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()), next, printTheMailSheet, next, next});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("プリンターが見つかりません")));
    EXPECT_EQ(messages[1], QStringLiteral("用紙は印刷されていません。"));

    messages.clear();
    QFile::remove(exportFile());
    answers = {true};
    run({next, name(QStringLiteral("abc")), next, next, folder(target.path()), next, printTheMailSheet, next, next});
    const QString pdf = target.filePath(QStringLiteral("公認記録_メール送り先.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pdfLines(pdf), sheetLines(MailSheet(QDir(target.path()).canonicalPath(), kMailTo)));
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[1].contains(pdf)) << messages[1].toStdString();
    EXPECT_EQ(messages[2], kAllDone);
}

TEST_F(ExportTest, TheButtonsAreCutFromTheSheet) {
    QImage next, finish;
    run({[&](IntForm& f) { next = f.Picture10->picture().toImage(); }, [](IntForm& f) { f.WizardStep = 20; },
         [&](IntForm& f) {
             ui::Click(f.Picture10);
             finish = f.Picture10->picture().toImage();
         },
         cancel});
    QPixmap sheet = LoadPicture(DataFileName("Data", 4));
    EXPECT_EQ(next, sheet.copy(0, 104, 82, 26).toImage());
    EXPECT_EQ(finish, sheet.copy(0, 130, 82, 26).toImage());
}

}  // namespace
