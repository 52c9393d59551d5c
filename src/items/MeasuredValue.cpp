#include "MeasuredValue.h"

#include <QStringList>

#include "ValueFormat.h"

QString MeasuredValue::text() const
{
    return name + QLatin1Char('=') + ValueFormat::number(number) + unit;
}

double MeasuredValue::shownNumber() const
{
    return ValueFormat::number(number).toDouble();
}

QString MeasuredValue::join(const QVector<MeasuredValue> &values)
{
    QStringList lines;
    for (const MeasuredValue &value : values)
        lines << value.text();
    return lines.join(QLatin1Char('\n'));
}
