#ifndef ELFHEADER_H
#define ELFHEADER_H

#include <QByteArray>
#include <QString>

// What the header of an ELF file says about the program in it: word size, byte order, file type
// and machine. Enough to tell whether a file can run where another program runs, before the
// file replaces that program.
struct ElfHeader
{
    // ELF class: 1 for 32-bit, 2 for 64-bit; 0 when the bytes are no ELF header.
    int wordSize = 0;
    // 1 little-endian, 2 big-endian.
    int byteOrder = 0;
    int type = 0;
    int machine = 0;

    bool isElf() const { return wordSize != 0; }
    // A program: linked at a fixed address, or position-independent (as the toolchain builds it).
    bool isProgram() const { return type == 2 || type == 3; }
    // A program for the same machine, word size and byte order as `running`.
    bool runsLike(const ElfHeader &running) const;

    // The header at the start of `bytes`; an empty header when they hold none.
    static ElfHeader parse(const QByteArray &bytes);
    static ElfHeader ofFile(const QString &path);
};

#endif // ELFHEADER_H
