#ifndef NUMERICKEYPADDIALOG_H
#define NUMERICKEYPADDIALOG_H

#include <QDialog>

#include <memory>

namespace Ui {
class NumericKeypadDialog;
}

// A small on-screen keypad for numbers and short names. It edits nothing itself: each key is
// reported as a code ("0" ... "9", "10" point, "11" X, "12" delete, "13" clear, "14" enter).
// It deletes itself when closed.
class NumericKeypadDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NumericKeypadDialog(QWidget *parent = nullptr);
    ~NumericKeypadDialog() override;

signals:
    void signal_changeNumericKey(const QString &code);

public slots:
    void slot_button_Clicked(const QString &code);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::NumericKeypadDialog> ui;
};

#endif // NUMERICKEYPADDIALOG_H
