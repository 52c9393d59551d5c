#ifndef TOLERANCEDIALOG_H
#define TOLERANCEDIALOG_H

#include <QDialog>
#include <QPointer>
#include <QVector>

#include <memory>

#include "MeasuredValue.h"
#include "Tolerance.h"

class NumericKeypadDialog;
class QLabel;
class Shape;

namespace Ui {
class ToleranceDialog;
}

// Sets the tolerance of one item: per value it shows, a nominal value and a lower and an upper
// tolerance, in the unit shown, typed on the numeric keypad (the ± button changes the sign of the
// field being typed). A value whose three fields are empty has no tolerance. OK refuses, with a
// message, a value with only some fields filled, a field that is not a number, and a lower
// tolerance above the upper one.
class ToleranceDialog : public QDialog
{
    Q_OBJECT

public:
    ToleranceDialog(const Shape *item, bool applyToNew, QWidget *parent = nullptr);
    ~ToleranceDialog() override;

    // After OK: the tolerance chosen (empty for none), and whether new items of the tool get it.
    Tolerance tolerance() const { return chosen; }
    bool applyToNewItems() const;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void typeKey(const QString &code);
    void toggleSign();
    void openKeypad(QLabel *field);
    void closeKeypad();
    void takeInput();

    std::unique_ptr<Ui::ToleranceDialog> ui;
    QVector<MeasuredValue> values;
    // Three fields per value: nominal, lower, upper.
    QVector<QLabel *> fields;
    QLabel *typing = nullptr;
    QPointer<NumericKeypadDialog> keypad;
    Tolerance chosen;
};

#endif // TOLERANCEDIALOG_H
