#include "media/pictures.h"

#include "app/forms.h"

#include <QGuiApplication>

qreal ScreenPictureRatio() {
    // The main window's own screen, not the highest density of all screens
    // (which is what the application reports), times the screens' size: a
    // card drawn at 2x on an ordinary screen needs the 2x picture as much as
    // one on a high-density screen.
    qreal screen = 1.0;
    if (QWidget* host = Forms::host())
        screen = host->devicePixelRatioF();
    else if (qGuiApp)
        screen = qGuiApp->devicePixelRatio();
    return screen * Forms::scale();
}

QPixmap LoadBuiltInPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0) devicePixelRatio = ScreenPictureRatio();
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
