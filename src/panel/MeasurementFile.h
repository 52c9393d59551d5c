#ifndef MEASUREMENTFILE_H
#define MEASUREMENTFILE_H

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include "GlobalVar.h"
#include "ItemLook.h"

class Shape;

// The measurements of a capture, kept beside its picture under the same base name
// ("IMG00001.kmeas"): JSON in UTF-8 with the picture's size, the calibration and unit in use, the
// look of the items, the reference lines and cross hair, and every finished item by its tool's
// stable name, its name, its defining points in picture pixels and its value text.
//
// The file is read as untrusted input. Each item stands on a line of its own, so a file that is
// cut short or damaged in places still gives every item whose line is whole; an item whose tool,
// points or counts do not make a valid item of its tool is skipped and counted. Items are rebuilt
// through their own classes from their points, so their values are computed anew.
class MeasurementFile
{
    Q_DECLARE_TR_FUNCTIONS(MeasurementFile)

public:
    MeasurementFile() = delete;

    static constexpr int majorVersion = 1;
    static constexpr int minorVersion = 0;
    // Larger files are refused unread.
    static constexpr qint64 maximumBytes = 16 * 1024 * 1024;
    // A coordinate farther from the picture than this is no point of it.
    static constexpr double coordinateLimit = 100000.0;

    // Everything but the items.
    struct Settings
    {
        QSize pictureSize;
        // The calibration in use (empty name: none, values in pixels), and the unit the values
        // are shown in: its index in the panel's unit list and its text.
        ruler calibration;
        int shownUnit = 0;
        QString unitText = QStringLiteral("pixels");
        ItemLook look;
        struct Line
        {
            QString name;
            QPointF position;
            int width = 0;
            QColor color;
        };
        QVector<Line> lines;
    };

    enum class Status { Read, Unreadable, TooLarge, NotMeasurements, NewerVersion };

    struct Contents
    {
        Status status = Status::Unreadable;
        Settings settings;
        // The item records as found, not checked yet.
        QJsonArray records;
        // Item lines that could not be read at all.
        int damagedRecords = 0;
    };

    struct Items
    {
        QVector<Shape *> items;   // owned by the caller, in no scene
        int skipped = 0;
        // Names of the items whose value, computed again, differs from the value stored.
        QStringList differing;
    };

    // The file that belongs to a picture: the same path with the extension ".kmeas".
    static QString pathFor(const QString &picturePath);

    // The record of one finished item.
    static QJsonObject itemRecord(const Shape *item);
    static QByteArray encode(const Settings &settings, const QVector<Shape *> &items);
    // Writes through SafeFile: complete or not at all.
    static bool write(const QString &path, const Settings &settings, const QVector<Shape *> &items);

    // Why a file was refused as a whole, to be shown to the user.
    static QString refusal(Status status);

    static Contents decode(const QByteArray &bytes);
    static Contents read(const QString &path);
    // The items of `records`, computed with the unit and look in use now.
    static Items rebuild(const QJsonArray &records);
    // One item, or null when the record does not make a valid item of its tool.
    static Shape *rebuildItem(const QJsonObject &record);
};

#endif // MEASUREMENTFILE_H
