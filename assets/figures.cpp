#include "figures.h"

#include "figure_parts.h"

using namespace figure_parts;

void DrawFigure(QPainter& p, const Figure& f) {
    p.save();
    p.setClipRect(QRectF(0, 0, 85, 100));
    const Head h = headOf(f);
    const QPainterPath headShape = headPath(h, f.jaw);
    if (f.backdrop) backdrop(p, f);
    propBehind(p, f);
    if (f.highCollar) highCollar(p, f);
    hairBack(p, f, h);
    neck(p, f, h);
    outfit(p, f);
    hairLocks(p, f, h);
    if (f.hat != Hat::Kerchief) ears(p, f, h);
    headWithLight(p, f, h, headShape);
    faceMarks(p, f, h);
    eyesAndBrows(p, f, h);
    nose(p, f, h);
    mouth(p, f, h);
    beard(p, f, h, headShape);
    hairFront(p, f, h);
    headgear(p, f, h);
    accessories(p, f, h);
    propFront(p, f);
    frameAndLight(p, f);
    p.restore();
}
