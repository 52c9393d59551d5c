#include "ElfHeader.h"

#include <QFile>

namespace {
// e_ident (16 bytes), then e_type and e_machine, 16 bits each.
const int headerStart = 20;
} // namespace

bool ElfHeader::runsLike(const ElfHeader &running) const
{
    return isElf() && isProgram() && running.isElf() && wordSize == running.wordSize
           && byteOrder == running.byteOrder && machine == running.machine;
}

ElfHeader ElfHeader::parse(const QByteArray &bytes)
{
    ElfHeader header;
    if (bytes.size() < headerStart || !bytes.startsWith("\x7f" "ELF"))
        return header;
    const int wordSize = bytes.at(4);
    const int byteOrder = bytes.at(5);
    if ((wordSize != 1 && wordSize != 2) || (byteOrder != 1 && byteOrder != 2))
        return header;
    auto half = [&](int at) {
        const int low = quint8(bytes.at(byteOrder == 1 ? at : at + 1));
        const int high = quint8(bytes.at(byteOrder == 1 ? at + 1 : at));
        return high << 8 | low;
    };
    header.wordSize = wordSize;
    header.byteOrder = byteOrder;
    header.type = half(16);
    header.machine = half(18);
    return header;
}

ElfHeader ElfHeader::ofFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? parse(file.read(headerStart)) : ElfHeader();
}
