#ifndef TOLERANCE_H
#define TOLERANCE_H

#include <QJsonObject>
#include <QMap>
#include <QString>

#include <optional>

#include "MeasuredValue.h"

// The limits an item's values are to stay within: per value (by its key, "R", "D"), a nominal
// value and a lower and an upper deviation from it, all in one unit, the one shown when they
// were set. A value is within when its shown number lies from nominal + lower to nominal + upper,
// both bounds included; values without limits are not judged.
//
// Limits follow a change of unit: between mm, um, inch and mil by the fixed factors, and from
// pixels to a length unit through the calibration in use. A calibration change leaves limits in a
// length unit as they are, so the values are judged again against them. Angles never convert.
class Tolerance
{
public:
    struct Limits
    {
        double nominal = 0.0;
        double lower = 0.0;
        double upper = 0.0;

        double lowest() const { return nominal + lower; }
        double highest() const { return nominal + upper; }
        bool operator==(const Limits &other) const
        {
            return nominal == other.nominal && lower == other.lower && upper == other.upper;
        }
        bool operator!=(const Limits &other) const { return !(*this == other); }
    };
    enum Verdict { NotJudged, Within, Outside };

    Tolerance() = default;
    // Empty unless `unit` is a unit text and every entry is valid.
    static std::optional<Tolerance> make(const QString &unit, const QMap<QString, Limits> &limits);

    bool isEmpty() const { return entries.isEmpty(); }
    QString unit() const { return unitText; }
    const QMap<QString, Limits> &limits() const { return entries; }

    // Finite numbers, the lower deviation not above the upper one.
    static bool isValid(const Limits &limits);
    // "pixels", "mm", "um", "inch" or "mil".
    static bool isUnit(const QString &unit);
    // A number as the user typed it: finite, in C notation; false for anything else.
    static bool parseNumber(const QString &text, double *number);

    // The limits of `value` in the unit shown (`shownUnit`, with `ruler` shown units per pixel):
    // false where the value has none or they cannot be converted (limits in a length unit while
    // pixels are shown).
    bool limitsFor(const MeasuredValue &value, const QString &shownUnit, float ruler, Limits *shown) const;
    Verdict judge(const MeasuredValue &value, const QString &shownUnit, float ruler) const;
    // Outside when one value is outside; within when at least one is judged and none is outside.
    Verdict judge(const QVector<MeasuredValue> &values, const QString &shownUnit, float ruler) const;

    // {"unit": "mm", "values": {"R": {"nominal": 5, "lower": -0.1, "upper": 0.1}}}; {} when empty.
    QJsonObject toJson() const;
    // Nothing for anything toJson() would not write: an unknown unit, a missing or non-numeric
    // field, a lower deviation above the upper one.
    static std::optional<Tolerance> fromJson(const QJsonObject &json);

    bool operator==(const Tolerance &other) const
    {
        return unitText == other.unitText && entries == other.entries;
    }
    bool operator!=(const Tolerance &other) const { return !(*this == other); }

private:
    QString unitText;
    QMap<QString, Limits> entries;
};

#endif // TOLERANCE_H
