#include "asset_io.h"
#include "media/data_files.h"
#include "media/sheet_layout.h"
#include "paint_util.h"

#include <QPainter>

namespace {
const QColor kInk(30, 24, 48);

QImage buttonSheet() {
    static const char* const labels[Sheet4::kCount] = {"スタート", "ストップ", "セーブ", "やめる",   "決定", "キャンセル",
                                                       "前へ",     "次へ",     "ロード", "閉じる", "戻る", "完了"};
    QImage img(Sheet4::kCellWidth, Sheet4::kCellHeight * Sheet4::kCount, QImage::Format_ARGB32);
    QPainter p(&img);
    for (int i = 0; i < Sheet4::kCount; ++i)
        p.drawImage(0, Sheet4::cellTop(i),
                    LabelledPanel(Sheet4::kCellWidth, Sheet4::kCellHeight, QColor(90, 60, 30), QString::fromUtf8(labels[i]), 13));
    return img;
}

QImage messageSheet() {
    QImage img(Sheet5::kWidth, Sheet5::kHeight, QImage::Format_ARGB32);
    img.fill(kInk);
    QPainter p(&img);
    auto area = [&](int top, int left, const char* text) {
        p.drawImage(left, top + Sheet5::kAreaTop,
                    LabelledPanel(Sheet5::kAreaWidth, Sheet5::kAreaHeight, QColor(120, 80, 30), QString::fromUtf8(text), 14));
    };
    area(Sheet5::kQuestionTop, Sheet5::kYesLeft, "はい");
    area(Sheet5::kQuestionTop, Sheet5::kNoLeft, "いいえ");
    area(Sheet5::kOkTop, Sheet5::kNoLeft, "OK");
    return img;
}

QImage rowSheet(int width, const char* const labels[3]) {
    QImage img(width, Sheet78::kPitch * 3, QImage::Format_ARGB32);
    QPainter p(&img);
    for (int i = 0; i < 3; ++i) {
        p.drawImage(0, Sheet78::plainTop(i), LabelledPanel(width, Sheet78::kButtonHeight, QColor(60, 60, 90), QString::fromUtf8(labels[i]), 13));
        p.drawImage(0, Sheet78::pressedTop(i), LabelledPanel(width, Sheet78::kButtonHeight, QColor(160, 40, 40), QString::fromUtf8(labels[i]), 13));
    }
    return img;
}

QImage handCursor() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 230, 200));
    p.drawRoundedRect(QRectF(6, 1, 6, 16), 3, 3);
    p.drawRoundedRect(QRectF(6, 12, 18, 16), 5, 5);
    return img;
}
}  // namespace

void GenerateScreens(const AssetContext& ctx) {
    static const char* const levels[3] = {"ノーマル", "ハード", "スーパーハード"};
    static const char* const starts[3] = {"最初から", "精鋭五戦士から", "新願蛇羅城から"};
    WritePng(ctx.out(DataFileName("Data", 1)), LabelledPanel(64, 64, kInk, QStringLiteral("V")));
    WritePng(ctx.out(DataFileName("Data", 2)), LabelledPanel(511, 239, kInk, QStringLiteral("Vantrax"), 48));
    WritePng(ctx.out(DataFileName("Data", 3)), LabelledPanel(640, 400, QColor(40, 70, 40), QStringLiteral("願蛇羅")));
    WritePng(ctx.out(DataFileName("Data", 4)), buttonSheet());
    WritePng(ctx.out(DataFileName("Data", 5)), messageSheet());
    WritePng(ctx.out(DataFileName("Data", 6)), LabelledPanel(480, 360, QColor(30, 60, 90), QStringLiteral("練習")));
    WritePng(ctx.out(DataFileName("Data", 7)), rowSheet(Sheet78::kLevelWidth, levels));
    WritePng(ctx.out(DataFileName("Data", 8)), rowSheet(Sheet78::kStartWidth, starts));
    WritePng(ctx.out(DataFileName("Data", 9)), LabelledPanel(300, 200, kInk, QStringLiteral("Vantrax Ver 3.1")));
    WritePng(ctx.out(DataFileName("Data", 10)), LabelledPanel(640, 400, QColor(70, 40, 40), QStringLiteral("新願蛇羅")));
    WritePng(ctx.out(DataFileName("Data", 11)), handCursor());
}
