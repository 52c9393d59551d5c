#include "DriveFb0.h"

#include "CameraSeam.h"

DriveFb0::DriveFb0(QObject *parent)
    : QObject(parent)
{
    vdmaWirte(CameraSeam::WriteRequest);
}

void DriveFb0::vdmaWirte(unsigned int request)
{
    CameraSeam::instance()->frameBufferRequest(0, request);
}
