// The measurement file beside a picture, as the viewer reads it before rebuilding the items: every
// item it gives is whole, shows finite values (every item but a calibration has some), and
// written out again reads back as the same items.
#include <cstdlib>

#include "FuzzTarget.h"
#include "MeasurementFile.h"
#include "Shape.h"
#include "ToolTable.h"

KORVELIN_FUZZ_TARGET(measurement)
{
    Fuzz::environment();
    const MeasurementFile::Contents contents = MeasurementFile::decode(Fuzz::bytes(data, size));
    const MeasurementFile::Items read = MeasurementFile::rebuild(contents.records);
    if (read.items.size() + read.skipped != contents.records.size())
        abort();
    QStringList values;
    for (const Shape *item : read.items) {
        const QString shown = item->labelValues();
        if (!item->isComplete() || shown.contains(QLatin1String("nan"), Qt::CaseInsensitive)
            || shown.contains(QLatin1String("inf"), Qt::CaseInsensitive)
            || (shown.isEmpty() && !ToolTable::find(item->property())->route.calibration))
            abort();
        values << item->labelName() + shown;
    }
    const MeasurementFile::Contents again = MeasurementFile::decode(MeasurementFile::encode(contents.settings, read.items));
    const MeasurementFile::Items reread = MeasurementFile::rebuild(again.records);
    QStringList valuesAgain;
    for (const Shape *item : reread.items)
        valuesAgain << item->labelName() + item->labelValues();
    qDeleteAll(read.items);
    qDeleteAll(reread.items);
    if (again.status != MeasurementFile::Status::Read || reread.skipped != 0 || valuesAgain != values)
        abort();
    return 0;
}
