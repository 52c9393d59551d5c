# Cross build for the camera's board: two Cortex-A9 cores, 32-bit ARM with hard float (armhf).
# Compiler and libraries are Debian's own: crossbuild-essential-armhf and the ":armhf" multiarch
# packages under /usr/lib/arm-linux-gnueabihf, so no separate system root is needed.
#   cmake -S . -B build-armhf/release -DCMAKE_TOOLCHAIN_FILE=cmake/armhf.cmake
# tools/cross-build.sh runs this with everything it needs installed.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(KORVELIN_TRIPLET arm-linux-gnueabihf)
set(CMAKE_LIBRARY_ARCHITECTURE ${KORVELIN_TRIPLET})

set(CMAKE_C_COMPILER ${KORVELIN_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${KORVELIN_TRIPLET}-g++)
# GCC notes on every QList iterator that its ARM calling convention changed in GCC 7.1; all
# of this build is made by one compiler, so the note says nothing here.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)

# Libraries, headers and CMake packages of the target only; programs (moc, uic, rcc, lrelease)
# are the build machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${KORVELIN_TRIPLET} /usr/lib/${KORVELIN_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${KORVELIN_TRIPLET}/pkgconfig:/usr/share/pkgconfig)

# Qt 6 takes its build tools from the build machine's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Qt installation whose tools run on the build machine")

# The build's helper programs (the pinyin database, the firmware stand-ins) and the tests are
# ARM programs: they run through qemu, which finds the ARM loader (/lib/ld-linux-armhf.so.3)
# and the libraries of the multiarch packages in their usual places.
find_program(KORVELIN_QEMU_ARM NAMES qemu-arm-static qemu-arm)
if(KORVELIN_QEMU_ARM)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVELIN_QEMU_ARM})
endif()
