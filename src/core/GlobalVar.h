#ifndef GLOBALVAR_H
#define GLOBALVAR_H

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector>

#include <cstdint>

class Shape;
class CustomLine;

// A named calibration: so many real units of `unit` over so many pixels.
struct ruler
{
    QString name;
    float pixel = 0.0f;
    float length = 0.0f;
    quint8 unit = 0;
};

// Sensor and picture settings in use, in the order the camera configuration stores them.
struct ccdParameter
{
    quint32 gain = 0;
    quint32 exposure = 0;
    quint32 contrast = 0;
    quint32 red = 0;
    quint32 green = 0;
    quint32 blue = 0;
    quint32 sharpen = 0;
    quint32 gamma = 0;
};

// Process-wide state read by more than one subsystem, and the geometry and text helpers with
// which every item builds its handles, bands, crosses and label rectangles.
class GlobalVar
{
public:
    GlobalVar() = delete;

    static QVector<Shape *> shapeList;
    static QVector<ruler> rulerList;
    static QVector<CustomLine *> horizontalLineList;
    static QVector<CustomLine *> verticalLineList;

    static QString currentUnit;
    static float currentRealRuler;

    static QPen shapeGraphPen;
    static QFont shapeTextFont;
    static QColor shapeTextColor;

    static bool bTextON;
    // Labels are written over a halo that stands out from their colour.
    static bool bTextOutline;
    static bool bMovable;
    static bool bEditable;
    static bool bCrossShow;
    static qint8 textDigiLength;
    static bool bDetectAuto;
    // Point detection refines the edge it finds to a fraction of a pixel.
    static bool bSubPixel;
    static float threshold;
    static QString imageType;
    static QString sConfigFileName;
    static quint8 language;
    static bool cameraConfigLock;
    static ccdParameter IMX185;

    // Puts every member back to its start value (the program does this once, before main()).
    static void resetToDefaults();

    static QPolygonF getMoveBox(const QPointF &centre, float angle, float size);
    static QPolygonF getCrossLine(const QPointF &p);
    static QPolygonF getOuterShape(const QLineF &line, float size);
    static QPolygonF getInnerShape(const QLineF &line, float size);
    static QPolygonF getOuterShape(const QPolygonF &a, const QPolygonF &b);
    static QPolygonF getInnerShape(const QPolygonF &a, const QPolygonF &b);
    static QRectF getMultiLineTextRect(const QPointF &topLeft, const QString &text);

    static QString kscale(unsigned long bytes);
    static QString getFreeMemory();
    // `path` is a path of this machine: callers resolve camera paths through SystemPaths first.
    static QString getFreeDisk(const QString &path);
};

#endif // GLOBALVAR_H
