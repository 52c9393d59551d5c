#include "PanelFiles.h"

#include <QFileInfo>
#include <QVector>
#include <QWidget>

#include <utility>

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

void PanelFiles::restore()
{
    FileRepairs::keepAsideIfUnreadable(ParamFile::path(),
                                       {QStringLiteral("param"), QStringLiteral("ruler"), QStringLiteral("international"),
                                        QStringLiteral("image"), QStringLiteral("crosshair"), QStringLiteral("detect"),
                                        QStringLiteral("config")});
    const QStringList keys = ParamFile::keys();
    // The groups present are read together; the missing ones are written together, once the
    // others are read.
    const QVector<std::pair<int, QString>> markers = {
        {1, QStringLiteral("param/linewidth")}, {2, QStringLiteral("ruler/name")},
        {3, QStringLiteral("international/language")}, {4, QStringLiteral("image/type")},
        {5, QStringLiteral("crosshair/on")}, {7, QStringLiteral("detect/subpixel")}};
    QVector<int> present;
    QVector<int> missing;
    for (const auto &marker : markers) {
        if (keys.contains(marker.second))
            present << marker.first;
        else if (marker.first == 1 || marker.first == 4 || marker.first == 5)
            missing << marker.first;
    }
    ParamFile::read(present, vertical, horizontal);
    if (!missing.isEmpty())
        save(missing);

    const QString config = ParamFile::configFile();
    if (!config.isEmpty() && QFileInfo(config).isFile()) {
        GlobalVar::sConfigFileName = config;
        loadLines(config);
    }
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
