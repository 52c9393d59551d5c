#include "MeasurementFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>

#include <cmath>

#include "ImageViewer.h"
#include "SafeFile.h"
#include "Shape.h"
#include "ToolTable.h"

namespace {
const QLatin1String formatName("korvelin-measurements");
// The longest point list a record may hold: more than any tool has.
constexpr int maximumPoints = 64;

QJsonValue pointValue(const QPointF &p)
{
    if (!Shape::isSet(p))
        return QJsonValue();
    return QJsonArray{p.x(), p.y()};
}

bool isCoordinate(const QJsonValue &value)
{
    return value.isDouble() && std::isfinite(value.toDouble())
        && std::fabs(value.toDouble()) <= MeasurementFile::coordinateLimit;
}

// A point [x, y] within reach of the picture; `ok` is cleared for anything else.
QPointF readPoint(const QJsonValue &value, bool *ok)
{
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2 || !isCoordinate(pair.at(0)) || !isCoordinate(pair.at(1))) {
        *ok = false;
        return QPointF();
    }
    return QPointF(pair.at(0).toDouble(), pair.at(1).toDouble());
}

// A whole number within [low, high], else `fallback`.
int readInt(const QJsonValue &value, int low, int high, int fallback)
{
    const double v = value.toDouble(std::nan(""));
    if (!std::isfinite(v) || v != std::floor(v) || v < low || v > high)
        return fallback;
    return int(v);
}

QColor readColor(const QJsonValue &value, const QColor &fallback)
{
    const QColor color(value.toString());
    return value.isString() && color.isValid() ? color : fallback;
}

const ToolDescription *toolNamed(const QString &name)
{
    for (const ToolDescription &tool : ToolTable::all()) {
        if (name == QLatin1String(tool.name))
            return &tool;
    }
    return nullptr;
}

QJsonObject settingsObject(const MeasurementFile::Settings &s)
{
    QJsonObject calibration{{QStringLiteral("name"), s.calibration.name},
                            {QStringLiteral("displayName"), s.calibration.name.section(QLatin1Char(','), 0, 0)},
                            {QStringLiteral("pixel"), double(s.calibration.pixel)},
                            {QStringLiteral("unitsPerPixel"), double(s.calibration.length)},
                            {QStringLiteral("unit"), int(s.calibration.unit)},
                            {QStringLiteral("shownUnit"), s.shownUnit},
                            {QStringLiteral("shownUnitText"), s.unitText}};
    const ItemLook &l = s.look;
    QJsonObject look{{QStringLiteral("digits"), int(l.digits)},
                     {QStringLiteral("textSize"), l.font.pointSizeF()},
                     {QStringLiteral("textColor"), l.textColor.name()},
                     {QStringLiteral("penWidth"), l.pen.width()},
                     {QStringLiteral("penColor"), l.pen.color().name()},
                     {QStringLiteral("values"), l.textOn},
                     {QStringLiteral("outline"), l.textOutline},
                     {QStringLiteral("crossHair"), l.crossShown}};
    QJsonArray lines;
    for (const MeasurementFile::Settings::Line &line : s.lines) {
        lines.append(QJsonObject{{QStringLiteral("name"), line.name},
                                 {QStringLiteral("position"), pointValue(line.position)},
                                 {QStringLiteral("width"), line.width},
                                 {QStringLiteral("color"), line.color.name()}});
    }
    return QJsonObject{{QStringLiteral("format"), formatName},
                       {QStringLiteral("version"), QStringLiteral("%1.%2").arg(MeasurementFile::majorVersion)
                                                       .arg(MeasurementFile::minorVersion)},
                       {QStringLiteral("picture"), QJsonObject{{QStringLiteral("width"), s.pictureSize.width()},
                                                               {QStringLiteral("height"), s.pictureSize.height()}}},
                       {QStringLiteral("calibration"), calibration},
                       {QStringLiteral("look"), look},
                       {QStringLiteral("lines"), lines}};
}

// Reads what the header holds; what is missing or out of range keeps the value in use now.
MeasurementFile::Settings readSettings(const QJsonObject &o)
{
    MeasurementFile::Settings s;
    const QJsonObject picture = o.value(QStringLiteral("picture")).toObject();
    s.pictureSize = QSize(readInt(picture.value(QStringLiteral("width")), 0, 65535, 0),
                          readInt(picture.value(QStringLiteral("height")), 0, 65535, 0));
    const QJsonObject c = o.value(QStringLiteral("calibration")).toObject();
    const double pixel = c.value(QStringLiteral("pixel")).toDouble();
    const double length = c.value(QStringLiteral("unitsPerPixel")).toDouble();
    const int unit = readInt(c.value(QStringLiteral("unit")), 0, 2, -1);
    // A calibration only with a name, a finite positive measure and a known unit.
    if (!c.value(QStringLiteral("name")).toString().isEmpty() && std::isfinite(pixel) && pixel > 0
        && std::isfinite(length) && length > 0 && unit >= 0) {
        s.calibration.name = c.value(QStringLiteral("name")).toString();
        s.calibration.pixel = float(pixel);
        s.calibration.length = float(length);
        s.calibration.unit = quint8(unit);
        s.shownUnit = readInt(c.value(QStringLiteral("shownUnit")), 0, 4, 0);
        s.unitText = c.value(QStringLiteral("shownUnitText")).toString(s.unitText);
    }
    const QJsonObject l = o.value(QStringLiteral("look")).toObject();
    ItemLook &look = s.look;
    look = ItemLook::current();
    look.digits = qint8(readInt(l.value(QStringLiteral("digits")), 0, 9, look.digits));
    const double size = l.value(QStringLiteral("textSize")).toDouble();
    if (std::isfinite(size) && size >= 1 && size <= 200)
        look.font.setPointSizeF(size);
    look.textColor = readColor(l.value(QStringLiteral("textColor")), look.textColor);
    look.pen.setWidth(readInt(l.value(QStringLiteral("penWidth")), 0, 50, look.pen.width()));
    look.pen.setColor(readColor(l.value(QStringLiteral("penColor")), look.pen.color()));
    look.textOn = l.value(QStringLiteral("values")).toBool(look.textOn);
    look.textOutline = l.value(QStringLiteral("outline")).toBool(look.textOutline);
    look.crossShown = l.value(QStringLiteral("crossHair")).toBool(look.crossShown);
    for (const QJsonValue &value : o.value(QStringLiteral("lines")).toArray()) {
        const QJsonObject line = value.toObject();
        bool ok = true;
        MeasurementFile::Settings::Line read;
        read.name = line.value(QStringLiteral("name")).toString();
        read.position = readPoint(line.value(QStringLiteral("position")), &ok);
        read.width = readInt(line.value(QStringLiteral("width")), 0, 50, -1);
        read.color = readColor(line.value(QStringLiteral("color")), QColor());
        if (ok && !read.name.isEmpty() && read.width >= 0 && read.color.isValid())
            s.lines << read;
    }
    return s;
}

// The clicks that drew an item with these points, fed to it as the main window feeds them:
// a move onto each point before its click, the finishing click last (a right click where the
// tool finishes so). False when the tool cannot have been finished with this many points.
bool replay(Shape *item, const ShapeRoute &route, const QVector<QPointF> &clicks, quint16 serial)
{
    const int count = int(clicks.size());
    bool rightClickPoint = false;
    bool rightClickWithout = false;
    if (count != route.finishClick) {
        const bool early = route.rightClickFinishesFrom > 0 && count < route.finishClick;
        rightClickPoint = early && route.rightClickIsPoint && count - 1 >= route.rightClickFinishesFrom;
        rightClickWithout = early && !route.rightClickIsPoint && count >= route.rightClickFinishesFrom;
        if (!rightClickPoint && !rightClickWithout)
            return false;
    }
    item->setPoint(clicks.first(), 1, serial);
    for (int k = 2; k <= count; ++k) {
        if (route.drawsAt(k - 1))
            item->drawing(clicks.at(k - 1));
        if (k < count || rightClickWithout)
            item->setPoint(clicks.at(k - 1), quint8(k), serial);
        else
            item->endDraw(clicks.at(k - 1));
    }
    if (rightClickWithout)
        item->endDraw(Shape::unsetPoint());
    return true;
}

bool samePoints(const QVector<QPointF> &a, const QVector<QPointF> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (Shape::isSet(a.at(i)) != Shape::isSet(b.at(i)) || (Shape::isSet(a.at(i)) && a.at(i) != b.at(i)))
            return false;
    }
    return true;
}
} // namespace

QString MeasurementFile::pathFor(const QString &picturePath)
{
    return ImageViewer::measurementPath(picturePath);
}

QJsonObject MeasurementFile::itemRecord(const Shape *item)
{
    const ToolDescription *tool = ToolTable::find(item->property());
    QJsonArray points;
    const Shape::State state = item->state();
    for (const QPointF &p : item->clickedPoints())
        points.append(pointValue(Shape::isSet(p) ? p + state.position : p));
    QJsonObject record{{QStringLiteral("tool"), QLatin1String(tool ? tool->name : "")},
                       {QStringLiteral("code"), item->property()},
                       {QStringLiteral("serial"), int(item->serial)},
                       {QStringLiteral("name"), item->labelName()},
                       {QStringLiteral("points"), points},
                       {QStringLiteral("labelOffset"), pointValue(state.labelOffset)},
                       {QStringLiteral("value"), item->labelValues()}};
    if (!item->tolerance().isEmpty())
        record.insert(QStringLiteral("tolerance"), item->tolerance().toJson());
    return record;
}

QByteArray MeasurementFile::encode(const Settings &settings, const QVector<Shape *> &items)
{
    // The header without its closing brace, then one item a line.
    QByteArray bytes = QJsonDocument(settingsObject(settings)).toJson(QJsonDocument::Compact);
    bytes.chop(1);
    bytes += ",\"items\":[";
    for (int i = 0; i < items.size(); ++i) {
        bytes += i == 0 ? "\n" : ",\n";
        bytes += QJsonDocument(itemRecord(items.at(i))).toJson(QJsonDocument::Compact);
    }
    bytes += "\n]}\n";
    return bytes;
}

bool MeasurementFile::write(const QString &path, const Settings &settings, const QVector<Shape *> &items)
{
    return SafeFile::write(path, encode(settings, items));
}

QString MeasurementFile::refusal(Status status)
{
    switch (status) {
    case Status::Read:
        return QString();
    case Status::TooLarge:
        return tr("The measurement file is too large to be read!");
    case Status::NewerVersion:
        return tr("The measurement file was written by a newer version of the program and can't be read!");
    case Status::NotMeasurements:
        return tr("This file is not a measurement file, or it is damaged!");
    case Status::Unreadable:
        break;
    }
    return tr("Can't read the measurement file!");
}

MeasurementFile::Contents MeasurementFile::decode(const QByteArray &bytes)
{
    Contents contents;
    if (bytes.size() > maximumBytes) {
        contents.status = Status::TooLarge;
        return contents;
    }
    QJsonParseError error;
    const QJsonDocument whole = QJsonDocument::fromJson(bytes, &error);
    QJsonObject header = whole.object();
    if (error.error == QJsonParseError::NoError) {
        contents.records = header.value(QStringLiteral("items")).toArray();
    } else {
        // Damaged somewhere: the header line and every whole item line are read on their own.
        const QList<QByteArray> lines = bytes.split('\n');
        QByteArray first = lines.first().trimmed();
        if (first.endsWith('['))
            first += "]}";
        header = QJsonDocument::fromJson(first).object();
        for (int i = 1; i < lines.size(); ++i) {
            QByteArray line = lines.at(i).trimmed();
            if (line.endsWith(','))
                line.chop(1);
            if (line.isEmpty() || line == "]}")
                continue;
            const QJsonDocument record = QJsonDocument::fromJson(line);
            if (record.isObject())
                contents.records.append(record.object());
            else
                ++contents.damagedRecords;
        }
    }
    if (header.value(QStringLiteral("format")).toString() != formatName) {
        contents.status = bytes.isEmpty() ? Status::Unreadable : Status::NotMeasurements;
        contents.records = QJsonArray();
        contents.damagedRecords = 0;
        return contents;
    }
    const QString version = header.value(QStringLiteral("version")).toString();
    bool numeric = false;
    const int major = version.section(QLatin1Char('.'), 0, 0).toInt(&numeric);
    if (!numeric || major > majorVersion) {
        contents.status = Status::NewerVersion;
        contents.records = QJsonArray();
        contents.damagedRecords = 0;
        return contents;
    }
    contents.settings = readSettings(header);
    contents.status = Status::Read;
    return contents;
}

MeasurementFile::Contents MeasurementFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Contents();
    if (file.size() > maximumBytes) {
        Contents contents;
        contents.status = Status::TooLarge;
        return contents;
    }
    return decode(file.readAll());
}

MeasurementFile::Items MeasurementFile::rebuild(const QJsonArray &records)
{
    Items result;
    for (const QJsonValue &value : records) {
        Shape *item = value.isObject() ? rebuildItem(value.toObject()) : nullptr;
        if (!item) {
            ++result.skipped;
            continue;
        }
        const QString stored = value.toObject().value(QStringLiteral("value")).toString();
        if (item->labelValues() != stored)
            result.differing << item->labelName();
        result.items << item;
    }
    return result;
}

Shape *MeasurementFile::rebuildItem(const QJsonObject &record)
{
    const ToolDescription *tool = toolNamed(record.value(QStringLiteral("tool")).toString());
    if (!tool || !tool->route.create)
        return nullptr;
    const QJsonValue code = record.value(QStringLiteral("code"));
    if (!code.isUndefined() && readInt(code, 0, 1000, -1) != toolCode(tool->id))
        return nullptr;
    const int serial = readInt(record.value(QStringLiteral("serial")), 0, 65535, -1);
    const QJsonArray list = record.value(QStringLiteral("points")).toArray();
    if (serial < 0 || list.isEmpty() || list.size() > maximumPoints)
        return nullptr;
    // The clicked points come first; points never placed (null) may only follow them.
    QVector<QPointF> points;
    QVector<QPointF> clicks;
    bool ok = true;
    for (const QJsonValue &value : list) {
        if (value.isNull()) {
            points << Shape::unsetPoint();
            continue;
        }
        if (points.size() != clicks.size())
            return nullptr;
        points << readPoint(value, &ok);
        clicks << points.last();
    }
    const QJsonValue offset = record.value(QStringLiteral("labelOffset"));
    const QPointF labelOffset = offset.isNull() || offset.isUndefined() ? QPointF() : readPoint(offset, &ok);
    if (!ok || clicks.isEmpty())
        return nullptr;
    // A tolerance that can't be read costs its item, which is then counted among the skipped.
    std::optional<Tolerance> tolerance = Tolerance();
    const QJsonValue limits = record.value(QStringLiteral("tolerance"));
    if (!limits.isUndefined()) {
        tolerance = limits.isObject() ? Tolerance::fromJson(limits.toObject()) : std::nullopt;
        if (tolerance && tolerance->isEmpty())
            tolerance.reset();
    }
    if (!tolerance)
        return nullptr;

    Shape *item = tool->route.create();
    // A calibration's label is the name it was given.
    if (tool->route.calibration)
        item->label = record.value(QStringLiteral("name")).toString().left(200);
    const bool valid = replay(item, tool->route, clicks, quint16(serial)) && item->isComplete()
        && samePoints(item->clickedPoints(), points) && (tool->route.calibration || !item->labelValues().isEmpty());
    if (!valid) {
        delete item;
        return nullptr;
    }
    Shape::State state = item->state();
    state.labelOffset = labelOffset;
    item->restore(state);
    item->setTolerance(*tolerance);
    return item;
}
