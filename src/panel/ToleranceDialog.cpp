#include "ToleranceDialog.h"
#include "ui_ToleranceDialog.h"

#include <QEvent>
#include <QLocale>

#include "GlobalVar.h"
#include "KeypadInput.h"
#include "NumericKeypadDialog.h"
#include "Shape.h"
#include "UserDialogs.h"

namespace {
const int maxLength = 12;

QString numberText(double value)
{
    return QLocale::c().toString(value, 'g', 10);
}
} // namespace

ToleranceDialog::ToleranceDialog(const Shape *item, bool applyToNew, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ToleranceDialog)
    , values(item->values())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->l_Item->setText(item->labelName());
    ui->cb_ApplyToNew->setChecked(applyToNew);
    for (int row = 0; row < values.size(); ++row) {
        const MeasuredValue &value = values.at(row);
        auto *name = new QLabel(value.key + QStringLiteral(" (") + value.unit + QLatin1Char(')'), this);
        ui->gl_Values->addWidget(name, row + 1, 0);
        Tolerance::Limits limits;
        const bool has = item->tolerance().limitsFor(value, GlobalVar::currentUnit, GlobalVar::currentRealRuler, &limits);
        const double numbers[] = {limits.nominal, limits.lower, limits.upper};
        for (int column = 0; column < 3; ++column) {
            auto *field = new QLabel(has ? numberText(numbers[column]) : QString(), this);
            field->setObjectName(QStringLiteral("l_Field_%1_%2").arg(row).arg(column));
            field->setFrameShape(QFrame::Panel);
            field->setFrameShadow(QFrame::Sunken);
            field->setMinimumSize(100, 26);
            // Typed on the keypad, never through the keyboard's focus.
            field->installEventFilter(this);
            ui->gl_Values->addWidget(field, row + 1, column + 1);
            fields << field;
        }
    }
    connect(ui->pb_Sign, &QPushButton::clicked, this, &ToleranceDialog::toggleSign);
    connect(ui->pb_Clear, &QPushButton::clicked, this, [this] {
        for (QLabel *field : qAsConst(fields))
            field->clear();
    });
    connect(ui->pb_Ok, &QPushButton::clicked, this, &ToleranceDialog::takeInput);
    connect(ui->pb_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &ToleranceDialog::closeKeypad);
}

ToleranceDialog::~ToleranceDialog()
{
    closeKeypad();
}

bool ToleranceDialog::applyToNewItems() const
{
    return ui->cb_ApplyToNew->isChecked();
}

bool ToleranceDialog::eventFilter(QObject *object, QEvent *event)
{
    auto *field = qobject_cast<QLabel *>(object);
    if (field && fields.contains(field) && event->type() == QEvent::MouseButtonPress) {
        openKeypad(field);
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void ToleranceDialog::openKeypad(QLabel *field)
{
    if (typing)
        typing->setStyleSheet(QString());
    typing = field;
    typing->setStyleSheet(QStringLiteral("QLabel {background: #FFF8E1;}"));
    if (!keypad) {
        keypad = new NumericKeypadDialog;
        keypad->setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
        keypad->setAutoFillBackground(true);
        connect(keypad, &NumericKeypadDialog::signal_changeNumericKey, this, &ToleranceDialog::typeKey);
    }
    keypad->move(geometry().left(), geometry().bottom());
    keypad->show();
}

void ToleranceDialog::closeKeypad()
{
    if (keypad)
        keypad->close();
    keypad = nullptr;
    if (typing)
        typing->setStyleSheet(QString());
    typing = nullptr;
}

void ToleranceDialog::typeKey(const QString &code)
{
    if (!typing)
        return;
    QString text = typing->text();
    const bool enter = KeypadInput::apply(text, code, maxLength, false);
    typing->setText(text);
    if (enter)
        closeKeypad();
}

void ToleranceDialog::toggleSign()
{
    if (!typing)
        return;
    QString text = typing->text();
    if (text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    else
        text.prepend(QLatin1Char('-'));
    typing->setText(text);
}

void ToleranceDialog::takeInput()
{
    QMap<QString, Tolerance::Limits> limits;
    for (int row = 0; row < values.size(); ++row) {
        const QString name = values.at(row).key;
        QString texts[3];
        int filled = 0;
        for (int column = 0; column < 3; ++column) {
            texts[column] = fields.at(row * 3 + column)->text().trimmed();
            filled += texts[column].isEmpty() ? 0 : 1;
        }
        if (filled == 0)
            continue;
        QString problem;
        double numbers[3] = {0.0, 0.0, 0.0};
        if (filled < 3) {
            problem = tr("%1: enter the nominal value and both tolerances, or none of them.").arg(name);
        } else {
            for (int column = 0; column < 3 && problem.isEmpty(); ++column) {
                if (!Tolerance::parseNumber(texts[column], &numbers[column]))
                    problem = tr("%1: \"%2\" is not a number.").arg(name, texts[column]);
            }
        }
        const Tolerance::Limits entry{numbers[0], numbers[1], numbers[2]};
        if (problem.isEmpty() && !Tolerance::isValid(entry))
            problem = entry.lower > entry.upper ? tr("%1: the lower tolerance is above the upper tolerance.").arg(name)
                                                : tr("%1: the limits are out of range.").arg(name);
        if (!problem.isEmpty()) {
            UserDialogs::warning(this, tr("Warning"), problem);
            return;
        }
        limits.insert(name, entry);
    }
    chosen = limits.isEmpty() ? Tolerance() : Tolerance::make(GlobalVar::currentUnit, limits).value_or(Tolerance());
    accept();
}

void ToleranceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
