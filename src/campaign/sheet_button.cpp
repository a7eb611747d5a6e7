// Cells of the button sheets.
#include "campaign/sheet_button.h"

#include "media/pictures.h"

QPixmap SheetCell(const QPixmap& sheet, int left, int top, int width, int height) {
    // The cell is given in the layouts' numbers, whatever the sheet's density.
    const QSize size = PictureSize(sheet);
    if (!sheet.isNull() && left + width <= size.width() && top + height <= size.height())
        return CutPicture(sheet, QRect(left, top, width, height));
    QPixmap blank(width, height);
    blank.fill(Qt::transparent);
    return blank;
}
