#include "PanelBehaviour.h"

#include <QFile>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "GlobalVar.h"
#include "QtCompat.h"
#include "SystemPaths.h"

PanelBehaviour::PanelBehaviour(QWidget *panel, QWidget *table, QLabel *memory, QLabel *version, QToolButton *upgrade)
    : QObject(panel)
    , panel(panel)
    , table(table)
    , memory(memory)
    , version(version)
    , upgrade(upgrade)
    , effect(new QGraphicsOpacityEffect(panel))
{
    effect->setOpacity(1.0);
    panel->setGraphicsEffect(effect);
    upgrade->hide();
    memory->hide();
    fadeTimer.setSingleShot(true);
    fadeTimer.setInterval(5000);
    connect(&fadeTimer, &QTimer::timeout, this, &PanelBehaviour::fadeIfIdle);
    fadeTimer.start();
    connect(&memoryTimer, &QTimer::timeout, this, &PanelBehaviour::showMemory);
    memoryTimer.start(1000);
    panel->installEventFilter(this);
}

void PanelBehaviour::setPinned(bool pin)
{
    pinned = pin;
}

qreal PanelBehaviour::opacity() const
{
    return effect->opacity();
}

void PanelBehaviour::fadeIfIdle()
{
    if (pinned || faded || pointerInside)
        return;
    faded = true;
    effect->setOpacity(0.0);
    table->hide();
}

void PanelBehaviour::showMemory()
{
    if (!memory->isVisible())
        return;
    // On the camera the page cache is dropped first, so the free memory shown is real.
    if (SystemPaths::isCamera()) {
        QFile caches(QStringLiteral("/proc/sys/vm/drop_caches"));
        if (caches.open(QIODevice::WriteOnly))
            caches.write("1\n");
    }
    memory->setText(GlobalVar::getFreeMemory());
}

bool PanelBehaviour::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != panel)
        return false;
    if (event->type() == QEvent::Enter) {
        faded = false;
        pointerInside = true;
        effect->setOpacity(1.0);
        table->show();
    } else if (event->type() == QEvent::Leave) {
        pointerInside = false;
        fadeTimer.start();
    } else if (event->type() == QEvent::MouseButtonPress) {
        const QPoint pos = QtCompat::eventPosition(static_cast<QMouseEvent *>(event)).toPoint();
        if (memory->geometry().contains(pos)) {
            memory->setVisible(!memory->isVisible());
            showMemory();
        }
        if (!version->geometry().contains(pos)) {
            upgrade->hide();
        } else if (++versionClicks == 3) {
            versionClicks = 0;
            upgrade->show();
        }
    }
    return false;
}
