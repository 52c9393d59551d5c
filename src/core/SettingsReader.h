#ifndef SETTINGSREADER_H
#define SETTINGSREADER_H

#include <QColor>
#include <QString>
#include <QStringList>

class QSettings;

// Reads the values of a settings file that a person may have edited or a fault may have
// damaged. Every read names the value to use when the key is missing or unusable; a number
// out of its range is brought to the nearest limit. The reader remembers whether a value was
// present but unusable (`repaired`) and whether one was missing (`incomplete`), so the caller
// can write the group again and tell the user.
class SettingsReader
{
public:
    explicit SettingsReader(const QSettings &settings);

    bool contains(const QString &key) const;

    int integer(const QString &key, int fallback, int minimum, int maximum);
    // A number with a fraction; `ok` false (and nothing noted) when it is missing or unusable,
    // for callers that drop what it belongs to.
    double real(const QString &key, double minimum, double maximum, bool *ok);
    bool boolean(const QString &key, bool fallback);
    // A colour stored as its 32-bit ARGB value in decimal.
    QRgb color(const QString &key, QRgb fallback);
    // One of `allowed`, compared ignoring case.
    QString choice(const QString &key, const QStringList &allowed, const QString &fallback);
    QString text(const QString &key);
    QStringList textList(const QString &key);

    // Something present could not be used as it stood.
    void noteRepaired() { wasRepaired = true; }
    bool repaired() const { return wasRepaired; }
    bool incomplete() const { return wasIncomplete; }

private:
    bool present(const QString &key);

    const QSettings &settings;
    bool wasRepaired = false;
    bool wasIncomplete = false;
};

#endif // SETTINGSREADER_H
