#include "GlobalVar.h"

#include "TextSizeCache.h"

#include <cmath>
#include <cstdio>
#include <sys/statfs.h>
#include <sys/sysinfo.h>


QVector<Shape *> GlobalVar::shapeList;
QVector<ruler> GlobalVar::rulerList;
QVector<CustomLine *> GlobalVar::horizontalLineList;
QVector<CustomLine *> GlobalVar::verticalLineList;
QString GlobalVar::currentUnit;
float GlobalVar::currentRealRuler = 0.0f;
QPen GlobalVar::shapeGraphPen;
QFont GlobalVar::shapeTextFont;
QColor GlobalVar::shapeTextColor;
bool GlobalVar::bTextON = true;
bool GlobalVar::bTextOutline = true;
bool GlobalVar::bMovable = true;
bool GlobalVar::bEditable = true;
bool GlobalVar::bCrossShow = true;
qint8 GlobalVar::textDigiLength = 3;
bool GlobalVar::bDetectAuto = false;
bool GlobalVar::bSubPixel = false;
float GlobalVar::threshold = 0.8f;
QString GlobalVar::imageType;
QString GlobalVar::sConfigFileName;
quint8 GlobalVar::language = 0;
bool GlobalVar::cameraConfigLock = true;
ccdParameter GlobalVar::IMX185;

namespace {
struct DefaultsInitializer
{
    DefaultsInitializer() { GlobalVar::resetToDefaults(); }
};
const DefaultsInitializer defaultsInitializer;
} // namespace

void GlobalVar::resetToDefaults()
{
    shapeList.clear();
    rulerList.clear();
    horizontalLineList.clear();
    verticalLineList.clear();
    currentUnit = QStringLiteral("pixels");
    currentRealRuler = 0.0f;
    shapeGraphPen = QPen(QBrush(QColor(255, 0, 0, 255), Qt::SolidPattern), 1.0, Qt::SolidLine,
                         Qt::FlatCap, Qt::MiterJoin);
    shapeTextFont = QFont(QStringLiteral("Source Han Sans"), 12, QFont::Light, false);
    shapeTextColor = QColor(0, 0, 255, 255);
    bTextON = true;
    bTextOutline = true;
    bMovable = true;
    bEditable = true;
    bCrossShow = true;
    textDigiLength = 3;
    bDetectAuto = false;
    bSubPixel = false;
    threshold = 0.8f;
    imageType = QStringLiteral("bmp");
    sConfigFileName.clear();
    language = 0;
    cameraConfigLock = true;
    IMX185 = ccdParameter();
}

QPolygonF GlobalVar::getMoveBox(const QPointF &centre, float angle, float size)
{
    const float d = size * 2.8284271247461903f;
    QPolygonF box;
    box.reserve(5);
    for (int k : {45, 135, 225, 315}) {
        const float phi = float(std::fmod(double(angle + 3600.0f + float(k)), 360.0));
        const double rad = double(phi) * M_PI / 180.0;
        box << centre + QPointF(d * std::cos(rad), -d * std::sin(rad));
    }
    box << box.first();
    return box;
}

QPolygonF GlobalVar::getCrossLine(const QPointF &p)
{
    return QPolygonF() << QPointF(p.x() - 2, p.y()) << QPointF(p.x() + 2, p.y())
                       << QPointF(p.x(), p.y() - 2) << QPointF(p.x(), p.y() + 2);
}

QPolygonF GlobalVar::getOuterShape(const QLineF &line, float size)
{
    const float angle = float(line.angle());
    return getOuterShape(getMoveBox(line.p1(), angle, size), getMoveBox(line.p2(), angle, size));
}

QPolygonF GlobalVar::getInnerShape(const QLineF &line, float size)
{
    const float angle = float(line.angle());
    return getInnerShape(getMoveBox(line.p1(), angle, size), getMoveBox(line.p2(), angle, size));
}

QPolygonF GlobalVar::getOuterShape(const QPolygonF &a, const QPolygonF &b)
{
    return QPolygonF() << b[0] << a[1] << a[2] << b[3] << b[0];
}

QPolygonF GlobalVar::getInnerShape(const QPolygonF &a, const QPolygonF &b)
{
    return QPolygonF() << a[0] << b[1] << b[2] << a[3] << a[0];
}

QRectF GlobalVar::getMultiLineTextRect(const QPointF &topLeft, const QString &text)
{
    static TextSizeCache sizes;
    return QRectF(topLeft, QSizeF(sizes.size(shapeTextFont, text)));
}

QString GlobalVar::kscale(unsigned long bytes)
{
    char buffer[20];
    const double v = double(bytes);
    if (bytes > 1073741824UL)
        std::snprintf(buffer, sizeof buffer, "%0.2f GB", v / 1073741824.0);
    else if (bytes > 1048576UL)
        std::snprintf(buffer, sizeof buffer, "%0.2f MB", v / 1048576.0);
    else if (bytes > 1024UL)
        std::snprintf(buffer, sizeof buffer, "%0.2f KB", v / 1024.0);
    else
        std::snprintf(buffer, sizeof buffer, "%0.2f B", v);
    return QString::fromLatin1(buffer);
}

QString GlobalVar::getFreeMemory()
{
    struct sysinfo info;
    if (sysinfo(&info) != 0)
        return QString();
    const unsigned long unit = info.mem_unit ? info.mem_unit : 1;
    return QStringLiteral("Mem: %1/%2")
        .arg(kscale(info.freeram * unit), kscale(info.totalram * unit));
}

QString GlobalVar::getFreeDisk(const QString &path)
{
    const QByteArray resolved = path.toLatin1();
    struct statfs fs;
    if (statfs(resolved.constData(), &fs) != 0 || fs.f_blocks == 0)
        return QString();
    char buffer[100];
    std::snprintf(buffer, sizeof buffer, "Total space:%.3fMB; Available space:%.3fMB",
                  double(fs.f_bsize) * double(fs.f_blocks) / 1048576.0,
                  double(fs.f_bavail) * double(fs.f_bsize) / 1048576.0);
    return QString::fromLatin1(buffer);
}
