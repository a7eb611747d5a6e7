// The contact sheet: every picture the generator made, at its real size, on
// one PNG, read back from the files themselves so that it shows exactly what
// the game loads. `vantrax-assets --contact-sheet <program folder> <resource
// folder> <out.png>` writes it.
#include "contact_sheet.h"

#include "app/data_files.h"
#include "asset_io.h"
#include "paint_util.h"
#include "palette.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QRadialGradient>
#include <cstdio>
#include <vector>

namespace {
constexpr int kSheetWidth = 1640;
constexpr int kMargin = 16, kGap = 10, kLabel = 16;

QImage load(const QString& path) {
    QImageReader r(path);
    r.setDecideFormatFromContent(true);
    QImage img = r.read();
    if (img.isNull()) std::fprintf(stderr, "contact sheet: cannot read %s\n", qPrintable(path));
    img.setDevicePixelRatio(1);  // a 2x picture is shown pixel for pixel
    return img;
}

struct Item {
    QString label;
    QImage image;
};

struct Section {
    QString title;
    std::vector<Item> items;
    QColor ground = QColor(0x2a, 0x2a, 0x30);
};

// Lays the items out left to right, wrapping at the sheet's width; returns the
// height used. With `p` null it only measures.
int layOut(QPainter* p, const Section& s, int top) {
    int x = kMargin, y = top + 30, rowH = 0;
    if (p) {
        p->setFont(pal::Gothic(18, true));
        p->setPen(pal::kGoldLight);
        p->drawText(QPointF(kMargin, top + 20), s.title);
    }
    const QFont labelFont = pal::Narrow(11, false);
    const QFontMetrics labelMetrics(labelFont);
    for (const Item& it : s.items) {
        // A slot is as wide as its picture or its label, so no name is cut.
        const int slot = std::max(it.image.width(), labelMetrics.horizontalAdvance(it.label) + 2);
        const int h = it.image.height() + kLabel;
        if (x + slot > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowH + kGap;
            rowH = 0;
        }
        if (p) {
            p->fillRect(QRect(x, y, it.image.width(), it.image.height()), s.ground);
            p->drawImage(x, y, it.image);
            p->setFont(labelFont);
            p->setPen(QColor(0xc8, 0xc8, 0xd0));
            p->drawText(QRect(x, y + it.image.height(), slot, kLabel), Qt::AlignLeft | Qt::AlignVCenter, it.label);
        }
        x += slot + kGap;
        rowH = std::max(rowH, h);
    }
    return y + rowH + kGap - top;
}

// The duel's play area (5835 x 4815 twips) with all ten places filled, the
// way the duel window lays them out, to check the cards read at table size.
QImage duelTable(const QString& resDir) {
    auto tw = [](int twips) { return twips / 15.0; };
    QImage table = Canvas(389, 321, 1, Qt::black);
    QPainter p;
    BeginPaint(p, table, 1);
    const int lefts[4] = {180, 1380, 2580, 3780};
    struct Place {
        int left, top, value;
    };
    const Place places[10] = {{180, 3240, 1},   {1380, 3240, 23}, {2580, 3240, 10}, {3780, 3240, 13}, {1380, 1680, 17},
                              {2580, 1680, 45}, {180, 120, 38},   {1380, 120, 50},  {2580, 120, 29},  {3780, 120, 52}};
    p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1));
    p.setBrush(Qt::NoBrush);
    for (int l : lefts) p.drawRect(QRectF(tw(l) + 0.5, tw(3240) + 0.5, tw(1080) - 1, tw(1380) - 1));
    for (const Place& pl : places)
        p.drawImage(QPointF(tw(pl.left), tw(pl.top)), load(resDir + QStringLiteral("/%1.png").arg(pl.value + 10)));
    // The two deck gauges beside the rows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(QRectF(tw(5040), tw(3240), tw(495), tw(1335)));
    p.drawRect(QRectF(tw(5040), tw(120), tw(495), tw(1335)));
    p.end();
    return table;
}
}  // namespace

int WriteContactSheet(const QString& programDir, const QString& resDir, const QString& outPng) {
    std::vector<Section> sections;
    auto data = [&](const char* prefix, int n) {
        QString name = DataFileName(prefix, n);
        return Item{name, load(programDir + QLatin1Char('/') + name)};
    };
    Section cards{QStringLiteral("カード 11–62"), {}, QColor(10, 58, 34)};
    for (int r = 11; r <= 62; ++r)
        cards.items.push_back({QString::number(r), load(resDir + QStringLiteral("/%1.png").arg(r))});
    sections.push_back(cards);
    Section table{QStringLiteral("対戦台（実寸 389 × 321）と高密度版"),
                  {{QStringLiteral("duel table"), duelTable(resDir)}}};
    for (int r : {11, 33, 50, 63, 91})
        table.items.push_back({QStringLiteral("%1@2x").arg(r), load(resDir + QStringLiteral("/%1@2x.png").arg(r))});
    sections.push_back(table);
    Section faces{QStringLiteral("顔 63–91"), {}};
    for (int r = 63; r <= 91; ++r)
        faces.items.push_back({QString::number(r), load(resDir + QStringLiteral("/%1.png").arg(r))});
    sections.push_back(faces);
    Section screens{QStringLiteral("Data 1–11 と窓の絵"), {}, QColor(0x80, 0x80, 0x88)};
    for (int n = 1; n <= 11; ++n) screens.items.push_back(data("Data", n));
    screens.items.push_back({QStringLiteral("backdrop_logo"), load(resDir + QStringLiteral("/backdrop_logo.png"))});
    screens.items.push_back({QStringLiteral("gameover"), load(resDir + QStringLiteral("/gameover.png"))});
    sections.push_back(screens);
    const struct {
        const char* prefix;
        int count;
        const char* title;
    } series[] = {{"dData", 20, "ロゴ dData"},         {"fData", 12, "プロローグ fData"},
                  {"aData", 18, "新願蛇羅城へ aData"}, {"hData", 38, "エンディング hData"},
                  {"eData", 4, "スタッフ eData"},      {"gData", 5, "メイキング gData"}};
    for (const auto& s : series) {
        Section sec{QString::fromUtf8(s.title), {}};
        for (int n = 1; n <= s.count; ++n) sec.items.push_back(data(s.prefix, n));
        sections.push_back(sec);
    }
    int height = kMargin;
    for (const Section& s : sections) height += layOut(nullptr, s, height);
    QImage sheet(kSheetWidth, height + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(0x16, 0x16, 0x1a));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    int y = kMargin;
    for (const Section& s : sections) y += layOut(&p, s, y);
    p.end();
    WritePng(outPng, sheet);
    std::printf("contact sheet: %s (%d x %d)\n", qPrintable(QFileInfo(outPng).absoluteFilePath()), sheet.width(),
                sheet.height());
    return 0;
}
