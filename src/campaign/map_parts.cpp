// The pieces both castle maps are built from.
#include "campaign/map_parts.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "app/wait.h"
#include "look/look.h"
#include "media/data_files.h"
#include "media/effects.h"
#include "media/pictures.h"
#include "media/sheet_captions.h"
#include "media/sheet_layout.h"
#include "platform/program_folder.h"
#include "platform/scheduler.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

MapState MapState::FromShared() {
    MapState s;
    s.stage = StageNo;
    s.level = LevelNo;
    s.briefing = BriefingDone;
    s.won = LastWon;
    s.points = TotalPoint;
    s.gained = GainedPoint;
    s.left = FoeLeft;
    return s;
}

void MapState::WriteBack(bool withLeft) const {
    StageNo = stage;
    LevelNo = level;
    BriefingDone = briefing;
    LastWon = won;
    TotalPoint = points;
    GainedPoint = gained;
    if (withLeft) FoeLeft = left;
}

MapButton::MapButton(QWidget* parent, const QPixmap& sheet, int cell, int left, int top) : SheetButton(parent) {
    setGeometry(left, top, Sheet4::kCellWidth, Sheet4::kCellHeight);
    if (!sheet.isNull())
        setPicture(CutPicture(sheet, QRect(0, Sheet4::cellTop(cell), Sheet4::kCellWidth, Sheet4::kCellHeight)));
    setAccessibleName(Sheet4Caption(cell));
    hide();
}

bool MapOptionKey(QWidget& map, QKeyEvent* e, MapButton& quit) {
    if (!KeyboardAccess) return false;
    // Here only when no button is shown to go to.
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return true;
    if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            look::keys::FocusNext(map, e->key() == Qt::Key_Right || e->key() == Qt::Key_Down);
            return true;
        case Qt::Key_Escape:
            // Only the quit button cancels: while the roulette spins, Escape
            // must not stop it and send the player into a duel.
            if (quit.isVisibleTo(&map) && quit.isEnabled()) Q_EMIT quit.clicked();
            return true;
        default:
            return false;
    }
}

// Taking the press makes this widget the one that hears the release: on a
// scaled screen the graphics view hands the release to whoever took the press.
HighlightFrame::HighlightFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void HighlightFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 8, 0), 5));
    p.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(QPen(QColor(255, 214, 64), 3));
    p.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

QLabel* MapLabel(QWidget* parent, const QRect& r, const QFont& font, const QColor& colour, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetLabelColour(l, colour);
    return l;
}

void SetLabelColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

QFont MapGothic(int px, bool bold) {
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QFont MapMincho(int px, bool bold) {
    QFont f(QStringLiteral("IPAPMincho"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QImage DarkenedImage(const QImage& face) {
    QImage img = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(HalfToEven(qRed(c)), HalfToEven(qGreen(c)), HalfToEven(qBlue(c)), qAlpha(c));
        }
    }
    img.setDevicePixelRatio(face.devicePixelRatio());
    return img;
}

QPixmap DarkenedFace(const QPixmap& face) {
    QPixmap p = QPixmap::fromImage(DarkenedImage(face.toImage()));
    p.setDevicePixelRatio(face.devicePixelRatio());
    return p;
}

void CountUp(int32_t points, int32_t gained, const std::function<void(int32_t)>& show) {
    if (SoundOn) {
        host::ChDirProgram();
        SndPlaySound(DataFileName("bData", 2), SND_ASYNC | SND_LOOP);
    }
    // Counted in 64 bits: the sum of two stored values must not wrap.
    const int64_t last = int64_t{points} + gained;
    for (int64_t v = points; v <= last; ++v) {
        if (v % 10 != 0) continue;
        show(static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)));
        // Each shown value stays up for at least a millisecond, so the points
        // are seen counting however fast the machine handles its events.
        WaitMs(1);
    }
    SndPlaySound(QString(), SND_ASYNC);
}

void AskAndSaveRun() {
    if (!NotOfficial &&
        MesBox(kGuideFace, GuideLine(), QStringLiteral("セーブすると公認記録ではなくなりますが、よろしいですか？"),
               true, false) != -1)
        return;
    SaveMode = true;
    ShowGameData();
}

bool AskQuitRun() {
    return MesBox(kGuideFace, GuideLine(), QStringLiteral("強制終了してもいいですか？"), true, false) == -1;
}
