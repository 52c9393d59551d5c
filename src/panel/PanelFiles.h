#ifndef PANELFILES_H
#define PANELFILES_H

#include <QObject>
#include <QVector>

class CustomLine;
class QWidget;
class ReferenceLines;

// The panel's side of the parameter file "./param" and of the configuration files of custom
// reference lines: what is restored on start-up, saved after a change, written to and read
// from a "CFG*.ini" file.
class PanelFiles : public QObject
{
    Q_OBJECT

public:
    // Warnings go to `panel`; the cross hair is saved and restored with kind 5.
    PanelFiles(QWidget *panel, ReferenceLines *lines, CustomLine *vertical, CustomLine *horizontal);

    void read(int kind);
    // False after a warning when "./param" could not be written; it is then as before.
    bool save(int kind);
    bool save(const QVector<int> &kinds);
    // Start-up: every group kept in "./param" is read, the missing groups of the line pen, the
    // image type and the cross hair are written with their defaults, and the configuration
    // file in use (if it still exists and holds lines) brings its custom lines back. A
    // "./param" that can't be read as settings is kept aside first; repairs, and a file in use
    // that holds no lines, are noted for the user (FileRepairs).
    void restore();

    // Writes the custom lines to `fileName` and makes it the file in use; false after a
    // warning when it could not be written.
    bool saveLines(const QString &fileName);
    // Asks for a configuration file on the internal storage and shows its lines in place of
    // the current custom lines; false when the user chose none or one that holds no lines,
    // which is said and left as it is.
    bool openLines();

signals:
    // The custom lines now on the scene came from a configuration file.
    void signal_linesLoaded(int horizontal, int vertical);

private:
    void loadLines(const QString &path);
    void warnNotSaved(const QString &path, const QString &error);
    static QString noLinesText(const QString &path);

    QWidget *panel;
    ReferenceLines *lines;
    CustomLine *vertical;
    CustomLine *horizontal;
};

#endif // PANELFILES_H
