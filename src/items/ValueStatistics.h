#ifndef VALUESTATISTICS_H
#define VALUESTATISTICS_H

#include <QHash>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>

#include <set>

#include "MeasuredValue.h"

class Shape;

// Count, mean, sample standard deviation, minimum and maximum of the values of many items, per
// tool and per value (a circle's R, D, C and A each), from the numbers before rounding.
//
// The sums are kept as items come, change and go, so that following one changed item among
// thousands costs the same as among ten. Each value is summed as its distance from the first
// value its group took, so that the deviation of a small spread around a large mean keeps its
// digits.
class ValueStatistics
{
public:
    struct Summary
    {
        int tool = 0;
        QString key;
        QString unit;
        int count = 0;
        double mean = 0.0;
        // Zero for a single value, which has no deviation.
        double deviation = 0.0;
        double minimum = 0.0;
        double maximum = 0.0;
        double range() const { return maximum - minimum; }
    };

    // The values `item` of tool `tool` shows now take the place of those it had.
    void set(const void *item, int tool, const QVector<MeasuredValue> &values);
    void remove(const void *item);
    void clear();
    int itemCount() const { return int(entries.size()); }

    // Follows `items`: the values of items not seen before or changed since are taken anew
    // (told by Shape::valuesRevision()), those of items no longer among them dropped.
    void follow(const QVector<const Shape *> &items);
    // One followed item changed (a drag): only its values are taken anew.
    void followItem(const Shape *item);

    // By tool code, then in the order the values are shown.
    QVector<Summary> summaries() const;

private:
    using GroupKey = QPair<int, QString>;
    struct Group
    {
        QString unit;
        int order = 0;
        double shift = 0.0;
        double sum = 0.0;
        double squares = 0.0;
        std::multiset<double> numbers;
    };
    struct Entry
    {
        int tool = 0;
        QVector<MeasuredValue> values;
        quint64 revision = 0;
        QString label;
        quint32 pass = 0;
    };

    void add(int tool, const MeasuredValue &value, int order);
    void take(int tool, const MeasuredValue &value);
    void take(const Entry &entry);
    void setFrom(const Shape *item, Entry *entry);

    QMap<GroupKey, Group> groups;
    QHash<const void *, Entry> entries;
    quint32 pass = 0;
};

#endif // VALUESTATISTICS_H
