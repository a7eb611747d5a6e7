#include "records/print_sheet.h"

#include <QFontMetricsF>
#include <QPainter>

namespace records {

bool PrintSheet(QPrinter& printer, const QString& title, const Sheet& sheet) {
    printer.setDocName(title);
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    double y = 0;
    for (const PrintLine& line : sheet) {
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPointSizeF(line.size);
        p.setFont(font);
        QFontMetricsF m(font, &printer);
        y += m.ascent();
        p.drawText(QPointF(0, y), line.text);
        y += m.descent() + m.leading();
        if (y > page.height()) break;
    }
    return p.end();
}

}  // namespace records
