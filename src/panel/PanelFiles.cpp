#include "PanelFiles.h"

#include <QFileInfo>
#include <QVector>
#include <QWidget>

#include "FileRepairs.h"
#include "GlobalVar.h"
#include "LinesConfigFile.h"
#include "ParamFile.h"
#include "ReferenceLines.h"
#include "SystemPaths.h"
#include "UserDialogs.h"

PanelFiles::PanelFiles(QWidget *panel, ReferenceLines *lines, CustomLine *vertical, CustomLine *horizontal)
    : QObject(panel)
    , panel(panel)
    , lines(lines)
    , vertical(vertical)
    , horizontal(horizontal)
{
}

void PanelFiles::read(int kind)
{
    ParamFile::read(kind, vertical, horizontal);
}

bool PanelFiles::save(int kind)
{
    return save(QVector<int>{kind});
}

bool PanelFiles::save(const QVector<int> &kinds)
{
    QString error;
    if (ParamFile::save(kinds, vertical, horizontal, &error))
        return true;
    warnNotSaved(ParamFile::path(), error);
    return false;
}

void PanelFiles::warnNotSaved(const QString &path, const QString &error)
{
    UserDialogs::warning(panel, tr("Warning"),
                         tr("The settings could not be saved to \"%1\" and the file is as before.\n%2")
                             .arg(path, error));
}

QString PanelFiles::noLinesText(const QString &path)
{
    return tr("\"%1\" holds no line settings; it was left as it is.").arg(path);
}

void PanelFiles::restore()
{
    FileRepairs::keepAsideIfUnreadable(ParamFile::path(),
                                       {QStringLiteral("param"), QStringLiteral("ruler"), QStringLiteral("international"),
                                        QStringLiteral("image"), QStringLiteral("crosshair"), QStringLiteral("detect"),
                                        QStringLiteral("config")});
    // The missing groups that a new file holds are written together, once the others are read.
    QVector<int> missing;
    for (int kind : ParamFile::readPresent(vertical, horizontal)) {
        if (kind == 1 || kind == 4 || kind == 5)
            missing << kind;
    }
    if (!missing.isEmpty())
        save(missing);

    const QString config = ParamFile::configFile();
    if (config.isEmpty() || !QFileInfo(config).isFile())
        return;
    if (!LinesConfigFile::holdsLines(config)) {
        FileRepairs::note(noLinesText(config));
        return;
    }
    GlobalVar::sConfigFileName = config;
    loadLines(config);
}

bool PanelFiles::saveLines(const QString &fileName)
{
    QString error;
    if (!LinesConfigFile::save(fileName, GlobalVar::horizontalLineList, GlobalVar::verticalLineList, &error)) {
        UserDialogs::warning(panel, tr("Warning"), tr("Can't open file for writing!") + QLatin1Char('\n') + error);
        return false;
    }
    GlobalVar::sConfigFileName = fileName;
    if (!ParamFile::setConfigFile(fileName, &error))
        warnNotSaved(ParamFile::path(), error);
    return true;
}

bool PanelFiles::openLines()
{
    const QString path = UserDialogs::getOpenFileName(panel, tr("Open Configuration File"),
                                                      SystemPaths::resolve(QStringLiteral("/mnt/")) + QStringLiteral("DCIM"),
                                                      tr("Files (*.ini)"));
    if (path.isEmpty())
        return false;
    // A file opened to be read is never moved or written; the lines on the screen stay.
    if (!LinesConfigFile::holdsLines(path)) {
        UserDialogs::warning(panel, tr("Warning"), noLinesText(path));
        return false;
    }
    GlobalVar::sConfigFileName = path;
    lines->clearCustom();
    loadLines(path);
    const QString report = FileRepairs::takeReport();
    if (!report.isEmpty())
        UserDialogs::warning(panel, tr("Warning"), report);
    QString error;
    if (!ParamFile::setConfigFile(path, &error))
        warnNotSaved(ParamFile::path(), error);
    return true;
}

void PanelFiles::loadLines(const QString &path)
{
    lines->load(path);
    emit signal_linesLoaded(GlobalVar::horizontalLineList.size(), GlobalVar::verticalLineList.size());
}
