#include "NumericKeypadDialog.h"
#include "ui_NumericKeypadDialog.h"

#include <QPushButton>

NumericKeypadDialog::NumericKeypadDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::NumericKeypadDialog)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QPushButton *const buttons[] = {ui->pb_N0, ui->pb_N1, ui->pb_N2, ui->pb_N3, ui->pb_N4,
                                          ui->pb_N5, ui->pb_N6, ui->pb_N7, ui->pb_N8, ui->pb_N9,
                                          ui->pb_Dot, ui->pb_X, ui->pb_Del, ui->pb_Clear, ui->pb_Enter};
    for (int code = 0; code < 15; ++code) {
        const QString text = QString::number(code);
        connect(buttons[code], &QPushButton::clicked, this, [this, text]() { slot_button_Clicked(text); });
    }
}

NumericKeypadDialog::~NumericKeypadDialog() = default;

void NumericKeypadDialog::slot_button_Clicked(const QString &code)
{
    emit signal_changeNumericKey(code);
}

void NumericKeypadDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
