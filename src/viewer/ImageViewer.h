#ifndef IMAGEVIEWER_H
#define IMAGEVIEWER_H

#include <QDialog>
#include <QFileInfo>

#include <memory>

class ImageView;
class QGraphicsScene;

namespace Ui {
class ImageViewer;
}

// Shows the photos of one folder one at a time: zoom, fit, original size, rotation in quarter
// turns, browsing through the photos of the same file type in file name order, and deletion of
// the shown photo. Created per use, opened with one path, run modally and then deleted.
class ImageViewer : public QDialog
{
    Q_OBJECT

public:
    // One step of the zoom buttons and the wheel; the second is 1 / 1.1 in single precision.
    static constexpr float zoomStep = 1.1f;
    static constexpr float unzoomStep = 0.90909094f;
    static constexpr float minZoom = 0.1f;
    static constexpr float maxZoom = 32.0f;

    explicit ImageViewer(QWidget *parent = nullptr);
    ~ImageViewer() override;

    // Shows the photo at `path` fitted to the dialog and lists the photos of its type in its
    // folder for browsing. False, after a warning, when the photo cannot be loaded.
    bool openImage(const QString &path);
    // Applies `factor` and the rotation to the view and updates the title.
    void zoomImage(float factor);
    // Multiplies the zoom by `step`, within minZoom ... maxZoom, about the view's current anchor.
    void zoomBy(float step);

    // The measurement file kept beside a picture: the same path with the extension ".kmeas".
    static QString measurementPath(const QString &picturePath);
    // The picture whose measurements the user asked to open in the main window (the Measure
    // button closed the viewer), or empty.
    QString measureRequest() const { return requestedPicture; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_tb_ZoomIn_clicked();
    void on_tb_ZoomOut_clicked();
    void on_tb_ZoomFix_clicked();
    void on_tb_ZoomOriginal_clicked();
    void on_tb_NavigationPrevious_clicked();
    void on_tb_NavigationNext_clicked();
    void on_tb_RotateLeft_clicked();
    void on_tb_RotateRight_clicked();
    void on_tb_DeleteImage_clicked();
    void on_tb_Measure_clicked();

private:
    bool showPhoto(const QString &path);
    void showMeasure(bool shown);
    int indexOfShownPhoto() const;
    float fitScale() const;
    void updateTitle();

    QGraphicsScene *scene = nullptr;
    ImageView *view = nullptr;
    float zoomFactor = 1.0f;
    int rotation = 0;
    std::unique_ptr<Ui::ImageViewer> ui;
    int currentIndex = -1;
    QFileInfoList fileList;
    QString windowTitleText;
    QString imageFileName;
    QString zoomText;
    // The picture on the screen, and the one the Measure button chose.
    QString shownPath;
    QString requestedPicture;
};

#endif // IMAGEVIEWER_H
