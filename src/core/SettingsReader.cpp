#include "SettingsReader.h"

#include <QSettings>
#include <QVariant>

#include <cmath>

namespace {
// A whole number written as text, or a number variant (floats are stored as such).
bool toNumber(const QVariant &value, double *number)
{
    bool ok = false;
    if (value.userType() == QMetaType::QString)
        *number = value.toString().trimmed().toDouble(&ok);
    else if (value.canConvert<double>())
        *number = value.toDouble(&ok);
    return ok && std::isfinite(*number);
}
} // namespace

SettingsReader::SettingsReader(const QSettings &settings)
    : settings(settings)
{
}

bool SettingsReader::contains(const QString &key) const
{
    return settings.contains(key);
}

bool SettingsReader::present(const QString &key)
{
    if (settings.contains(key))
        return true;
    wasIncomplete = true;
    return false;
}

int SettingsReader::integer(const QString &key, int fallback, int minimum, int maximum)
{
    if (!present(key))
        return fallback;
    double number = 0;
    if (!toNumber(settings.value(key), &number) || number != std::trunc(number)) {
        noteRepaired();
        return fallback;
    }
    if (number < minimum || number > maximum) {
        noteRepaired();
        return number < minimum ? minimum : maximum;
    }
    return int(number);
}

double SettingsReader::real(const QString &key, double minimum, double maximum, bool *ok)
{
    double number = 0;
    *ok = settings.contains(key) && toNumber(settings.value(key), &number) && number >= minimum
          && number <= maximum;
    return *ok ? number : 0.0;
}

bool SettingsReader::boolean(const QString &key, bool fallback)
{
    if (!present(key))
        return fallback;
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::Bool)
        return value.toBool();
    const QString word = value.toString().trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1"))
        return true;
    if (word == QLatin1String("false") || word == QLatin1String("0"))
        return false;
    noteRepaired();
    return fallback;
}

QRgb SettingsReader::color(const QString &key, QRgb fallback)
{
    if (!present(key))
        return fallback;
    double number = 0;
    // Unsigned as written here; a signed 32-bit value of another writer means the same colour.
    if (!toNumber(settings.value(key), &number) || number != std::trunc(number)
        || number < -2147483648.0 || number > 4294967295.0) {
        noteRepaired();
        return fallback;
    }
    return QRgb(qint64(number));
}

QString SettingsReader::choice(const QString &key, const QStringList &allowed, const QString &fallback)
{
    if (!present(key))
        return fallback;
    const QString word = settings.value(key).toString().trimmed().toLower();
    for (const QString &option : allowed) {
        if (option.toLower() == word)
            return option;
    }
    noteRepaired();
    return fallback;
}

QString SettingsReader::text(const QString &key)
{
    return settings.value(key).toString();
}

QStringList SettingsReader::textList(const QString &key)
{
    return settings.value(key).toStringList();
}
