// A picture file on the stick, opened in the image viewer.
#include <cstdlib>

#include "FuzzTarget.h"
#include "PhotoReader.h"

KORVELIN_FUZZ_TARGET(photo)
{
    Fuzz::environment();
    const QString path = QStringLiteral("photo");
    Fuzz::writeFile(path, data, size);
    const QImage image = PhotoReader::read(path);
    if (qint64(image.width()) * image.height() > PhotoReader::maxPixels)
        abort();
    return 0;
}
