#include "CalibrateDialog.h"
#include "ui_CalibrateDialog.h"

#include <QMouseEvent>
#include <QtMath>

#include "GlobalVar.h"
#include "KeypadInput.h"
#include "NumericKeypadDialog.h"
#include "QtCompat.h"
#include "UserDialogs.h"

namespace {
void showInRed(QLabel *label, const QString &text)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setText(text);
}
} // namespace

CalibrateDialog::CalibrateDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CalibrateDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    setAutoFillBackground(true);
    ui->cb_Unit->addItems(tr("pixel,mm,inch").split(QLatin1Char(',')));
    ui->cb_Unit->setCurrentIndex(1);
    unitIndex = 1;
    connect(ui->cb_Unit, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CalibrateDialog::slot_updateRulerUnit);
    connect(ui->pb_Okay, &QPushButton::clicked, this, &CalibrateDialog::slot_on_ClickedOKay);
    connect(ui->pb_Cancel, &QPushButton::clicked, this, &CalibrateDialog::slot_on_ClickedCancel);
    ui->l_Name->installEventFilter(this);
    ui->l_Length->installEventFilter(this);
}

CalibrateDialog::~CalibrateDialog()
{
    delete keypad;
}

void CalibrateDialog::slot_updateRealPixel(qreal pixel)
{
    realPixel = float(pixel);
    showInRed(ui->l_Pixels, QString::number(pixel, 'f', GlobalVar::textDigiLength) + tr(" pixels"));
    showInRed(ui->l_Ruler, QString());
}

void CalibrateDialog::slot_updateRulerUnit(int index)
{
    unitIndex = index;
    const int digits = GlobalVar::textDigiLength;
    QString text;
    if (index == 1 || index == 2) {
        realRuler = float(lengthText.toDouble() / double(realPixel));
        // A ruler over no pixels has no value to show.
        if (qIsFinite(realRuler))
            text = QString::number(realRuler, 'f', digits) + (index == 1 ? tr(" mm/pixel") : tr(" inch/pixel"));
    } else if (index == 0) {
        realRuler = realPixel;
        text = QString::number(realPixel, 'f', digits) + tr(" pixels");
        lengthText = QString::number(realRuler, 'f', digits);
        ui->l_Length->setText(lengthText);
    }
    showInRed(ui->l_Ruler, text);
}

QString CalibrateDialog::refusal() const
{
    if (nameText.isEmpty() || lengthText.isEmpty())
        return tr("The Name or Length is empty!\nplease enter the name or length!");
    if (!(realPixel > 0.0f))
        return tr("The calibration measures 0 pixels!\nPlease draw it again over the feature.");
    if (!(lengthText.toDouble() > 0.0) || !qIsFinite(realRuler) || !(realRuler > 0.0f))
        return tr("The length must be a number greater than 0!");
    return QString();
}

QPoint CalibrateDialog::warningPosition() const
{
    return QPoint(geometry().x() + 10, geometry().y() + height() + 10);
}

void CalibrateDialog::slot_on_ClickedOKay()
{
    const QString reason = refusal();
    if (reason.isEmpty())
        emit signal_updateRealRuler(true);
    else
        UserDialogs::warning(nullptr, tr("Warning"), reason, warningPosition());
}

void CalibrateDialog::slot_on_ClickedCancel()
{
    emit signal_updateRealRuler(false);
}

void CalibrateDialog::slot_on_ChangeName(const QString &code)
{
    if (KeypadInput::apply(nameText, code, 7, true)) {
        closeKeypad();
        bNameInput = false;
    }
    ui->l_Name->setText(nameText);
}

void CalibrateDialog::slot_on_ChangeLength(const QString &code)
{
    if (KeypadInput::apply(lengthText, code, 12, false)) {
        closeKeypad();
        bLengthInput = false;
    }
    ui->l_Length->setText(lengthText);
    slot_updateRulerUnit(ui->cb_Unit->currentIndex());
}

void CalibrateDialog::openKeypad(bool forName)
{
    if (!keypad) {
        keypad = new NumericKeypadDialog;
        keypad->setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
        keypad->setAutoFillBackground(true);
    }
    keypad->move(geometry().left(), geometry().bottom());
    keypad->show();
    if (forName)
        connect(keypad, &NumericKeypadDialog::signal_changeNumericKey, this, &CalibrateDialog::slot_on_ChangeName);
    else
        connect(keypad, &NumericKeypadDialog::signal_changeNumericKey, this, &CalibrateDialog::slot_on_ChangeLength);
}

void CalibrateDialog::closeKeypad()
{
    if (keypad)
        keypad->close();
    keypad = nullptr;
}

void CalibrateDialog::disconnectSignalSlot()
{
    nameText.clear();
    lengthText.clear();
    ui->l_Name->clear();
    ui->l_Length->clear();
    if (keypad)
        disconnect(keypad, nullptr, this, nullptr);
    bNameInput = bLengthInput = false;
}

bool CalibrateDialog::eventFilter(QObject *object, QEvent *event)
{
    const bool onName = object == ui->l_Name;
    if ((onName || object == ui->l_Length) && event->type() == QEvent::MouseButtonPress) {
        bool &other = onName ? bLengthInput : bNameInput;
        bool &mine = onName ? bNameInput : bLengthInput;
        if (other) {
            if (keypad)
                disconnect(keypad, nullptr, this, nullptr);
            other = false;
        }
        // A keypad closed some other way than by Enter (Escape) is opened again.
        if (!mine || !keypad) {
            mine = true;
            openKeypad(onName);
        }
        // The fields never take keyboard focus: they are typed on the keypad.
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void CalibrateDialog::mousePressEvent(QMouseEvent *event)
{
    dragOffset = QtCompat::eventPosition(event).toPoint();
    setCursor(Qt::SizeAllCursor);
}

void CalibrateDialog::mouseMoveEvent(QMouseEvent *event)
{
    move(QtCompat::globalPosition(event) - dragOffset);
}

void CalibrateDialog::mouseReleaseEvent(QMouseEvent *)
{
    setCursor(Qt::ArrowCursor);
}

void CalibrateDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        const QSignalBlocker blocker(ui->cb_Unit);
        const int index = ui->cb_Unit->currentIndex();
        ui->cb_Unit->clear();
        ui->cb_Unit->addItems(tr("pixel,mm,inch").split(QLatin1Char(',')));
        ui->cb_Unit->setCurrentIndex(index);
        // The form's texts are back to their defaults: show the values again.
        slot_updateRealPixel(realPixel);
        slot_updateRulerUnit(index);
    }
    QDialog::changeEvent(event);
}
