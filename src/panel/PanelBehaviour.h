#ifndef PANELBEHAVIOUR_H
#define PANELBEHAVIOUR_H

#include <QObject>
#include <QTimer>

class QGraphicsOpacityEffect;
class QLabel;
class QToolButton;
class QWidget;

// How the panel behaves as a whole: unless pinned it fades out (its results table hidden) five
// seconds after the pointer left it, and comes back when the pointer enters; a press on the
// memory label shows or hides the free memory, refreshed each second, and three presses on the
// version label show the upgrade button, which the next press elsewhere hides.
class PanelBehaviour : public QObject
{
    Q_OBJECT

public:
    PanelBehaviour(QWidget *panel, QWidget *table, QLabel *memory, QLabel *version, QToolButton *upgrade);

    void setPinned(bool pinned);
    bool isPinned() const { return pinned; }
    bool isFaded() const { return faded; }
    qreal opacity() const;
    // What the fade timer does: the panel fades unless it is pinned or the pointer is on it.
    void fadeIfIdle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMemory();

    QWidget *panel;
    QWidget *table;
    QLabel *memory;
    QLabel *version;
    QToolButton *upgrade;
    QGraphicsOpacityEffect *effect;
    QTimer fadeTimer;
    QTimer memoryTimer;
    bool pinned = true;
    bool faded = false;
    bool pointerInside = false;
    int versionClicks = 0;
};

#endif // PANELBEHAVIOUR_H
