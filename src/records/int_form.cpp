// The export wizard: its pages, the step table behind the next button, and
// the export itself at the last step.
#include "records/int_form.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSaveFile>

#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/key_button.h"
#include "look/look.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "media/sheet_captions.h"
#include "media/sheet_layout.h"
#include "platform/folders.h"
#include "platform/printer.h"
#include "platform/program_folder.h"
#include "platform/scheduler.h"
#include "records/folder_lists.h"
#include "records/print_sheet.h"

using namespace records;

namespace {

constexpr int kWidth = 480, kHeight = 300, kPageHeight = 250;
// The wizard's buttons lie at fixed places on the shared button sheet.
constexpr int kNextTop = Sheet4::cellTop(Sheet4::Next);
constexpr int kCancelTop = Sheet4::cellTop(Sheet4::Cancel);
constexpr int kFinishTop = Sheet4::cellTop(Sheet4::Finish);

void okMessage(const QString& text) {
    MesBox(kGuideFace, GuideLine(), text, false, true);
}
void timedMessage(const QString& text) {
    MesBox(kGuideFace, GuideLine(), text, false, false);
}
bool question(const QString& text) {
    return MesBox(kGuideFace, GuideLine(), text, true, false) == -1;
}

QLabel* label(QWidget* page, const QString& text, int x, int y, int w, int h = 20) {
    auto* l = new QLabel(text, page);
    l->setGeometry(x, y, w, h);
    l->setWordWrap(true);
    return l;
}

QWidget* page(QWidget* parent) {
    auto* p = new QWidget(parent);
    p->setGeometry(0, 0, kWidth, kPageHeight);
    p->hide();
    return p;
}

}  // namespace

IntForm::IntForm() {
    setWindowTitle(QStringLiteral("インターネット登録ウィザード"));
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(kWidth, kHeight);

    Picture1 = page(this);
    Label10 = label(Picture1, QStringLiteral("あなたの公認記録をインターネット上のホームページに載せます。"), 24, 30,
                    432, 40);
    Label11 = label(Picture1, QStringLiteral("ホームページのアドレス"), 24, 90, 432);
    Label12 = label(Picture1, kRankingPage, 44, 114, 412);
    Label13 =
        label(Picture1, QStringLiteral("ホームページへは、ヘルプメニューの「Vantrax のホームページ」からも行けます。"),
              24, 150, 432, 40);

    Picture2 = page(this);
    Label14 = label(Picture2, QStringLiteral("ホームページ上に載せる自分の名前を入力してください。"), 24, 30, 432, 40);
    Label15 = label(Picture2, QStringLiteral("登録名義"), 24, 96, 80);
    Text3 = new QLineEdit(Picture2);
    Text3->setGeometry(110, 92, 250, 26);

    Picture3 = page(this);
    Label17 = label(Picture3, QStringLiteral("記録を送る方法を選んでください。"), 24, 30, 432);
    Option1[0] = new QRadioButton(
        QStringLiteral("記録のデータが入っているファイルと一緒にNimbrelにメールを送る（推奨）"), Picture3);
    Option1[1] =
        new QRadioButton(QStringLiteral("記録データを印刷した紙を葉書に貼り付けてNimbrelまで送る。"), Picture3);
    Option1[0]->setGeometry(24, 76, 440, 24);
    Option1[1]->setGeometry(24, 110, 440, 24);
    Option1[0]->setChecked(true);

    Picture4 = page(this);
    Label18 = label(Picture4, QStringLiteral("メール添付用ファイルを作成する場所を選んでください。"), 24, 16, 432);
    const char16_t* places[] = {u"位置を指定", u"ディスクトップ", u"マイ ドキュメント"};
    for (int i = 0; i < 3; ++i) {
        Option3[i] = new QRadioButton(QString::fromUtf16(places[i]), Picture4);
        Option3[i]->setGeometry(24, 48 + i * 28, 150, 24);
        connect(Option3[i], &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
    }
    Drive1 = new DriveList(Picture4);
    Drive1->setGeometry(190, 46, 266, 26);
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    Dir1 = new FolderList(Picture4);
    Dir1->setGeometry(190, 78, 266, 162);
    connect(Dir1, &FolderList::enterRequested, this, [this](const QString& f) { Dir1_Change(f); });

    Picture5 = page(this);
    Label19 = label(Picture5, QStringLiteral("メールの送り先の確認"), 24, 30, 432);
    Label20 = label(Picture5, kMailTo, 44, 60, 412);
    Label21 = label(Picture5, QStringLiteral("後でメールの送り先を印刷しますか"), 24, 110, 432);
    Option2[0] = new QRadioButton(QStringLiteral("印刷する"), Picture5);
    Option2[1] = new QRadioButton(QStringLiteral("印刷しない"), Picture5);
    Option2[0]->setGeometry(44, 140, 200, 24);
    Option2[1]->setGeometry(44, 168, 200, 24);
    Option2[1]->setChecked(true);

    Picture8 = page(this);
    Label28 = label(Picture8, QStringLiteral("葉書の送り先の確認"), 24, 24, 432);
    Label24 = label(Picture8, kPostalCodeLabel + kPostalCode, 44, 56, 412);
    Label25 = label(Picture8, kPostalAddress, 44, 80, 412);
    Label27 = label(Picture8, kRecipient, 44, 104, 412);
    Label26 = label(Picture8,
                    QStringLiteral("尚、上記の宛て先は記録と一緒に印刷されます。また、葉書代は自己負担となります。"),
                    24, 146, 432, 40);

    Picture6 = page(this);
    Label22 = label(Picture6, QString(), 24, 40, 432, 40);
    Label23 =
        label(Picture6, QStringLiteral("プリンターが印刷できる状態であることを確認してください。"), 24, 100, 432, 40);

    Picture10 = new SheetButton(this);
    Picture11 = new SheetButton(this);
    connect(Picture10, &SheetButton::clicked, this, [this] { Picture10_Click(); });
    connect(Picture11, &SheetButton::clicked, this, [this] { Picture11_Click(); });
    look::keys::SetCancel(*Picture11);
    Picture11->setAccessibleName(Sheet4Caption(Sheet4::Cancel));
    Text3->setAccessibleName(Label15->text());
    Drive1->setAccessibleName(QStringLiteral("ドライブ"));
    Dir1->setAccessibleName(QStringLiteral("フォルダ"));
    Picture10->setGeometry(kWidth - 2 * (Sheet4::kCellWidth + 12), kHeight - Sheet4::kCellHeight - 14,
                           Sheet4::kCellWidth, Sheet4::kCellHeight);
    Picture11->setGeometry(kWidth - (Sheet4::kCellWidth + 12), kHeight - Sheet4::kCellHeight - 14, Sheet4::kCellWidth,
                           Sheet4::kCellHeight);
}

void IntForm::Form_Load() {
    for (SheetButton* b : {Picture10, Picture11}) b->setCursor(HandCursorShape());
    paintButton(Picture10, kNextTop);
    paintButton(Picture11, kCancelTop);
    showPage(Picture1);
    nameNextButton();
    WizardStep = 0;
    PrintMailSheet = false;
    Label22->setText(QStringLiteral("全ての情報収集作業が完了しました。ご苦労様でした。"));
    host::ChDirProgram();
    Option3[0]->setChecked(true);
    Option3_Click(0);
    resetFolderLists();
    focusPage(Picture1);
    if (QWidget* owner = Forms::host() ? Forms::host()->window() : nullptr)
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
}

void IntForm::paintButton(SheetButton* b, int cellTop) {
    // A dialog at its own size: its screen's density alone chooses the sheet.
    b->setPicture(CutPicture(LoadPicture(DataFileName("Data", 4), HostScreenRatio()),
                             QRect(0, cellTop, Sheet4::kCellWidth, Sheet4::kCellHeight)));
}

// The last page: the next button turns into the finish.
void IntForm::toFinishPage() {
    showPage(Picture6);
    host::ChDirProgram();
    paintButton(Picture10, kFinishTop);
    WizardStep = 30;
    nameNextButton();
    focusPage(Picture6);
}

void IntForm::showPage(QWidget* shown) {
    for (QWidget* p : {Picture1, Picture2, Picture3, Picture4, Picture5, Picture8, Picture6}) p->setVisible(p == shown);
}

void IntForm::Picture10_Click() {
    switch (WizardStep) {
        case 0:
            showPage(Picture2);
            Text3->setFocus();
            WizardStep = 1;
            break;
        case 1:
            if (Text3->text().isEmpty()) {
                timedMessage(QStringLiteral("名前が入力されていません。もう一度確認してください。"));
                return;
            }
            // The name goes into the file in code page 932; a name it cannot hold
            // would come out mangled, so it is refused here, before anything else.
            if (!EncText(Text3->text())) {
                okMessage(QStringLiteral(
                    "名前に登録できない文字（絵文字など）が含まれています。別の文字で入力してください。"));
                return;
            }
            showPage(Picture3);
            WizardStep = 2;
            focusPage(Picture3);
            break;
        case 2:
            if (Option1[0]->isChecked()) {
                showPage(Picture4);
                WizardStep = 10;
                focusPage(Picture4);
            } else {
                showPage(Picture8);
                WizardStep = 20;
                focusPage(Picture8);
            }
            break;
        case 10: {
            if (Option3[1]->isChecked() || Option3[2]->isChecked()) {
                const QString folder = Option3[1]->isChecked() ? host::DesktopFolder() : host::DocumentsFolder();
                if (!moveFolderLists(folder)) {
                    okMessage(folder + QStringLiteral("\r\nこのフォルダ又はドライブに移動できません。"));
                    return;
                }
            }
            target_ = QDir(Dir1->highlighted()).filePath(kExportFileName);
            if (QFileInfo::exists(target_) &&
                !question(QStringLiteral("既にファイルが存在します。上書してもいいですか？")))
                return;
            showPage(Picture5);
            WizardStep = 11;
            focusPage(Picture5);
            break;
        }
        case 11:
            PrintMailSheet = Option2[0]->isChecked();
            Label23->setVisible(PrintMailSheet);
            toFinishPage();
            break;
        case 20:
            toFinishPage();
            break;
        case 30:
            runExport();
            break;
        default:
            break;
    }
}

void IntForm::focusPage(QWidget* shown) {
    if (!KeyboardAccess) return;
    for (QWidget* w : shown->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A choice is entered at the one that is chosen, as Tab enters it.
        const auto* choice = qobject_cast<QRadioButton*>(w);
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden() && (!choice || choice->isChecked())) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    look::keys::Offer(*Picture10);
}

void IntForm::nameNextButton() {
    Picture10->setAccessibleName(Sheet4Caption(WizardStep == 30 ? Sheet4::Finish : Sheet4::Next));
}

void IntForm::keyPressEvent(QKeyEvent* e) {
    if (!KeyboardAccess || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || e->isAutoRepeat()) {
        GameForm::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
        case Qt::Key_Escape:
            if (Picture11->isVisible()) Q_EMIT Picture11->clicked();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter in the name box or on a choice goes on to the next page.
            // The last page writes and prints, so only its own button does that.
            // (The name box keeps the key's release to itself, so this goes on
            // at the press; the button that may have the focus afterwards does
            // not take a release it did not see go down.)
            if (Picture10->isVisible() && WizardStep != 30) Q_EMIT Picture10->clicked();
            return;
        default:
            GameForm::keyPressEvent(e);
    }
}

void IntForm::Picture11_Click() {
    Unload();
}

void IntForm::Option3_Click(int index) {
    Drive1->setEnabled(index == 0);
    Dir1->setEnabled(index == 0);
}

void IntForm::Drive1_Change() {
    const QString drive = Drive1->currentRoot();
    if (!Dir1->setPath(drive)) {
        okMessage(Drive1->currentText() + QStringLiteral("\r\nこのフォルダ又はドライブに移動できません。"));
        resetFolderLists();
    }
}

void IntForm::Dir1_Change(const QString& folder) {
    if (!Dir1->setPath(folder)) {
        okMessage(folder + QStringLiteral("\r\nこのフォルダ又はドライブに移動できません。"));
        resetFolderLists();
        return;
    }
    Drive1->selectVolumeOf(folder);
}

void IntForm::resetFolderLists() {
    moveFolderLists(host::ProgramFolder());
}

bool IntForm::moveFolderLists(const QString& folder) {
    if (!Dir1->setPath(folder)) return false;
    Drive1->selectVolumeOf(Dir1->path());
    return true;
}

void IntForm::runExport() {
    Picture10->hide();
    Picture11->hide();
    Label23->setText(QString());
    Label22->setText(QStringLiteral("処理中です．．．"));
    host::DoEvents();

    const QString block = RecordBlock(ReadOfficialRecord(), Text3->text());
    // The name was checked on its page, so the block always has an encoding.
    const QString encoded = EncText(block).value_or(QString());
    bool done = true;
    if (Option1[0]->isChecked()) {
        done = writeExportFile(encoded);
        if (done && PrintMailSheet)
            done = printSheet(MailSheet(QFileInfo(target_).absolutePath(), Label20->text()),
                              QStringLiteral("公認記録_メール送り先.pdf"));
    } else {
        done = printSheet(PostcardSheet(encoded), QStringLiteral("公認記録_葉書.pdf"));
    }
    // Whatever did not happen has been said already; "all done" would be a lie.
    if (done) timedMessage(QStringLiteral("すべての作業が終わりました。"));
    Unload();
}

bool IntForm::writeExportFile(const QString& encodedBlock) {
    auto line = ExportLine(encodedBlock);
    // A temporary file renamed over the target: a failure at any point leaves
    // no half-written file and an existing one untouched.
    QSaveFile file(target_);
    bool ok = line && file.open(QIODevice::WriteOnly) && file.write(*line) == line->size() && file.commit();
    if (!ok) {
        file.cancelWriting();
        okMessage(QStringLiteral(
            "ファイルを作成できませんでした。フォルダに書き込めるか、ディスクに空きがあるかを確認してください。"));
    }
    return ok;
}

bool IntForm::printSheet(const Sheet& sheet, const QString& pdfName) {
    const QString title = QStringLiteral("Vantrax 公認記録");
    if (auto printer = host::DefaultPrinter()) {
        if (PrintSheet(*printer, title, sheet)) return true;
        okMessage(QStringLiteral("印刷できませんでした。プリンターの状態を確認してください。"));
        return false;
    }
    if (!question(QStringLiteral("プリンターが見つかりません。印刷する代わりに、PDFファイルとして保存しますか？"))) {
        okMessage(QStringLiteral("用紙は印刷されていません。"));
        return false;
    }
    // Beside the record file on the mail route, else in the documents folder.
    QString folder = Option1[0]->isChecked() ? QFileInfo(target_).absolutePath() : host::DocumentsFolder();
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString path = QDir(folder).filePath(pdfName);
    auto pdf = host::PdfPrinter(path);
    if (!PrintSheet(*pdf, title, sheet)) {
        okMessage(QStringLiteral("PDFファイルを作成できませんでした。"));
        return false;
    }
    okMessage(QStringLiteral("印刷用のPDFファイルを作りました。\r\n") + path);
    return true;
}

void ShowExport() {
    Forms::Get<IntForm>().ShowModal();
}
