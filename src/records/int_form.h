#pragma once
// "インターネット登録ウィザード": the wizard that writes the official record
// into a file to mail, or prints it on a sheet to stick on a postcard, for the
// maker's public ranking. The record and the name travel only encoded.
#include <QLabel>
#include <array>

#include "app/forms.h"
#include "look/key_button.h"
#include "records/export_sheets.h"

class QLineEdit;
class QRadioButton;
class DriveList;
class FolderList;

// A picture that acts as a button: it reports a click released over it. With
// the keyboard option on it takes the focus and Enter or Space presses it.

class IntForm : public GameForm {
    Q_OBJECT
public:
    IntForm();
    bool isDialog() const override { return true; }
    void Form_Load() override;

    int16_t WizardStep = 0;
    bool PrintMailSheet = false;

    // Pages: one is visible at a time.
    QWidget* Picture1;       // the web page
    QWidget* Picture2;       // the name
    QWidget* Picture3;       // mail or postcard
    QWidget* Picture4;       // where the file goes
    QWidget* Picture5;       // the mail destination, print it?
    QWidget* Picture8;       // the postcard destination
    QWidget* Picture6;       // the last page
    SheetButton* Picture10;  // next (finish on the last page)
    SheetButton* Picture11;  // cancel
    QLabel *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label17, *Label18, *Label19, *Label20, *Label21,
        *Label22, *Label23, *Label24, *Label25, *Label26, *Label27, *Label28;
    QLineEdit* Text3;
    std::array<QRadioButton*, 2> Option1;
    std::array<QRadioButton*, 2> Option2;
    std::array<QRadioButton*, 3> Option3;
    DriveList* Drive1;
    FolderList* Dir1;

    void Picture10_Click();
    void Picture11_Click();
    void Option3_Click(int index);
    void Drive1_Change();
    void Dir1_Change(const QString& folder);

    // The file the mail route writes, fixed on the folder page.
    const QString& targetPath() const { return target_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void showPage(QWidget* page);
    // With the keyboard option on, puts the focus on the page's first control,
    // or on the next button when the page has none.
    void focusPage(QWidget* page);
    // Names the next button after what it shows: next, or finish at the end.
    void nameNextButton();
    void resetFolderLists();
    bool moveFolderLists(const QString& folder);
    void paintButton(SheetButton* b, int cellTop);
    void toFinishPage();
    void runExport();
    bool writeExportFile(const QString& encodedBlock);
    bool printSheet(const records::Sheet& sheet, const QString& pdfName);

    QString target_;
};
