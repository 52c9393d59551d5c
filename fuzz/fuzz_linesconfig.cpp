// A configuration file of reference lines, as the user may bring it on a stick.
#include <cstdlib>

#include "FuzzTarget.h"
#include "FileRepairs.h"
#include "LinesConfigFile.h"

KORVELIN_FUZZ_TARGET(linesconfig)
{
    Fuzz::environment();
    const QString path = QStringLiteral("CFG00001.ini");
    Fuzz::writeFile(path, data, size);
    const LinesConfigFile::Lines lines = LinesConfigFile::read(path);
    LinesConfigFile::holdsLines(path);
    if (lines.horizontal.size() > LinesConfigFile::largestLineCount || lines.vertical.size() > LinesConfigFile::largestLineCount)
        abort();
    FileRepairs::takeReport();
    return 0;
}
