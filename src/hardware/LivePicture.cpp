#include "LivePicture.h"

#include <QPainter>

#include "SyntheticTarget.h"
#include "TargetGeometry.h"

QImage LivePicture::current()
{
    const QString file = QString::fromLocal8Bit(qgetenv("KORVELIN_LIVE_IMAGE"));
    if (file.isEmpty())
        return SyntheticTarget::render();

    const QImage loaded(file);
    if (loaded.isNull()) {
        qWarning("KORVELIN_LIVE_IMAGE: cannot read %s, showing the synthetic target",
                 qPrintable(file));
        return SyntheticTarget::render();
    }
    return fitted(loaded);
}

QImage LivePicture::fitted(const QImage &loaded)
{
    const QSize size(TargetGeometry::width, TargetGeometry::height);
    if (loaded.size() == size)
        return loaded.convertToFormat(QImage::Format_RGB32);

    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QImage scaled = loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&picture);
    painter.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2,
                      scaled);
    return picture;
}
