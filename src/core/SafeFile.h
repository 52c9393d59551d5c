#ifndef SAFEFILE_H
#define SAFEFILE_H

#include <QByteArray>
#include <QString>

#include <functional>

class QSettings;

// Every file the program writes goes through here, so that a write either happens completely
// or not at all: the bytes go to a temporary file beside the target, which is flushed to the
// medium and then renamed over the target. A pulled stick, a full disk or a read-only medium
// leave the previous file as it was, and the call reports the failure.
class SafeFile
{
public:
    enum Step { NoStep, Open, Write, Flush, Rename };

    SafeFile() = delete;

    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

    // Applies `edit` to the INI settings held in `path` (an absent file counts as empty) and
    // writes the result as above.
    static bool editSettings(const QString &path, const std::function<void(QSettings &)> &edit,
                             QString *error = nullptr);

    // Test seam: every following write fails at `step` until it is set back to NoStep.
    static void setFailingStep(Step step);
};

#endif // SAFEFILE_H
