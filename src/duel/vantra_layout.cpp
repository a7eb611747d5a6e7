// The duel window's controls, placed in twips as the window was designed.
#include "duel/vantra_form.h"
#include "look/palette.h"
#include "look/picture_label.h"
#include "media/pictures.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
// The window: the opponent's column on the left, the table on the right.
constexpr int kFormWidth = 8540, kFormHeight = 5000;
constexpr int kTableLeft = 2640, kTableTop = 60, kTableWidth = 5835, kTableHeight = 4815;
constexpr int kBannerTop = 1560, kBannerHeight = 1635;
constexpr int kCardWidth = 1080, kCardHeight = 1380;
constexpr int kCardLeft[] = {0, 180, 1380, 2580, 3780, 1380, 2580, 180, 1380, 2580, 3780};
constexpr int kCardTop[] = {0, 3240, 3240, 3240, 3240, 1680, 1680, 120, 120, 120, 120};
constexpr int kBarTop[] = {3000, 3540, 4080, 4620};
constexpr int kBarWidth = 2475, kBarHeight = 315;
constexpr int kContestBarLeft = 150, kContestBarTop = 2160, kContestBarHeight = 600;

QRect TwRect(int left, int top, int width, int height) {
    return QRect(Tw(left), Tw(top), Tw(width), Tw(height));
}

template <class L = QLabel>
L* MakeLabel(QWidget* parent, const QString& text, const QRect& r, const QFont& font, QColor colour,
             Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new L(text, parent);
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    // Labels lie on their panels: clicks on them are clicks on the panel.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

// Captions in light gold and bold, the clock larger: read at a glance on the
// dark column, in the places the window was designed with.
const QColor kCaption = look::kGoldLight;
const QColor kText(235, 238, 242);
const QColor kClock(255, 246, 214);
}  // namespace

void VantraForm::BuildControls() {
    setFixedSize(Tw(kFormWidth), Tw(kFormHeight));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The opponent's column.
    Image4 = new PictureLabel(this);
    Image4->setGeometry(TwRect(60, 60, 1275, 1500));
    Image4->setAlignment(Qt::AlignCenter);
    Label4 = MakeLabel(this, QString(), TwRect(1440, 420, 1150, 450), look::Gothic(20, true), Qt::white);
    Label1 = MakeLabel(this, QString(), TwRect(60, 1640, 2520, 330), look::Gothic(14, true), kText);
    Label11 = MakeLabel(this, QStringLiteral("0分00秒"), TwRect(1200, 2000, 1335, 360), look::Gothic(19, true), kClock,
                        Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < 4; ++i) {
        Picture6[i] = new BarBox(this);
        Picture6[i]->setGeometry(TwRect(60, kBarTop[i], kBarWidth, kBarHeight));
    }

    // The table.
    Picture1 = new Panel(this, kTableColour);
    Picture1->setGeometry(TwRect(kTableLeft, kTableTop, kTableWidth, kTableHeight));
    for (int i = 0; i < 4; ++i) {
        Shape6[i] = new ShapeBox(Picture1, QColor(), BgrColor(0xC0C0C0), 1);
        Shape6[i]->setGeometry(TwRect(kCardLeft[i + 1], kCardTop[i + 1], kCardWidth, kCardHeight));
    }
    Picture2 = new Panel(Picture1, BgrColor(0xFF0000));
    Picture2->setGeometry(TwRect(5040, 3240, 495, 1335));
    Shape1 = new ShapeBox(Picture2, QColor(28, 30, 36));
    Shape1->setGeometry(0, 0, Picture2->width(), 0);
    Picture3 = new Panel(Picture1, BgrColor(0xFF0000));
    Picture3->setGeometry(TwRect(5040, 120, 495, 1335));
    Shape2 = new ShapeBox(Picture3, QColor(28, 30, 36));
    Shape2->setGeometry(0, 0, Picture3->width(), 0);
    for (int i = 1; i <= 10; ++i) {
        Image1[i] = new CardImage(Picture1, i);
        Image1[i]->setGeometry(TwRect(kCardLeft[i], kCardTop[i], kCardWidth, kCardHeight));
        if (i <= 4) {
            Image1[i]->onClick = [this](int index) { Image1_Click(index); };
            Image1[i]->onDragStart = [this](int index, QPoint offset) { DragStart(index, offset); };
            CardImage* card = Image1[i];
            Image1[i]->onDragMove = [this, card](QPointF pos) { DragMove(card->mapTo(this, pos)); };
            Image1[i]->onDragEnd = [this, card](QPointF pos) { DragEnd(card->mapTo(this, pos)); };
        }
    }
    Shape5 = new ShapeBox(Picture1, QColor(), QColor(255, 214, 40), 3);
    Shape5->setGeometry(TwRect(180, 3240, 1095, 1395));
    Shape5->hide();
    refuseMark_ = new ShapeBox(Picture1, QColor(), look::kCrimson, 4);
    refuseMark_->hide();
    Image2 = new CoverBox(Picture1);
    Image2->setGeometry(TwRect(0, 3120, 5775, 1635));
    Image2->hide();
    dragGhost_ = new QLabel(Picture1);
    dragGhost_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragGhost_->resize(Tw(kCardWidth), Tw(kCardHeight));
    dragGhost_->setAlignment(Qt::AlignCenter);
    dragGhost_->hide();

    // The contest panel takes the table's place while a contest runs.
    Picture5 = new Panel(this, QColor(22, 30, 52), true);
    Picture5->setGeometry(Picture1->geometry());
    Picture5->onMouseUp = [this](QMouseEvent* e) {
        const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
        const int shift = (e->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                          (e->modifiers() & Qt::ControlModifier ? 2 : 0) | (e->modifiers() & Qt::AltModifier ? 4 : 0);
        Picture5_MouseUp(button, shift, static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
    };
    Label7 = MakeLabel(Picture5, QStringLiteral("連打をしてください"), TwRect(0, 600, kTableWidth, 600),
                       look::Gothic(22, true), kText, Qt::AlignCenter);
    Label8[0] = MakeLabel(Picture5, QStringLiteral("You"), TwRect(kContestBarLeft, 1740, 1500, 400),
                          look::Gothic(16, true), BgrColor(0x4040FF));
    Label8[1] = MakeLabel(Picture5, QStringLiteral("Enemy"), TwRect(kContestBarLeft + 5535 - 1500, 1740, 1500, 400),
                          look::Gothic(16, true), BgrColor(0xFF8040), Qt::AlignRight | Qt::AlignVCenter);
    Shape4 = new ShapeBox(Picture5, BgrColor(0xFF0000), QColor(230, 230, 240), 1);
    Shape4->setGeometry(TwRect(kContestBarLeft, kContestBarTop, 5535, kContestBarHeight));
    Shape3 = new ShapeBox(Picture5, BgrColor(0x0000FF));
    Shape3->setGeometry(TwRect(kContestBarLeft, kContestBarTop, 2775, kContestBarHeight));
    Label9 = MakeLabel<BannerLabel>(Picture5, QStringLiteral("Wait"), TwRect(0, 3000, kTableWidth, 900), NarrowFont(44),
                                    QColor(255, 230, 90), Qt::AlignCenter);
    Picture5->hide();

    // The banner lies over the middle of the table.
    Picture4 = new Panel(this, QColor(150, 108, 28), true);
    Picture4->setGeometry(TwRect(kTableLeft, kBannerTop, kTableWidth, kBannerHeight));
    const QFont banner = NarrowFont(76);
    Label5 = MakeLabel<BannerLabel>(Picture4, QString(), QRect(0, 0, Picture4->width(), Picture4->height()), banner,
                                    BgrColor(0x606060), Qt::AlignCenter);
    Label6 = MakeLabel<BannerLabel>(Picture4, QString(), QRect(0, 0, Picture4->width(), Picture4->height()), banner,
                                    BgrColor(0x606060), Qt::AlignCenter);
    Label5->hide();
    Label6->hide();
}

void VantraForm::paintEvent(QPaintEvent* e) {
    // Painted where asked rather than kept as a picture of the whole window,
    // which at 2x would hold 1.7 MB for a gradient and six captions; the
    // labels that change in play expose only their own small rectangles.
    const QRect dirty = e->rect();
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(34, 42, 56));
    g.setColorAt(1, QColor(16, 20, 28));
    p.fillRect(dirty, g);
    // A frame around the portrait.
    const QRect frame = Image4->geometry().adjusted(-2, -2, 1, 1);
    if (dirty.intersects(frame.adjusted(-1, -1, 1, 1))) {
        p.setPen(QPen(QColor(190, 160, 90), 1));
        p.drawRect(frame);
    }
    p.setPen(kCaption);
    p.setFont(look::Gothic(13, true));
    const auto caption = [&p, &dirty](const QRect& r, const char* text) {
        if (dirty.intersects(r)) p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(text));
    };
    caption(TwRect(1440, 120, 1100, 270), "状態");
    caption(TwRect(60, 2040, 1100, 300), "経過時間");
    const char* bars[] = {"素早さ", "怒り", "集中力", "正確さ"};
    for (int i = 0; i < 4; ++i) caption(TwRect(60, kBarTop[i] - 255, kBarWidth, 255), bars[i]);
}
