#ifndef COUNTING_H
#define COUNTING_H

// Instruction counts of a benchmark's measured parts, which hold on a busy machine where its
// timings do not. Run under callgrind (bench/count.sh), a benchmark marks where each part begins
// and ends, and callgrind writes the instructions of each part to a file of its own, named after
// it; run on its own, the marks cost nothing. Where valgrind's headers are missing, nothing is
// counted and the benchmarks run as they are.
#include <QByteArray>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define KORVELIN_COUNTING 1
#endif

namespace Counting {

// True under valgrind, where a benchmark runs each part once instead of timing rounds of it.
inline bool active()
{
#ifdef KORVELIN_COUNTING
    return RUNNING_ON_VALGRIND;
#else
    return false;
#endif
}

// What came before is not counted in the part that starts here.
inline void begin()
{
#ifdef KORVELIN_COUNTING
    CALLGRIND_ZERO_STATS;
#endif
}

// Ends the part begun last: its instructions are recorded as `name`, done `runs` times over,
// so that bench/count.sh reports them for one run.
inline void end(const char *name, int runs = 1)
{
#ifdef KORVELIN_COUNTING
    const QByteArray mark = QByteArray("count ") + name + '|' + QByteArray::number(runs);
    CALLGRIND_DUMP_STATS_AT(mark.constData());
#else
    Q_UNUSED(name)
    Q_UNUSED(runs)
#endif
}

} // namespace Counting

#endif // COUNTING_H
