#ifndef MEASUREDVALUE_H
#define MEASUREDVALUE_H

#include <QString>
#include <QVector>

// One value an item shows, as a number: what statistics are taken over and what a tolerance
// judges. The label's text of the value is written from it, so the two never disagree.
struct MeasuredValue
{
    // How a value follows a change of unit.
    enum Kind { Length, Area, Angle };

    // The same value across the items of one tool: "R", "D", "A'", "L2".
    QString key;
    // As the label names it: "R3".
    QString name;
    // In the unit shown, before rounding to the configured decimals.
    double number = 0.0;
    // Appended to the number: "mm", "mm²", "°".
    QString unit;
    Kind kind = Length;

    // "name=number unit", the number with the configured decimals.
    QString text() const;
    // The number as shown, with the configured decimals.
    double shownNumber() const;
    // The values' texts, one line each.
    static QString join(const QVector<MeasuredValue> &values);
};

#endif // MEASUREDVALUE_H
