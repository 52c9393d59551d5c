#ifndef STARTUP_H
#define STARTUP_H

// What the program sets up once its application object exists and before the main window is
// built: resources, names, the window icon, the label font and, in the simulator, its sandbox.
namespace Startup {
void prepare();
} // namespace Startup

#endif // STARTUP_H
