#ifndef FREENAME_H
#define FREENAME_H

#include <QString>

// The next free file name of a kind in a folder: a three-letter prefix, five digits and an
// extension ("IMG00007.bmp"). The number is one more than the highest already used with that
// prefix and one of the extensions, in either case; gaps are not reused.
class FreeName
{
public:
    FreeName() = delete;

    // Largest number that five digits can write.
    static constexpr int maximum = 99999;

    // The next number for `prefix` among the files of `folder` with one of `extensions`
    // ("bmp" or "bmp,jpg"); 1 in an empty folder. May exceed `maximum`.
    static int nextNumber(const QString &folder, const QString &prefix, const QString &extensions);

    // `prefix` followed by `number` in five digits ("IMG00007").
    static QString baseName(const QString &prefix, int number);

    // The value of a text made only of decimal digits (0 for an empty text), else -1.
    static int isDigitString(const QString &text);
};

#endif // FREENAME_H
