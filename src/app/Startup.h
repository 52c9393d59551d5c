#ifndef STARTUP_H
#define STARTUP_H

#include <QByteArray>

#include <linux/fb.h>

// What the program sets up once its application object exists and before the main window is
// built: resources, names, the window icon, the label font and, in the simulator, its sandbox.
namespace Startup {
// Before the application object exists. On the camera: the display is the overlay frame buffer
// "/dev/fb0", drawn through Qt's linuxfb platform unless QT_QPA_PLATFORM names another, and that
// frame buffer is made a 32-bit one with an alpha channel and cleared to fully transparent, so
// the live picture below it shows wherever the program draws nothing.
void prepareDisplay();

void prepare();

// The platform the program asks for: what QT_QPA_PLATFORM already names, else linuxfb on the
// overlay frame buffer on the camera and the toolkit's own choice (empty) elsewhere.
QByteArray platformFor(bool camera, const QByteArray &requested);

// The overlay's screen settings with 8 bits of alpha above 8 bits each of red, green and blue
// (ARGB8888), the form in which the toolkit clears the screen to transparent rather than black.
// False when `screen` already has that form, so nothing need be asked of the driver.
bool withAlphaChannel(fb_var_screeninfo &screen);
} // namespace Startup

#endif // STARTUP_H
