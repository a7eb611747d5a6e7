#include "pictures.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <cmath>

QImage DataPicture(const QString& name) {
    QImageReader r(QDir(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR)).filePath(name));
    r.setDecideFormatFromContent(true);
    return r.read();
}

QImage ResPicture(int number, bool twice) {
    QImage img(twice ? QStringLiteral(":/res/%1@2x.png").arg(number) : QStringLiteral(":/res/%1.png").arg(number));
    img.setDevicePixelRatio(1);
    return img;
}

std::vector<float> Grey(const QImage& img, int w, int h) {
    // Flatten on white first: the card corners are transparent.
    QImage flat(img.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, img);
    }
    QImage small = flat.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::vector<float> out;
    out.reserve(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.push_back(static_cast<float>(qGray(small.pixel(x, y))));
    return out;
}

double MeanDiff(const std::vector<float>& a, const std::vector<float>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) sum += std::fabs(a[i] - b[i]);
    return a.empty() ? 0 : sum / a.size();
}

double PictureDiff(const QImage& a, const QImage& b) {
    QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return 255;
    double sum = 0;
    for (int j = 0; j < x.height(); ++j) {
        auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(j));
        auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(j));
        for (int i = 0; i < x.width(); ++i)
            sum += std::abs(qRed(p[i]) - qRed(q[i])) + std::abs(qGreen(p[i]) - qGreen(q[i])) +
                   std::abs(qBlue(p[i]) - qBlue(q[i]));
    }
    return sum / (3.0 * x.width() * x.height());
}

double VisibleShare(const QImage& a, const QImage& b, double distance) {
    if (a.size() != b.size() || a.isNull()) return 1;
    auto onWhite = [](const QImage& img) {
        QImage flat(img.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, img);
        return flat;
    };
    const QImage x = onWhite(a), y = onWhite(b);
    size_t differing = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            double dr = qRed(p) - qRed(q), dg = qGreen(p) - qGreen(q), db = qBlue(p) - qBlue(q);
            if (std::sqrt(dr * dr + dg * dg + db * db) > distance) ++differing;
        }
    return double(differing) / (x.width() * x.height());
}
