#include "look/dialogs.h"

#include <QGuiApplication>
#include <QLayout>
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

void FixedDialogFrame(QWidget& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (dialog.minimumSize() == dialog.maximumSize()) return;  // already of one size
    if (QLayout* layout = dialog.layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
}
