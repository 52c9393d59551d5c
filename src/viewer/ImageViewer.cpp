#include "ImageViewer.h"
#include "ui_ImageViewer.h"

#include <QDir>
#include <QFile>
#include <QGraphicsScene>

#include <unistd.h>

#include "ImageView.h"
#include "PhotoReader.h"
#include "UserDialogs.h"

ImageViewer::ImageViewer(QWidget *parent)
    : QDialog(parent)
    , scene(new QGraphicsScene(this))
    , ui(new Ui::ImageViewer)
{
    ui->setupUi(this);
    view = new ImageView(scene, this);
    // The bar is laid out at the bottom of the dialog and floats over the photo.
    ui->gb_Navigation->raise();
    // Beside the bar, balanced by a spacer on its other side, so the bar stays centred; it
    // keeps its place while hidden.
    QSizePolicy keepPlace = ui->gb_Measure->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ui->gb_Measure->setSizePolicy(keepPlace);
    ui->gb_Measure->raise();
    showMeasure(false);
}

void ImageViewer::showMeasure(bool shown)
{
    ui->tb_Measure->setVisible(shown);
    ui->gb_Measure->setVisible(shown);
}

ImageViewer::~ImageViewer() = default;

bool ImageViewer::openImage(const QString &path)
{
    if (!showPhoto(path))
        return false;
    const QFileInfo opened(path);
    // Only photos of the opened type are browsed; the folder is listed once per run.
    fileList = opened.absoluteDir().entryInfoList({QStringLiteral("*.") + opened.suffix()}, QDir::Files,
                                                  QDir::Name | QDir::IgnoreCase);
    currentIndex = indexOfShownPhoto();
    return true;
}

void ImageViewer::zoomImage(float factor)
{
    view->setTransform(QTransform::fromScale(factor, factor).rotate(rotation));
    view->setDragMode(fitScale() >= factor ? QGraphicsView::RubberBandDrag : QGraphicsView::ScrollHandDrag);
    zoomText = QStringLiteral("%1%").arg(double(factor) * 100, 0, 'f', 0);
    updateTitle();
}

void ImageViewer::zoomBy(float step)
{
    zoomFactor = qBound(minZoom, zoomFactor * step, maxZoom);
    zoomImage(zoomFactor);
}

void ImageViewer::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    view->resize(size());
}

void ImageViewer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateTitle();
    }
    QDialog::changeEvent(event);
}

void ImageViewer::on_tb_ZoomIn_clicked()
{
    view->setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    zoomBy(zoomStep);
}

void ImageViewer::on_tb_ZoomOut_clicked()
{
    view->setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    zoomBy(unzoomStep);
}

void ImageViewer::on_tb_ZoomFix_clicked()
{
    view->setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    zoomFactor = qBound(minZoom, fitScale(), maxZoom);
    zoomImage(zoomFactor);
}

void ImageViewer::on_tb_ZoomOriginal_clicked()
{
    view->setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    zoomFactor = 1.0f;
    zoomImage(zoomFactor);
}

void ImageViewer::on_tb_NavigationPrevious_clicked()
{
    if (fileList.isEmpty())
        return;
    currentIndex = currentIndex <= 0 ? int(fileList.size()) - 1 : currentIndex - 1;
    showPhoto(fileList.at(currentIndex).filePath());
}

void ImageViewer::on_tb_NavigationNext_clicked()
{
    if (fileList.isEmpty())
        return;
    currentIndex = currentIndex + 1 >= fileList.size() ? 0 : currentIndex + 1;
    showPhoto(fileList.at(currentIndex).filePath());
}

void ImageViewer::on_tb_RotateLeft_clicked()
{
    rotation -= 90;
    if (rotation < -359)
        rotation = 0;
    zoomImage(zoomFactor);
}

void ImageViewer::on_tb_RotateRight_clicked()
{
    rotation += 90;
    if (rotation >= 360)
        rotation = 0;
    zoomImage(zoomFactor);
}

void ImageViewer::on_tb_DeleteImage_clicked()
{
    if (fileList.isEmpty())
        return;
    // Only the photo on the screen is ever deleted. It may be missing from the list (a hidden
    // file was opened), or differ from the entry at currentIndex after a photo failed to load.
    const int index = indexOfShownPhoto();
    if (index < 0) {
        UserDialogs::warning(this, tr("Warning"),
                             tr("This image is not in the image list of its folder and can't be deleted here!"));
        return;
    }
    if (!UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete this image?")))
        return;
    if (!QFile::remove(fileList.at(index).filePath())) {
        UserDialogs::warning(this, tr("Warning"),
                             tr("Can't delete this image!\nThe storage may be write-protected, or the file "
                                "was already removed."));
        return;
    }
    // The picture's measurements go with it: without it they could never be opened.
    QFile::remove(measurementPath(fileList.at(index).filePath()));
    ::sync();
    fileList.removeAt(index);
    if (fileList.isEmpty()) {
        UserDialogs::warning(nullptr, tr("Warning"), tr("All images are delete, will close image viewer!"));
        close();
        return;
    }
    currentIndex = index < fileList.size() ? index : 0;
    if (!showPhoto(fileList.at(currentIndex).filePath())) {
        // The deleted photo must not stay on the screen as if it were still there.
        scene->clear();
        imageFileName.clear();
        shownPath.clear();
        showMeasure(false);
        updateTitle();
    }
}

QString ImageViewer::measurementPath(const QString &picturePath)
{
    const QFileInfo info(picturePath);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".kmeas");
}

void ImageViewer::on_tb_Measure_clicked()
{
    if (shownPath.isEmpty() || !QFileInfo(measurementPath(shownPath)).isFile())
        return;
    requestedPicture = shownPath;
    accept();
}

// Decodes the photo once and hands its pixels to the pixmap, so no second copy is kept.
bool ImageViewer::showPhoto(const QString &path)
{
    QImage photo = PhotoReader::read(path);
    if (photo.isNull()) {
        UserDialogs::warning(this, tr("Warning"), tr("Can't open this image!"));
        return false;
    }
    imageFileName = QFileInfo(path).fileName();
    shownPath = path;
    // Only a picture with its measurements beside it can be measured again.
    showMeasure(QFileInfo(measurementPath(path)).isFile());
    scene->clear();
    scene->setSceneRect(0, 0, photo.width(), photo.height());
    scene->addPixmap(QPixmap::fromImage(std::move(photo)));
    on_tb_ZoomFix_clicked();
    return true;
}

int ImageViewer::indexOfShownPhoto() const
{
    for (int i = 0; i < fileList.size(); ++i) {
        if (fileList.at(i).fileName() == imageFileName)
            return i;
    }
    return -1;
}

float ImageViewer::fitScale() const
{
    QSizeF photo = scene->sceneRect().size();
    // Turned by a quarter, the photo stands the other way round in the dialog.
    if (rotation % 180 != 0)
        photo.transpose();
    return float(qMin(width() / photo.width(), height() / photo.height()));
}

void ImageViewer::updateTitle()
{
    windowTitleText = zoomText + QLatin1Char('\t') + imageFileName + QLatin1Char('\t') + tr("Image Viewer");
    setWindowTitle(windowTitleText);
}
