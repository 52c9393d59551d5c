#include "PictureCapture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>

#include "BmpEncoder.h"
#include "Control.h"
#include "DriveFb1.h"
#include "GlobalVar.h"
#include "PointDetector.h"
#include "SafeFile.h"
#include "SubPixelEdge.h"

QPointF PictureCapture::detectPoint(const QPointF &p)
{
    if (!PointDetector::detectionArea.contains(p))
        return p;
    // Only the rows of the block around the click are read from the photo, and those the
    // refinement looks at around it.
    const int margin = GlobalVar::bSubPixel ? SubPixelEdge::reach : 0;
    DriveFb1 fb1;
    const QImage *picture = fb1.readQImageRows(width, height, bytesPerPixel, PointDetector::firstRow(p) - margin,
                                               PointDetector::rowCount + 2 * margin);
    if (!picture)
        return p;
    if (GlobalVar::bSubPixel)
        return SubPixelEdge::locate(*picture, p, GlobalVar::threshold, response());
    return PointDetector::locate(*picture, p, GlobalVar::threshold);
}

QImage PictureCapture::photo()
{
    DriveFb1 fb1;
    const QImage *picture = fb1.readQImage(width, height, bytesPerPixel);
    // The image stands on the frame buffer's own memory, which goes with fb1.
    return picture ? picture->copy() : QImage();
}

PictureResponse PictureCapture::response()
{
    return PictureResponse(Control::gammaExponent(GlobalVar::IMX185.gamma),
                           Control::sharpeningShare(GlobalVar::IMX185.sharpen));
}

bool PictureCapture::captureTo(const QString &path, QGraphicsScene *scene, const QGraphicsView *view)
{
    DriveFb1 fb1;
    QImage *picture = fb1.readQImage(width, height, bytesPerPixel);
    if (!picture)
        return false;
    QPainter painter(picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The items alone over the photo: the view's own background is the live picture again.
    scene->render(&painter, QRectF(picture->rect()), view->mapToScene(picture->rect()).boundingRect(),
                  Qt::KeepAspectRatio);
    painter.end();
    // Written beside the target and put in its place only when complete, so a failed write
    // leaves no half-written picture. A bitmap is encoded in one piece.
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QByteArray bytes;
    if (format == "bmp") {
        bytes = BmpEncoder::encode(*picture);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picture->save(&buffer, format.isEmpty() ? nullptr : format.constData()))
            bytes.clear();
    }
    return !bytes.isEmpty() && SafeFile::write(path, bytes);
}
