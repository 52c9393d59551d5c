#include "CameraSeam.h"

#include "DeviceCamera.h"
#include "SimulatedCamera.h"
#include "SystemPaths.h"

namespace {
struct Instances
{
    std::unique_ptr<CameraSeam> chosen;
    CameraSeam *replacement = nullptr;
};

Instances &instances()
{
    static Instances s;
    return s;
}
} // namespace

CameraSeam::~CameraSeam() = default;

CameraSeam *CameraSeam::instance()
{
    Instances &s = instances();
    if (s.replacement)
        return s.replacement;
    if (!s.chosen) {
        if (SystemPaths::isCamera())
            s.chosen.reset(new DeviceCamera);
        else
            s.chosen.reset(new SimulatedCamera);
    }
    return s.chosen.get();
}

void CameraSeam::setInstance(CameraSeam *camera)
{
    instances().replacement = camera;
}

void CameraSeam::reset()
{
    instances().chosen.reset();
}
