#include "media/pictures.h"

#include <QGuiApplication>

QPixmap LoadBuiltInPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0) devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (devicePixelRatio > 1.0) {
        QPixmap hi(QStringLiteral(":/res/%1@2x.png").arg(name));
        if (!hi.isNull()) {
            hi.setDevicePixelRatio(2.0);
            return hi;
        }
    }
    return QPixmap(QStringLiteral(":/res/%1.png").arg(name));
}

QPixmap LoadResPicture(int number, qreal devicePixelRatio) {
    return LoadBuiltInPicture(QString::number(number), devicePixelRatio);
}
