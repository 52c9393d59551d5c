#ifndef CUSTOMCOMBOBOXITEM_H
#define CUSTOMCOMBOBOXITEM_H

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;

// One row of the calibration drop-down: the calibration's text and a button that deletes it.
// A click on the text shows the calibration; a click on the button asks to delete it.
class CustomComboBoxItem : public QWidget
{
    Q_OBJECT

public:
    explicit CustomComboBoxItem(QWidget *parent = nullptr);
    ~CustomComboBoxItem() override;

    void setItemString(const QString &text);
    QString getItemString() const;

signals:
    void signal_showItem(const QString &text);
    void signal_deleteItem(const QString &text);

public slots:
    void deleteItem();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *label;
    QPushButton *button;
    QHBoxLayout *layout;
    bool pressed = false;
};

#endif // CUSTOMCOMBOBOXITEM_H
