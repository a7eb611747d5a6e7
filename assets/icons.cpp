#include "icons.h"

#include "asset_io.h"
#include "logos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGradient>

namespace {

// Two decimals are finer than any screen shows the icon, and fixed notation
// keeps the file the same from run to run.
QString num(double v) {
    QString s = QString::number(v, 'f', 2);
    if (s == QStringLiteral("-0.00")) s = QStringLiteral("0.00");
    return s;
}

QString pathData(const QPainterPath& path) {
    QString d;
    QPointF start, at;
    // A figure that comes back to where it began is closed, so its outline
    // joins there instead of ending in two loose caps.
    auto close = [&] {
        if (!d.isEmpty() && at == start) d += QLatin1Char('Z');
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            close();
            d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
            start = at = e;
        } else if (e.type == QPainterPath::LineToElement) {
            d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
            at = e;
        } else if (e.type == QPainterPath::CurveToElement) {
            // A curve is its first control point followed by two data elements.
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            at = end;
            i += 2;
        }
    }
    close();
    return d;
}

QString colourAttrs(const QString& what, const QColor& c) {
    QString a = QStringLiteral(" %1=\"%2\"").arg(what, c.name(QColor::HexRgb));
    if (c.alpha() != 255) a += QStringLiteral(" %1-opacity=\"%2\"").arg(what, num(c.alphaF()));
    return a;
}

// The gradient's definition for <defs>, or an empty text for a plain colour.
QString gradientDef(const QBrush& brush, const QString& id) {
    const QGradient* g = brush.gradient();
    if (!g) return {};
    QString def;
    if (g->type() == QGradient::LinearGradient) {
        auto* lg = static_cast<const QLinearGradient*>(g);
        def = QStringLiteral(
                  "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                  .arg(id, num(lg->start().x()), num(lg->start().y()), num(lg->finalStop().x()),
                       num(lg->finalStop().y()));
    } else {
        auto* rg = static_cast<const QRadialGradient*>(g);
        def = QStringLiteral("<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" r=\"%4\">")
                  .arg(id, num(rg->center().x()), num(rg->center().y()), num(rg->radius()));
    }
    for (const QGradientStop& stop : g->stops())
        def += QStringLiteral("<stop offset=\"%1\"%2/>")
                   .arg(num(stop.first), colourAttrs(QStringLiteral("stop-color"), stop.second));
    def += g->type() == QGradient::LinearGradient ? QStringLiteral("</linearGradient>")
                                                  : QStringLiteral("</radialGradient>");
    return def;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

}  // namespace

QByteArray EmblemSvg(int size) {
    const double c = size / 2.0;
    const std::vector<EmblemLayer> layers = EmblemLayers(QPointF(c, c), c - 1);
    QString defs;
    QString body;
    for (size_t i = 0; i < layers.size(); ++i) {
        const EmblemLayer& layer = layers[i];
        QString attrs;
        if (layer.fill.style() == Qt::NoBrush) {
            attrs += QStringLiteral(" fill=\"none\"");
        } else if (layer.fill.gradient()) {
            const QString id = QStringLiteral("g%1").arg(i);
            defs += gradientDef(layer.fill, id);
            attrs += QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        } else {
            attrs += colourAttrs(QStringLiteral("fill"), layer.fill.color());
        }
        if (layer.path.fillRule() == Qt::OddEvenFill) attrs += QStringLiteral(" fill-rule=\"evenodd\"");
        if (layer.pen.style() != Qt::NoPen) {
            attrs += colourAttrs(QStringLiteral("stroke"), layer.pen.color());
            attrs += QStringLiteral(" stroke-width=\"%1\"").arg(num(layer.pen.widthF()));
            if (layer.pen.joinStyle() == Qt::RoundJoin) attrs += QStringLiteral(" stroke-linejoin=\"round\"");
            if (layer.pen.capStyle() == Qt::RoundCap) attrs += QStringLiteral(" stroke-linecap=\"round\"");
        }
        body += QStringLiteral("<path d=\"%1\"%2/>\n").arg(pathData(layer.path), attrs);
    }
    QString svg = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                      "<defs>%2</defs>\n%3</svg>\n")
                      .arg(size)
                      .arg(defs, body);
    return svg.toUtf8();
}

bool GenerateIcons(const QString& dir, const QString& name) {
    const QString theme = dir + QStringLiteral("/hicolor/");
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = theme + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        WritePng(path, EmblemPicture(size));
        ok = ok && QFileInfo::exists(path);
    }
    ok = ok && writeFile(theme + QStringLiteral("scalable/apps/%1.svg").arg(name), EmblemSvg(256));
    return ok;
}
