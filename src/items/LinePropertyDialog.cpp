#include "LinePropertyDialog.h"
#include "ui_LinePropertyDialog.h"

#include <QMouseEvent>

#include "CustomLine.h"
#include "QtCompat.h"
#include "UserDialogs.h"

LinePropertyDialog::LinePropertyDialog(QWidget *parent, CustomLine *line)
    : QDialog(parent)
    , ui(new Ui::LinePropertyDialog)
    , line(line)
{
    ui->setupUi(this);
    ui->sb_xAxis->setEnabled(!line->isHorizontal());
    ui->sb_yAxis->setEnabled(!line->isVertical());
    ui->sb_xAxis->setValue(int(line->position.x()));
    ui->sb_yAxis->setValue(int(line->position.y()));
    ui->sb_lineWidth->setValue(line->pen.width());
    showColor();

    // Connected only now, so that the initial values change nothing.
    connect(ui->sb_xAxis, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &LinePropertyDialog::slot_xAxisChange);
    connect(ui->sb_yAxis, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &LinePropertyDialog::slot_yAxisChange);
    connect(ui->sb_lineWidth, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &LinePropertyDialog::slot_lineWidthChange);
    connect(this, &LinePropertyDialog::signal_lineColorChange, this,
            &LinePropertyDialog::slot_lineColorChange);
}

LinePropertyDialog::~LinePropertyDialog() = default;

void LinePropertyDialog::slot_xAxisChange(int value)
{
    if (line->isHorizontal() || line->isVertical())
        line->setPos(value, 0);
    line->update();
}

void LinePropertyDialog::slot_yAxisChange(int value)
{
    if (line->isHorizontal() || line->isVertical())
        line->setPos(0, value);
    line->update();
}

void LinePropertyDialog::slot_lineWidthChange(int width)
{
    line->pen.setWidth(width);
    line->update();
}

void LinePropertyDialog::slot_lineColorChange()
{
    const QColor chosen = UserDialogs::getColor(line->pen.color(), this, tr("Select line color"));
    // A cancelled chooser keeps the colour the line had.
    if (chosen.isValid())
        line->pen.setColor(chosen);
    showColor();
    line->update();
}

void LinePropertyDialog::showColor()
{
    const QColor color = line->pen.color();
    ui->w_lineColor->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3);")
                                       .arg(color.red())
                                       .arg(color.green())
                                       .arg(color.blue()));
}

void LinePropertyDialog::mousePressEvent(QMouseEvent *event)
{
    if (ui->w_lineColor->geometry().contains(QtCompat::eventPosition(event).toPoint()))
        emit signal_lineColorChange();
    QDialog::mousePressEvent(event);
}

void LinePropertyDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
