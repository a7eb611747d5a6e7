#include "shell/back_form.h"

#include "look/look.h"
#include "media/pictures.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {
QLabel* label(QWidget* parent, const QFont& font, const QColor& color) {
    auto* l = new QLabel(parent);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    return l;
}
}  // namespace

QString ProgressBarText(int filled) {
    filled = std::clamp(filled, 0, 8);
    return QString(filled, QChar(0x25A0)) + QString(8 - filled, QChar(0x25A1));
}

BackForm::BackForm() {
    Picture1 = new QLabel(this);
    showLogo(true);
    Picture1->setFixedSize(look::kLogoWidth, look::kLogoHeight);
    Picture1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1 = label(this, look::Serif(16, false), look::kGoldLight);
    Label1->setText(QStringLiteral("Presented by Nimbrel"));
    Label1->adjustSize();
    Label2 = label(this, look::Gothic(18, true), look::kGoldLight);
    Label2->hide();
    Label3 = label(this, look::Gothic(24), look::kGold);
    Label3->hide();
}

void BackForm::Form_Load() {
    Label2->setText(QStringLiteral("データロード中"));
    Label2->adjustSize();
    Label2->show();
    Label3->setText(ProgressBarText(0));
    Label3->adjustSize();
    Label3->show();
    if (QWidget* client = parentWidget(); client && !isWindow()) setGeometry(0, 0, client->width(), client->height());
    Form_Resize();
}

void BackForm::Form_Resize() {
    const int w = width(), h = height();
    Picture1->move((w - look::kLogoWidth) / 2, (h - look::kLogoHeight) / 2 - 80);
    Label1->move(w - Label1->width() - 20, h - Label1->height() - 20);
    Label2->move((w - Label2->width()) / 2, (h - Label2->height()) / 2 + 100);
    Label3->move((w - Label3->width()) / 2, (h - Label3->height()) / 2 + 186);
}

void BackForm::HostResized() {
    if (QWidget* client = parentWidget(); client && !isWindow()) setGeometry(0, 0, client->width(), client->height());
}

void BackForm::FollowScreens() {
    bool covered = false;
    for (GameForm* screen : Forms::screens())
        if (screen != this && screen->isVisible()) covered = true;
    showLogo(!covered);
}

// Hidden behind a screen, the logo would hold its 2 MB of pixels for nothing
// while a duel plays: it is loaded again when it comes back.
void BackForm::showLogo(bool on) {
    if (on == !Picture1->isHidden() && on == !Picture1->pixmap().isNull()) return;
    Picture1->setPixmap(on ? LoadBuiltInPicture(QStringLiteral("backdrop_logo")) : QPixmap());
    Picture1->setVisible(on);
}

void BackForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    look::PaintNight(p, QRectF(rect()));
}

void BackForm::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void BackForm::showEvent(QShowEvent* e) {
    GameForm::showEvent(e);
    // Behind every screen, whenever it is shown.
    lower();
}
