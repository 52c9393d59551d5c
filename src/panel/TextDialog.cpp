#include "TextDialog.h"
#include "ui_TextDialog.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include "GlobalVar.h"
#include "LabelText.h"
#include "UserDialogs.h"

namespace {
const char *const switchOnBack = "background-color: rgb(85, 255, 127); border-radius: 12px; border: 1px solid gray;";
const char *const switchOnKnob = "border-radius: 12px; background-color: rgb(255, 255, 255);";
const char *const switchOffBack = "background-color: rgb(255, 255, 255); border-radius: 12px; border: 1px solid gray;";
const char *const switchOffKnob = "border-radius:12px; background-color: rgb(210, 210, 210);";
const int knobTravel = 24;
} // namespace

TextDialog::TextDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TextDialog)
    , lineWidth(GlobalVar::shapeGraphPen.width())
    , lineColor(GlobalVar::shapeGraphPen.color())
    , textFont(GlobalVar::shapeTextFont)
    , textSize(GlobalVar::shapeTextFont.pointSize())
    , textColor(GlobalVar::shapeTextColor)
    , textLength(qint8(GlobalVar::textDigiLength))
{
    ui->setupUi(this);
    // Its few numbers are set with the arrows; the on-screen keyboard would cover the switches.
    setProperty("nodialogfullkeyboard", true);
    ui->sb_LineWidth->setValue(lineWidth);
    ui->w_LineColor->setStyleSheet(swatchStyle(lineColor));
    showSwitch(ui->w_LineEditableBack, ui->w_LineEditableFront, GlobalVar::bEditable);
    showSwitch(ui->w_LineMovableBack, ui->w_LineMovableFront, GlobalVar::bMovable);
    ui->sb_TextSize->setValue(textSize);
    ui->w_TextColor->setStyleSheet(swatchStyle(textColor));
    showSwitch(ui->w_TextSwitchBack, ui->w_TextSwitchFront, GlobalVar::bTextON);
    ui->sb_TextLength->setValue(textLength);
    showSwitch(ui->w_TextOutlineBack, ui->w_TextOutlineFront, GlobalVar::bTextOutline);
    showSwitch(ui->w_CrossSwitchBack, ui->w_CrossSwitchFront, GlobalVar::bCrossShow);

    connect(this, &TextDialog::signal_lineColorChanged, this, &TextDialog::slot_lineColorChanged);
    connect(this, &TextDialog::signal_lineEditableClicked, this, &TextDialog::slot_lineEditableChanged);
    connect(this, &TextDialog::signal_lineMovableClicked, this, &TextDialog::slot_lineMovableChanged);
    connect(this, &TextDialog::signal_textColorChanged, this, &TextDialog::slot_textColorChanged);
    connect(this, &TextDialog::signal_textSwitchClicked, this, &TextDialog::slot_textSwitchChanged);
    connect(this, &TextDialog::signal_textOutlineClicked, this, &TextDialog::slot_textOutlineChanged);
    connect(this, &TextDialog::signal_corssSwitchClicked, this, &TextDialog::slot_crossSwitchChanged);
    connect(ui->sb_LineWidth, QOverload<int>::of(&QSpinBox::valueChanged), this, &TextDialog::slot_lineWidthChanged);
    connect(ui->sb_TextSize, QOverload<int>::of(&QSpinBox::valueChanged), this, &TextDialog::slot_textSizeChanged);
    connect(ui->sb_TextLength, QOverload<int>::of(&QSpinBox::valueChanged), this, &TextDialog::slot_textLengthChanged);
}

TextDialog::~TextDialog() = default;

QString TextDialog::swatchStyle(const QColor &color)
{
    return QStringLiteral("background-color: rgb(%1, %2, %3);").arg(color.red()).arg(color.green()).arg(color.blue());
}

void TextDialog::showSwitch(QWidget *back, QWidget *knob, bool on)
{
    back->setStyleSheet(QLatin1String(on ? switchOnBack : switchOffBack));
    knob->setStyleSheet(QLatin1String(on ? switchOnKnob : switchOffKnob));
    knob->move(on ? 0 : knobTravel, 0);
    knob->raise();
}

void TextDialog::flipSwitch(bool &setting, QWidget *back, QWidget *knob)
{
    setting = !setting;
    showSwitch(back, knob, setting);
    update();
}

QString TextDialog::previewText()
{
    if (!GlobalVar::bTextON)
        return tr("L1");
    if (GlobalVar::textDigiLength == 3)
        return tr("L1=3.141mm");
    if (GlobalVar::textDigiLength == 4)
        return tr("L1=3.1415mm");
    return QString();
}

void TextDialog::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    if (ui->w_LineColor->geometry().contains(pos))
        emit signal_lineColorChanged();
    else if (ui->w_LineEditableBack->geometry().contains(pos))
        emit signal_lineEditableClicked();
    else if (ui->w_LineMovableBack->geometry().contains(pos))
        emit signal_lineMovableClicked();
    else if (ui->w_TextColor->geometry().contains(pos))
        emit signal_textColorChanged();
    else if (ui->w_TextSwitchBack->geometry().contains(pos))
        emit signal_textSwitchClicked();
    else if (ui->w_TextOutlineBack->geometry().contains(pos))
        emit signal_textOutlineClicked();
    else if (ui->w_CrossSwitchBack->geometry().contains(pos))
        emit signal_corssSwitchClicked();
}

void TextDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Preview coordinates are those of the preview frame.
    painter.translate(ui->f_Screen->pos());
    painter.setClipRect(QRect(QPoint(0, 0), ui->f_Screen->size()));

    const QPen &linePen = GlobalVar::shapeGraphPen;
    painter.setPen(QPen(QBrush(linePen.color()), linePen.widthF(), Qt::SolidLine));
    painter.drawLine(QPointF(20, 240), QPointF(360, 20));

    if (GlobalVar::bCrossShow) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QBrush(QColor(255, 0, 0, 255)), 1, Qt::SolidLine));
        painter.drawLine(QPointF(0, 153), QPointF(544, 153));
        painter.drawLine(QPointF(272, 0), QPointF(272, 306));
        painter.setRenderHint(QPainter::Antialiasing);
    }

    painter.setPen(GlobalVar::shapeTextColor);
    painter.setFont(QFont(GlobalVar::shapeTextFont.family(), GlobalVar::shapeTextFont.pointSize()));
    // Written as a label is, its outline included, with its baseline at (200, 150).
    const qreal ascent = QFontMetricsF(painter.font()).ascent();
    LabelText::draw(&painter, QPointF(200, 150 - ascent), previewText());
}

void TextDialog::slot_lineWidthChanged(int width)
{
    lineWidth = width;
    GlobalVar::shapeGraphPen.setWidth(width);
    update();
}

void TextDialog::slot_textSizeChanged(int size)
{
    textSize = size;
    textFont.setPointSize(size);
    GlobalVar::shapeTextFont.setPointSize(size);
    update();
}

void TextDialog::slot_textLengthChanged(int length)
{
    textLength = qint8(length);
    GlobalVar::textDigiLength = qint8(length);
    update();
}

void TextDialog::slot_lineColorChanged()
{
    const QColor chosen = UserDialogs::getColor(lineColor, this, tr("Select Line Color"));
    if (!chosen.isValid())
        return;
    lineColor = chosen;
    GlobalVar::shapeGraphPen.setColor(chosen);
    ui->w_LineColor->setStyleSheet(swatchStyle(chosen));
    update();
}

void TextDialog::slot_textColorChanged()
{
    const QColor chosen = UserDialogs::getColor(textColor, this, tr("Select Text Color"));
    if (!chosen.isValid())
        return;
    textColor = chosen;
    GlobalVar::shapeTextColor = chosen;
    ui->w_TextColor->setStyleSheet(swatchStyle(chosen));
    update();
}

void TextDialog::slot_lineEditableChanged()
{
    flipSwitch(GlobalVar::bEditable, ui->w_LineEditableBack, ui->w_LineEditableFront);
}

void TextDialog::slot_lineMovableChanged()
{
    flipSwitch(GlobalVar::bMovable, ui->w_LineMovableBack, ui->w_LineMovableFront);
}

void TextDialog::slot_textSwitchChanged()
{
    flipSwitch(GlobalVar::bTextON, ui->w_TextSwitchBack, ui->w_TextSwitchFront);
}

void TextDialog::slot_textOutlineChanged()
{
    flipSwitch(GlobalVar::bTextOutline, ui->w_TextOutlineBack, ui->w_TextOutlineFront);
}

void TextDialog::slot_crossSwitchChanged()
{
    flipSwitch(GlobalVar::bCrossShow, ui->w_CrossSwitchBack, ui->w_CrossSwitchFront);
}
