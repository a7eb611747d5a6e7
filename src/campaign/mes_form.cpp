#include "campaign/mes_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "look/dialogs.h"
#include "look/look.h"
#include "look/picture_label.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"
#include "platform/scheduler.h"
#include "platform/timer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace {
constexpr int16_t kTimed = 0, kOk = -1, kQuestion = 1, kYes = 10, kNo = 20;
// A timed message's display time comes in steps of 300 ms; 15 steps means
// "wait for a click" instead.
constexpr int16_t kMesTimeWaits = 15;
constexpr int32_t kMesTimeStepMs = 300;

// Places on the backgrounds: the face slot, the speaker's ribbon along the top
// and the ruled lines the text sits on, 20 pixels apart.
constexpr int kFaceLeft = 12, kFaceTop = 12, kFaceWidth = 85, kFaceHeight = 100;
constexpr int kTextLeft = 110, kTextWidth = Sheet5::kWidth - kTextLeft - 14;
constexpr int kSpeakerTop = 11, kSpeakerHeight = 20;
constexpr int kTextTop = 36, kTextHeight = 86;
constexpr int kFirstBaseline = 55 - kTextTop, kLinePitch = 20;

// The text label writes its lines on the background's rules instead of at the
// font's own line spacing.
// Drawn `scale` times its designed size, like the screens around it.
class RuledLabel : public QLabel {
public:
    using QLabel::QLabel;
    // How many lines the text takes at the label's width.
    int lineCount() const { return static_cast<int>(layoutLines().size()); }
    void setScale(qreal scale) {
        scale_ = scale;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.scale(scale_, scale_);
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        int n = 0;
        for (const QString& line : layoutLines()) {
            p.drawText(QPointF(0, kFirstBaseline + kLinePitch * n), line);
            ++n;
        }
    }

private:
    std::vector<QString> layoutLines() const {
        std::vector<QString> lines;
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
            QString para = paragraph;
            para.remove(QLatin1Char('\r'));
            QTextLayout layout(para, font());
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                l.setLineWidth(width() / scale_);
                lines.push_back(para.mid(l.textStart(), l.textLength()));
            }
            layout.endLayout();
        }
        return lines;
    }

    qreal scale_ = 1;
};

// A rectangle of the designed layout at `scale`.
QRect scaled(const QRect& r, qreal scale) {
    return QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale).toRect();
}

// The text colour that reads best on the part of the background under the
// text: the sheet may be a dark night panel or light parchment.
QColor inkOver(const QPixmap& background, const QRect& region) {
    const QImage image = background.toImage();  // shares the pixels
    const qreal r = background.devicePixelRatio();
    const QRect px =
        QRect(qRound(region.x() * r), qRound(region.y() * r), qRound(region.width() * r), qRound(region.height() * r))
            .intersected(image.rect());
    if (px.isEmpty()) return Qt::white;
    // Luma is linear, so the mean of the pixels' is the luma of their mean.
    double sum = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            sum += 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
        }
    const double luma = sum / (static_cast<double>(px.width()) * px.height());
    return luma < 128 ? QColor(0xfb, 0xf3, 0xdc) : look::kInk;
}
}  // namespace

int16_t MesBox(int16_t face, const QString& speaker, const QString& text, bool question, bool waitForOk) {
    // A message asked for by a timer while another one is up waits its turn:
    // there is only one message window.
    if (Forms::IsLoaded<MesForm>()) host::sched().waitUntil([] { return !Forms::IsLoaded<MesForm>(); });

    MesMode = question ? kQuestion : (waitForOk ? kOk : kTimed);
    MesForm& f = Forms::Get<MesForm>();
    f.Label1->setText(speaker);
    f.Label2->setText(text);
    f.Image1->setPixmap(FacePicture(face));
    int16_t answer = MesMode;
    f.setOnClosed([&answer](int16_t m) { answer = m; });
    f.ShowModal();
    return answer == kYes ? -1 : 0;
}

MesForm::MesForm() {
    setWindowTitle(QStringLiteral("Vantrax"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedWidth(Sheet5::kWidth);

    // Drawn straight from their pictures: a plain label stretching its
    // picture keeps a stretched copy as well, a second megabyte for the 2x
    // background.
    Picture1 = new PictureLabel(this);
    Picture1->setGeometry(0, 0, Sheet5::kWidth, Sheet5::kOkHeight);

    Image1 = new PictureLabel(this);
    Image1->setGeometry(kFaceLeft, kFaceTop, kFaceWidth, kFaceHeight);
    Image1->setScaledContents(true);

    Label1 = new QLabel(this);
    Label1->setGeometry(kTextLeft, kSpeakerTop, kTextWidth, kSpeakerHeight);
    Label1->setFont(look::Gothic(13, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Label2 = new RuledLabel(this);
    Label2->setGeometry(kTextLeft, kTextTop, kTextWidth, kTextHeight);
    Label2->setFont(look::Mincho(15));

    const std::array<int, 2> lefts{Sheet5::kYesLeft, Sheet5::kNoLeft};
    for (size_t i = 0; i < Label3.size(); ++i) {
        Label3[i] = new QLabel(this);
        Label3[i]->setGeometry(lefts[i], Sheet5::kAreaTop, Sheet5::kAreaWidth, Sheet5::kAreaHeight);
    }

    for (QWidget* w :
         {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Image1), static_cast<QWidget*>(Label1),
          static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3[0]), static_cast<QWidget*>(Label3[1])})
        w->installEventFilter(this);

    Timer1 = new host::Timer(this, 0, [this] { Timer1_Timer(); });
}

void MesForm::Form_Load() {
    // The message window is a picture of its own, without a frame.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    mode_ = MesMode;
    waitsForClick_ = mode_ == kTimed && MesTime == kMesTimeWaits;

    if (mode_ == kQuestion) Label3[0]->setCursor(HandCursorShape());
    if (mode_ == kQuestion || mode_ == kOk || MesTime == kMesTimeWaits) Label3[1]->setCursor(HandCursorShape());

    int top = Sheet5::kTimedTop, height = Sheet5::kTimedHeight;
    if (mode_ == kQuestion) {
        top = Sheet5::kQuestionTop;
        height = Sheet5::kQuestionHeight;
        Timer1->setEnabled(false);
    } else if (mode_ == kOk || MesTime == kMesTimeWaits) {
        top = Sheet5::kOkTop;
        height = Sheet5::kOkHeight;
        Timer1->setEnabled(false);
    } else {
        // Computed in 32 bits: a hand-edited message time must not overflow.
        // A negative one leaves the message waiting for a click.
        Timer1->setInterval(std::max<int32_t>(0, int32_t{MesTime} * kMesTimeStepMs));
        Timer1->setEnabled(true);
    }
    setFixedSize(Sheet5::kWidth, height);
    Picture1->setGeometry(0, 0, Sheet5::kWidth, height);
    // The window is drawn at the screens' factor; above 1 it needs the 2x
    // sheet even where the program-wide one was chosen for a 1x screen, and
    // then decodes only its own band of it.
    QPixmap background;
    if (ScreenPictureRatio() > 1 && MesSheetPicture->devicePixelRatio() < 2)
        background = AtScreenDensity(LoadPictureBand(DataFileName("Data", 5), top, height));
    if (background.isNull() && !MesSheetPicture.isNull())
        background = CutPicture(MesSheetPicture, QRect(0, top, Sheet5::kWidth, height));
    Picture1->setScaledContents(true);
    if (!background.isNull()) Picture1->setPixmap(background);

    const QColor ink =
        inkOver(background, QRect(kTextLeft, kSpeakerTop, kTextWidth, kTextTop + kTextHeight - kSpeakerTop));
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, ink);
    Label1->setPalette(pal);
    Label2->setPalette(pal);

    Picture1->setAccessibleName(QStringLiteral("メッセージ"));
    Image1->setAccessibleName(QStringLiteral("話し手の顔"));
    Label3[0]->setAccessibleName(QStringLiteral("はい"));
    Label3[1]->setAccessibleName(mode_ == kQuestion ? QStringLiteral("いいえ") : QStringLiteral("OK"));

    Label3[0]->raise();
    Label3[1]->raise();
    Image1->raise();

    scaleToScreens(height);
    CenterDialog(*this);
}

void MesForm::Form_Unload(bool& cancel) {
    // A question ends only through its two areas, not through the window system.
    if (mode_ == kQuestion && !closingByRule_) {
        cancel = true;
        return;
    }
    host::DoEvents();
    if (onClosed_) onClosed_(MesMode);
}

void MesForm::scaleToScreens(int height) {
    // The window is shown over the screens, so it is drawn at their size:
    // beside a map at twice its size a window at its own would look tiny.
    const qreal s = std::max<qreal>(1, Forms::scale());
    scale_ = s;
    if (s == 1) return;
    setFixedSize(scaled(QRect(0, 0, Sheet5::kWidth, height), s).size());
    Picture1->setGeometry(scaled(QRect(0, 0, Sheet5::kWidth, height), s));
    Image1->setGeometry(scaled(QRect(kFaceLeft, kFaceTop, kFaceWidth, kFaceHeight), s));
    Label1->setGeometry(scaled(QRect(kTextLeft, kSpeakerTop, kTextWidth, kSpeakerHeight), s));
    Label1->setFont(look::Gothic(13 * s, true));
    Label2->setGeometry(scaled(QRect(kTextLeft, kTextTop, kTextWidth, kTextHeight), s));
    static_cast<RuledLabel*>(Label2)->setScale(s);
    const std::array<int, 2> lefts{Sheet5::kYesLeft, Sheet5::kNoLeft};
    for (size_t i = 0; i < Label3.size(); ++i)
        Label3[i]->setGeometry(scaled(QRect(lefts[i], Sheet5::kAreaTop, Sheet5::kAreaWidth, Sheet5::kAreaHeight), s));
}

int MesForm::textLineCount() const {
    return static_cast<const RuledLabel*>(Label2)->lineCount();
}

void MesForm::closeByRule() {
    closingByRule_ = true;
    if (!Unload()) closingByRule_ = false;
}

void MesForm::Form_Click() {
    if (mode_ == kTimed) closeByRule();
}

void MesForm::Form_KeyDown() {
    if (mode_ == kTimed || mode_ == kOk) closeByRule();
}

void MesForm::Label3_Click(int index) {
    if (mode_ == kQuestion) {
        MesMode = index == 0 ? kYes : kNo;
        closeByRule();
    } else if (mode_ == kTimed || index == 1) {
        closeByRule();
    }
}

void MesForm::Timer1_Timer() {
    if (mode_ == kTimed && !waitsForClick_) closeByRule();
}

bool MesForm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        auto* w = static_cast<QWidget*>(watched);
        if (!w->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint())) return true;
        if (watched == Label3[0])
            Label3_Click(0);
        else if (watched == Label3[1])
            Label3_Click(1);
        else
            Form_Click();
        return true;
    }
    return GameForm::eventFilter(watched, e);
}

void MesForm::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Form_Click();
}

void MesForm::keyPressEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    // With the keyboard option on, Y and N stand for the two areas; without
    // it a question waits for the mouse, so a key pressed for something else
    // cannot answer it by chance.
    if (mode_ == kQuestion && KeyboardAccess && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (e->key() == Qt::Key_Y) return Label3_Click(0);
        if (e->key() == Qt::Key_N) return Label3_Click(1);
    }
    Form_KeyDown();
}

void MesForm::showEvent(QShowEvent* e) {
    GameForm::showEvent(e);
    activateWindow();
    setFocus();
}
