#ifndef STORAGEACTIONS_H
#define STORAGEACTIONS_H

#include <QObject>

#include <functional>

class QFileDialog;
class QWidget;

// Where the panel's files go: the next free name on the USB stick ("/media/usb/") or, for
// configuration files, on the internal storage ("/mnt/"), each in its folder DCIM, after the
// medium and its free space were checked; and the save dialog the exports share.
class StorageActions : public QObject
{
    Q_OBJECT

public:
    // Warnings are shown over `panel`.
    explicit StorageActions(QWidget *panel);

    // The next free file name "<prefix>NNNNN" (no extension), or empty after a warning when
    // there is no medium, too little space or no number left.
    QString freeName(const QString &prefix, const QString &extensions);
    // Asks for a picture on the stick and shows it in the image viewer; a warning when there
    // is no stick.
    void browsePictures();

    // A new non-modal save (mode 1) or open (mode 2) dialog on `path`, not yet shown; the
    // caller owns it.
    static QFileDialog *createFileDialog(int mode, const QString &title, const QString &path, const QString &filter);

    // The path a capture is saved to when the user accepted `typed` in the save dialog with
    // `nameFilter` chosen: a name that does not end in ".bmp" or ".jpg" gets the extension of
    // the chosen filter, or of GlobalVar::imageType when the filter names neither.
    static QString imagePath(const QString &typed, const QString &nameFilter);

signals:
    // The viewer's Measure button chose this picture, to be measured again in the main window.
    void measureRequested(const QString &picturePath);

public:
    // Free space of a medium as GlobalVar::getFreeDisk() reports it; tests replace it.
    static std::function<QString(const QString &path)> freeDiskProbe;

private:
    QWidget *panel;
};

#endif // STORAGEACTIONS_H
