// The player data window.
#include "campaign/my_data.h"

#include "app/shared_procedures.h"
#include "campaign/panel_look.h"
#include "campaign/sheet_button.h"
#include "look/look.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int kWidth = 340, kHeight = 222;
const QRect kRecordFrame(16, 40, kWidth - 32, 78);
}  // namespace

MyData::MyData() {
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("成績管理"));
    static const std::array<const char*, 2> captions{"公認記録", "自己ベスト"};
    for (size_t i = 0; i < 2; ++i) {
        const int top = kRecordFrame.top() + 12 + static_cast<int>(i) * 30;
        Label1[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        Label1[i]->setGeometry(kRecordFrame.left() + 16, top, 110, 24);
        panel::StyleLabel(Label1[i], 15, panel::kGoldLight, true);
        Label2[i] = new QLabel(this);
        Label2[i]->setGeometry(kRecordFrame.left() + 130, top, kRecordFrame.width() - 150, 24);
        Label2[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        panel::StyleLabel(Label2[i], 18, panel::kParchment, true);
    }
    Label3 = new QLabel(QStringLiteral("公認記録をインターネット上に登録することができます。最初の画面の "
                                       "[インターネット登録]を選んでください。"),
                        this);
    Label3->setGeometry(20, kRecordFrame.bottom() + 10, kWidth - 40, 44);
    Label3->setWordWrap(true);
    panel::StyleLabel(Label3, 12, panel::kSilver);
    Image1 = new SheetButton(this);
    Image1->move((kWidth - Sheet4::kCellWidth) / 2, kHeight - Sheet4::kCellHeight - 14);
    connect(Image1, &SheetButton::clicked, this, [this] { Image1_Click(); });
    Image1->setAccessibleName(QStringLiteral("閉じる"));
    look::keys::SetCancel(*Image1);
}

void MyData::Form_Load() {
    CenterInHost();
    Label2[0]->setText(QString::number(ReadOfficialRecord()));
    Label2[1]->setText(QString::number(ReadPersonalRecord()));
    const QPixmap sheet = LoadPicture(DataFileName("Data", 4));
    Image1->setPicture(SheetCell(sheet, 0, Sheet4::cellTop(Sheet4::Close), Sheet4::kCellWidth, Sheet4::kCellHeight));
}

void MyData::Image1_Click() {
    Unload();
}

void MyData::paintEvent(QPaintEvent*) {
    QPainter p(this);
    panel::PaintPanel(p, rect(), windowTitle());
    panel::PaintFrame(p, kRecordFrame, QString());
}

void MyData::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Image1_Click();
        return;
    }
    GameForm::keyPressEvent(e);
}

void ShowMyData() {
    Forms::Get<MyData>().Show();
}
