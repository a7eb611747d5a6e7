#include "look/dialogs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterDialog(QWidget& dialog) {
    QRect area;
    if (QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr)
        area = owner->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isValid()) dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}
