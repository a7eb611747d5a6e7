// The "Data" pictures 1..11, plus the backdrop logo and the game-over picture
// that the windows carry as their own design (written to the resource folder).
#include "app/data_files.h"
#include "art.h"
#include "asset_io.h"
#include "buttons.h"
#include "logos.h"
#include "maps.h"
#include "media/sheet_layout.h"
#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {
// The practice room: a green card table under a lamp, with a brass plate.
QImage practiceBackground() {
    const int w = 480, h = 360;
    QImage img = Canvas(w, h, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    // Wooden rim.
    QLinearGradient wood(0, 0, w, h);
    wood.setColorAt(0, QColor(0x7a, 0x48, 0x26));
    wood.setColorAt(1, QColor(0x3e, 0x20, 0x10));
    p.fillRect(QRectF(0, 0, w, h), wood);
    p.setPen(QPen(QColor(0x2a, 0x14, 0x08, 70), 1));
    for (int i = 0; i < 40; ++i) {
        double y = Hash01(i, 61) * h;
        p.drawLine(QPointF(0, y), QPointF(w, y + (Hash01(i, 62) - 0.5) * 20));
    }
    // Felt.
    QRectF felt(18, 18, w - 36, h - 36);
    QRadialGradient cloth(QPointF(w * 0.42, h * 0.38), w * 0.75);
    cloth.setColorAt(0, QColor(0x2e, 0x8a, 0x52));
    cloth.setColorAt(0.6, QColor(0x1a, 0x5e, 0x38));
    cloth.setColorAt(1, QColor(0x0c, 0x32, 0x1e));
    p.setPen(QPen(pal::kInk, 2));
    p.setBrush(cloth);
    p.drawRoundedRect(felt, 10, 10);
    p.setPen(QPen(pal::kGold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(felt.adjusted(8, 8, -8, -8), 6, 6);
    // A few cards at the corners, as if a game had just been put down.
    const struct {
        double x, y, angle;
        int value;
    } cards[] = {{60, 300, -18, 1}, {88, 306, -4, 40}, {420, 62, 12, 27}, {396, 52, -6, 13}, {430, 300, 20, 24}};
    for (const auto& c : cards) {
        p.save();
        p.translate(c.x, c.y);
        p.rotate(c.angle);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(-33, -42, 70, 90), 5, 5);
        p.drawImage(QRectF(-35, -45, 70, 90), CardFace(c.value, 2));
        p.restore();
    }
    // Brass plate with the room's name.
    QRectF plateRect(w / 2.0 - 70, 30, 140, 30);
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(VGradient(plateRect.top(), plateRect.bottom(), pal::kGoldLight, pal::kGoldDark));
    p.drawRoundedRect(plateRect, 4, 4);
    QPainterPath name = TextPath(QStringLiteral("練 習 場"), pal::Mincho(18, true), plateRect);
    OutlinedText(p, name, QColor(0x3a, 0x24, 0x0a), QColor(0, 0, 0, 0), 0);
    Vignette(p, QRectF(0, 0, w, h), Qt::black, 0.55);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

void GenerateScreens(const AssetContext& ctx) {
    static const char* const levels[3] = {"ノーマル", "ハード", "スーパーハード"};
    static const char* const starts[3] = {"最初から", "精鋭五戦士から", "新願蛇羅城から"};
    // Each picture is drawn twice: at 1x for its data file, then anew at 2x
    // for its twin.
    for (int density : {1, 2}) {
        DrawingDensity at(density);
        auto write = [&ctx, density](int n, const QImage& img) {
            const QString name = DataFileName("Data", n);
            WritePng(ctx.out(density == 1 ? name : HighDensityName(name)), img);
        };
        write(1, EmblemPicture(128));
        write(2, TitleLogoPicture());
        write(3, FirstCastleMap());
        write(4, ButtonSheet4());
        write(5, MessageSheet5());
        write(6, practiceBackground());
        write(7, RowSheet(Sheet78::kLevelWidth, levels));
        write(8, RowSheet(Sheet78::kStartWidth, starts));
        write(9, AboutPicture());
        write(10, NewCastleMap());
        write(11, HandCursorPicture());
    }
    // Pictures of the windows' own design, compiled in beside the faces.
    WritePng(ctx.res(QStringLiteral("backdrop_logo.png")), BackdropLogoPicture(1));
    WritePng(ctx.res(QStringLiteral("backdrop_logo@2x.png")), BackdropLogoPicture(2));
    WritePng(ctx.res(QStringLiteral("gameover.png")), GameOverPicture(1));
    WritePng(ctx.res(QStringLiteral("gameover@2x.png")), GameOverPicture(2));
}
