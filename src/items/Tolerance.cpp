#include "Tolerance.h"

#include <QJsonValue>
#include <QLocale>

#include <cmath>

namespace {
const QString pixels = QStringLiteral("pixels");

// Millimetres in one unit; 0 for pixels and unknown texts.
double millimetres(const QString &unit)
{
    if (unit == QLatin1String("mm"))
        return 1.0;
    if (unit == QLatin1String("um"))
        return 0.001;
    if (unit == QLatin1String("inch"))
        return 25.4;
    if (unit == QLatin1String("mil"))
        return 0.0254;
    return 0.0;
}

// What one unit of `from` is in `to`, for lengths; 0 where there is no conversion.
double lengthFactor(const QString &from, const QString &to, float ruler)
{
    if (from == to)
        return 1.0;
    if (from == pixels)
        return millimetres(to) > 0.0 && ruler > 0.0f ? double(ruler) : 0.0;
    if (to == pixels)
        return 0.0;
    return millimetres(from) / millimetres(to);
}

const char *const fieldNames[] = {"nominal", "lower", "upper"};
} // namespace

std::optional<Tolerance> Tolerance::make(const QString &unit, const QMap<QString, Limits> &limits)
{
    if (!isUnit(unit))
        return std::nullopt;
    for (auto it = limits.cbegin(); it != limits.cend(); ++it) {
        if (it.key().isEmpty() || !isValid(it.value()))
            return std::nullopt;
    }
    Tolerance tolerance;
    tolerance.unitText = unit;
    tolerance.entries = limits;
    return tolerance;
}

bool Tolerance::isValid(const Limits &limits)
{
    return std::isfinite(limits.nominal) && std::isfinite(limits.lower) && std::isfinite(limits.upper)
        && std::isfinite(limits.lowest()) && std::isfinite(limits.highest()) && limits.lower <= limits.upper;
}

bool Tolerance::isUnit(const QString &unit)
{
    return unit == pixels || millimetres(unit) > 0.0;
}

bool Tolerance::parseNumber(const QString &text, double *number)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return false;
    *number = value;
    return true;
}

bool Tolerance::limitsFor(const MeasuredValue &value, const QString &shownUnit, float ruler, Limits *shown) const
{
    const auto it = entries.constFind(value.key);
    if (it == entries.cend())
        return false;
    double k = 1.0;
    if (value.kind != MeasuredValue::Angle) {
        k = lengthFactor(unitText, shownUnit, ruler);
        if (k <= 0.0)
            return false;
        if (value.kind == MeasuredValue::Area)
            k *= k;
    }
    *shown = {it->nominal * k, it->lower * k, it->upper * k};
    return true;
}

Tolerance::Verdict Tolerance::judge(const MeasuredValue &value, const QString &shownUnit, float ruler) const
{
    Limits limits;
    if (!limitsFor(value, shownUnit, ruler, &limits))
        return NotJudged;
    // The number as shown is judged, so that what the screen says and the verdict agree; the
    // margin absorbs the binary form of bounds such as 10 + 0.1.
    const double v = value.shownNumber();
    const double margin = 1e-9 * qMax(1.0, qMax(std::abs(limits.lowest()), std::abs(limits.highest())));
    return v >= limits.lowest() - margin && v <= limits.highest() + margin ? Within : Outside;
}

Tolerance::Verdict Tolerance::judge(const QVector<MeasuredValue> &values, const QString &shownUnit, float ruler) const
{
    Verdict verdict = NotJudged;
    for (const MeasuredValue &value : values) {
        const Verdict one = judge(value, shownUnit, ruler);
        if (one == Outside)
            return Outside;
        if (one == Within)
            verdict = Within;
    }
    return verdict;
}

QJsonObject Tolerance::toJson() const
{
    if (entries.isEmpty())
        return QJsonObject();
    QJsonObject values;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        values.insert(it.key(), QJsonObject{{QLatin1String(fieldNames[0]), it->nominal},
                                            {QLatin1String(fieldNames[1]), it->lower},
                                            {QLatin1String(fieldNames[2]), it->upper}});
    return QJsonObject{{QStringLiteral("unit"), unitText}, {QStringLiteral("values"), values}};
}

std::optional<Tolerance> Tolerance::fromJson(const QJsonObject &json)
{
    if (json.isEmpty())
        return Tolerance();
    const QJsonValue unit = json.value(QLatin1String("unit"));
    const QJsonValue values = json.value(QLatin1String("values"));
    if (!unit.isString() || !values.isObject() || json.size() != 2)
        return std::nullopt;
    QMap<QString, Limits> limits;
    const QJsonObject entries = values.toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (!it.value().isObject())
            return std::nullopt;
        const QJsonObject entry = it.value().toObject();
        double numbers[3];
        for (int i = 0; i < 3; ++i) {
            const QJsonValue field = entry.value(QLatin1String(fieldNames[i]));
            if (!field.isDouble())
                return std::nullopt;
            numbers[i] = field.toDouble();
        }
        limits.insert(it.key(), {numbers[0], numbers[1], numbers[2]});
    }
    if (limits.isEmpty())
        return std::nullopt;
    return make(unit.toString(), limits);
}
