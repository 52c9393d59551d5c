#include "ValueStatistics.h"

#include <algorithm>
#include <cmath>

#include "Shape.h"

void ValueStatistics::set(const void *item, int tool, const QVector<MeasuredValue> &values)
{
    Entry &entry = entries[item];
    take(entry);
    entry.tool = tool;
    entry.values = values;
    for (int i = 0; i < values.size(); ++i)
        add(tool, values.at(i), i);
}

void ValueStatistics::remove(const void *item)
{
    const auto it = entries.find(item);
    if (it == entries.end())
        return;
    take(*it);
    entries.erase(it);
}

void ValueStatistics::clear()
{
    groups.clear();
    entries.clear();
}

void ValueStatistics::follow(const QVector<const Shape *> &items)
{
    ++pass;
    for (const Shape *item : items) {
        Entry &entry = entries[item];
        // Compared by number and by text: a label written from outside the item's recompute
        // still counts as a change.
        if (entry.pass == 0 || entry.revision != item->valuesRevision() || entry.label != item->label)
            setFrom(item, &entry);
        entry.pass = pass;
    }
    if (entries.size() == items.size())
        return;
    for (auto it = entries.begin(); it != entries.end();) {
        if (it->pass != pass) {
            take(*it);
            it = entries.erase(it);
        } else {
            ++it;
        }
    }
}

void ValueStatistics::followItem(const Shape *item)
{
    const auto it = entries.find(item);
    if (it != entries.end() && (it->revision != item->valuesRevision() || it->label != item->label))
        setFrom(item, &*it);
}

void ValueStatistics::setFrom(const Shape *item, Entry *entry)
{
    take(*entry);
    entry->tool = item->property();
    entry->values = item->values();
    entry->revision = item->valuesRevision();
    entry->label = item->label;
    for (int i = 0; i < entry->values.size(); ++i)
        add(entry->tool, entry->values.at(i), i);
}

void ValueStatistics::add(int tool, const MeasuredValue &value, int order)
{
    if (!std::isfinite(value.number))
        return;
    const GroupKey key(tool, value.key);
    auto it = groups.find(key);
    if (it == groups.end()) {
        it = groups.insert(key, Group());
        it->shift = value.number;
        it->order = order;
    }
    it->unit = value.unit;
    const double d = value.number - it->shift;
    it->sum += d;
    it->squares += d * d;
    it->numbers.insert(value.number);
}

void ValueStatistics::take(int tool, const MeasuredValue &value)
{
    const auto it = groups.find(GroupKey(tool, value.key));
    if (it == groups.end())
        return;
    const auto number = it->numbers.find(value.number);
    if (number == it->numbers.end())
        return;
    it->numbers.erase(number);
    if (it->numbers.empty()) {
        groups.erase(it);
        return;
    }
    const double d = value.number - it->shift;
    it->sum -= d;
    it->squares -= d * d;
}

void ValueStatistics::take(const Entry &entry)
{
    for (const MeasuredValue &value : entry.values)
        take(entry.tool, value);
}

QVector<ValueStatistics::Summary> ValueStatistics::summaries() const
{
    QVector<QPair<int, Summary>> ordered;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const Group &group = it.value();
        Summary summary;
        summary.tool = it.key().first;
        summary.key = it.key().second;
        summary.unit = group.unit;
        summary.count = int(group.numbers.size());
        const double n = summary.count;
        summary.mean = group.shift + group.sum / n;
        if (summary.count > 1)
            summary.deviation = std::sqrt(std::max(0.0, (group.squares - group.sum * group.sum / n) / (n - 1.0)));
        summary.minimum = *group.numbers.begin();
        summary.maximum = *group.numbers.rbegin();
        ordered.append({group.order, summary});
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const QPair<int, Summary> &a, const QPair<int, Summary> &b) {
        return a.second.tool != b.second.tool ? a.second.tool < b.second.tool : a.first < b.first;
    });
    QVector<Summary> result;
    result.reserve(ordered.size());
    for (const auto &entry : qAsConst(ordered))
        result.append(entry.second);
    return result;
}
