#ifndef FIRMWARE_H
#define FIRMWARE_H

#include <QByteArray>
#include <QString>

// The firmware payloads the program carries under ":/7010/": the system image, the default boot
// screen and the device tree. A build without the product's firmware packs stand-ins of the
// same sizes and marks them with ":/7010/stand-in". Stand-ins let the simulator run every
// procedure; a camera would not boot from them, so there they are never written.
class Firmware
{
public:
    enum class Target { Detected, Camera, Simulator };

    Firmware() = delete;

    // A payload's bytes, expanded; empty when the program carries none of that name.
    static QByteArray payload(const QString &name);
    static bool isStandIn();
    // The product's firmware may go to any flash, stand-ins only to the simulator's.
    static bool mayBeFlashed();

    // Test seam: judge as on a camera or a simulator instead of as detected.
    static void setTarget(Target target);
};

#endif // FIRMWARE_H
