#ifndef TOOLPALETTE_H
#define TOOLPALETTE_H

#include <QObject>
#include <QVector>

class QToolButton;
class QWidget;
struct ToolDescription;

// The measurement tools of the panel: one button per tool of the tool table, at most one armed. A click on
// an idle tool arms it and shows its "-select" icon; a click on the armed one disarms it.
class ToolPalette : public QObject
{
    Q_OBJECT

public:
    // Finds the tool buttons and the cross-hair button among the children of `panel`.
    explicit ToolPalette(QWidget *panel);

    // The armed tool code, 0 when none is armed.
    int armedTool() const { return armed; }

    // Arms a tool that has no palette button (the calibrations).
    void arm(int code);
    // Every button in its normal look, no tool armed.
    void disarm();
    void translate();

signals:
    void toolArmed(int code);
    void toolDisarmed();

private:
    void click(int index);

    QVector<const ToolDescription *> tools;
    QVector<QToolButton *> buttons;
    QToolButton *crossLine = nullptr;
    int armed = 0;
};

#endif // TOOLPALETTE_H
