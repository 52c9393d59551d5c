#ifndef DRIVEFB0_H
#define DRIVEFB0_H

#include <QObject>

// The on-screen layer's frame buffer "/dev/fb0": creating one starts the layer's video path.
class DriveFb0 : public QObject
{
    Q_OBJECT

public:
    explicit DriveFb0(QObject *parent = nullptr);

    // Opens "/dev/fb0" read-only, issues the request without argument and closes it.
    void vdmaWirte(unsigned int request);
};

#endif // DRIVEFB0_H
