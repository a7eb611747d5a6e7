// Button sheets "Data4._vx", "Data7._vx", "Data8._vx", the message sheet
// "Data5._vx" and the hand cursor "Data11._vx". The cells come from
// media/sheet_layout.h, the same numbers the windows cut with.
#include "buttons.h"

#include "art.h"
#include "media/sheet_layout.h"
#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>

void DrawButton(QPainter& p, const QRectF& r, const QString& label, ButtonLook look, double pixelSize) {
    p.save();
    const bool pressed = look == ButtonLook::Pressed;
    QColor top = pressed                      ? QColor(0x8e, 0x16, 0x22)
                 : look == ButtonLook::Accent ? QColor(0x3c, 0x5c, 0xa0)
                                              : QColor(0x2c, 0x3e, 0x74);
    QColor bottom = pressed                      ? QColor(0x5a, 0x0a, 0x14)
                    : look == ButtonLook::Accent ? QColor(0x1c, 0x2c, 0x5c)
                                                 : QColor(0x14, 0x1c, 0x3c);
    QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(pal::kInk, 1));
    p.setBrush(VGradient(r.top(), r.bottom(), top, bottom));
    p.drawRoundedRect(outer, 4, 4);
    // A pressed button sinks: shade along its top instead of a shine.
    QRectF inner = r.adjusted(2, 2, -2, -2);
    p.setPen(QPen(pressed ? pal::kGoldLight : pal::kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    if (pressed) {
        p.setBrush(VGradient(inner.top(), inner.top() + 6, QColor(0, 0, 0, 90), QColor(0, 0, 0, 0)));
        p.drawRect(inner.adjusted(1, 1, -1, 0).intersected(QRectF(inner.left(), inner.top(), inner.width(), 6)));
    } else {
        p.setBrush(VGradient(inner.top(), inner.center().y(), QColor(255, 255, 255, 60), QColor(255, 255, 255, 8)));
        p.drawRoundedRect(QRectF(inner.left() + 1, inner.top() + 1, inner.width() - 2, inner.height() / 2 - 1), 2, 2);
    }
    // The label, squeezed sideways when a long one would not fit.
    QPainterPath text = TextPath(label, pal::Gothic(pixelSize, true), r, Qt::AlignCenter);
    QRectF tb = text.boundingRect();
    double room = r.width() - 10;
    if (tb.width() > room) {
        QTransform t;
        t.translate(r.center().x(), 0);
        t.scale(room / tb.width(), 1);
        t.translate(-r.center().x(), 0);
        text = t.map(text);
        tb = text.boundingRect();
    }
    text.translate(r.center().x() - tb.center().x(), r.center().y() - tb.center().y() + (pressed ? 1 : 0));
    OutlinedText(p, text.translated(0, 1), QColor(0, 0, 0, 150), QColor(0, 0, 0, 0), 0);
    OutlinedText(p, text, pressed ? QBrush(pal::kGoldLight) : QBrush(QColor(0xfb, 0xf4, 0xe2)), pal::kInk, 0);
    p.restore();
}

QImage ButtonSheet4() {
    // Labels by cell name, so that rearranging the sheet moves them along.
    auto label = [](int cell) -> const char* {
        switch (cell) {
            case Sheet4::Start:
                return "スタート";
            case Sheet4::Stop:
                return "ストップ";
            case Sheet4::Cancel:
                return "キャンセル";
            case Sheet4::Quit:
                return "やめる";
            case Sheet4::Next:
                return "次へ";
            case Sheet4::Finish:
                return "完了";
            case Sheet4::Previous:
                return "前へ";
            case Sheet4::Save:
                return "セーブ";
            case Sheet4::Load:
                return "ロード";
            case Sheet4::Close:
                return "閉じる";
            case Sheet4::Back:
                return "戻る";
            case Sheet4::Ok:
                return "決定";
        }
        return "";
    };
    QImage img = Canvas(Sheet4::kCellWidth, Sheet4::kCellHeight * Sheet4::kCount);
    QPainter p;
    BeginPaint(p, img, 1);
    for (int i = 0; i < Sheet4::kCount; ++i) {
        // Starting a duel is the one call to action; it stands out a little.
        ButtonLook look = i == Sheet4::Start ? ButtonLook::Accent : ButtonLook::Plain;
        DrawButton(p, QRectF(0, Sheet4::cellTop(i), Sheet4::kCellWidth, Sheet4::kCellHeight),
                   QString::fromUtf8(label(i)), look, 13);
    }
    return img;
}

QImage RowSheet(int width, const char* const labels[3]) {
    QImage img = Canvas(width, Sheet78::kPitch * 3);
    QPainter p;
    BeginPaint(p, img, 1);
    for (int i = 0; i < 3; ++i) {
        QString label = QString::fromUtf8(labels[i]);
        DrawButton(p, QRectF(0, Sheet78::plainTop(i), width, Sheet78::kButtonHeight), label, ButtonLook::Plain, 13);
        DrawButton(p, QRectF(0, Sheet78::pressedTop(i), width, Sheet78::kButtonHeight), label, ButtonLook::Pressed, 13);
    }
    return img;
}

namespace {
// One message background: a parchment scroll in a navy frame, a sunken slot
// for the speaker's face at the left and a ribbon for the speaker's line.
void messageBackground(QPainter& p, double top, double height) {
    const QRectF r(0, top, Sheet5::kWidth, height);
    p.fillRect(r, pal::kNight);
    QRectF paper = r.adjusted(4, 4, -4, -4);
    QLinearGradient g(paper.topLeft(), paper.bottomRight());
    g.setColorAt(0, QColor(0xfa, 0xf2, 0xdc));
    g.setColorAt(1, QColor(0xe8, 0xd6, 0xae));
    FramedPanel(p, r, QBrush(pal::kNight), 3);
    p.setPen(QPen(pal::kGoldDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(paper.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    // Face slot: the face picture (85 x 100) sits at (12, 12) of the background.
    QRectF slot(10, top + 10, 89, 104);
    p.setPen(QPen(pal::kInk, 1));
    p.setBrush(pal::kNightDeep);
    p.drawRect(slot.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(pal::kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(slot.adjusted(-1.5, -1.5, 1.5, 1.5));
    // Speaker band from x 106 along the top, light enough for dark text.
    QRectF ribbon(106, top + 11, Sheet5::kWidth - 118, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(VGradient(ribbon.top(), ribbon.bottom(), QColor(0xec, 0xdc, 0xb4), QColor(0xdc, 0xc6, 0x94)));
    p.drawRect(ribbon);
    p.setPen(QPen(pal::kGoldDark, 1));
    p.drawLine(QPointF(ribbon.left(), ribbon.bottom() + 0.5), QPointF(ribbon.right(), ribbon.bottom() + 0.5));
    // Faint rules under the text, like a letter.
    p.setPen(QPen(QColor(0xb8, 0x9c, 0x6a, 70), 1));
    for (double y = top + 55; y < top + std::min(height - 44, 112.0); y += 20)
        p.drawLine(QPointF(110, y + 0.5), QPointF(Sheet5::kWidth - 14, y + 0.5));
}
}  // namespace

QImage MessageSheet5() {
    QImage img = Canvas(Sheet5::kWidth, Sheet5::kHeight);
    QPainter p;
    BeginPaint(p, img, 1);
    messageBackground(p, Sheet5::kQuestionTop, Sheet5::kQuestionHeight);
    messageBackground(p, Sheet5::kOkTop, Sheet5::kOkHeight);
    messageBackground(p, Sheet5::kTimedTop, Sheet5::kTimedHeight);
    auto area = [&](int top, int left, const char* text, ButtonLook look) {
        DrawButton(p, QRectF(left, top + Sheet5::kAreaTop, Sheet5::kAreaWidth, Sheet5::kAreaHeight),
                   QString::fromUtf8(text), look, 14);
    };
    area(Sheet5::kQuestionTop, Sheet5::kYesLeft, "はい", ButtonLook::Accent);
    area(Sheet5::kQuestionTop, Sheet5::kNoLeft, "いいえ", ButtonLook::Plain);
    area(Sheet5::kOkTop, Sheet5::kNoLeft, "OK", ButtonLook::Accent);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage HandCursorPicture() {
    // A pointing glove in crisp one-pixel outline; the fingertip is at (8, 1),
    // where the game puts the cursor's hot spot (width / 4, 1).
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    // At 2x the same outline is two pixels wide: still crisp, no blur.
    p.scale(PictureDensity(), PictureDensity());
    QPolygon outline;
    outline << QPoint(6, 2) << QPoint(7, 1) << QPoint(9, 1) << QPoint(10, 2) << QPoint(10, 11) << QPoint(11, 10)
            << QPoint(13, 10) << QPoint(14, 11) << QPoint(15, 11) << QPoint(16, 12) << QPoint(17, 12) << QPoint(18, 13)
            << QPoint(19, 13) << QPoint(20, 14) << QPoint(21, 14) << QPoint(22, 15) << QPoint(22, 23) << QPoint(20, 27)
            << QPoint(20, 30) << QPoint(8, 30) << QPoint(8, 27) << QPoint(3, 21) << QPoint(1, 17) << QPoint(1, 15)
            << QPoint(2, 14) << QPoint(4, 14) << QPoint(6, 17) << QPoint(6, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfc, 0xf2));
    p.drawPolygon(outline);
    // Knuckle creases and the cuff.
    p.setPen(QColor(0xb8, 0xa8, 0x90));
    p.drawLine(10, 12, 10, 16);
    p.drawLine(14, 12, 14, 16);
    p.drawLine(18, 14, 18, 17);
    p.fillRect(QRect(9, 27, 11, 3), pal::kGold);
    p.setPen(pal::kInk);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    p.drawLine(8, 27, 20, 27);
    p.end();
    return img;
}
