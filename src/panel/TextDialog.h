#ifndef TEXTDIALOG_H
#define TEXTDIALOG_H

#include <QColor>
#include <QDialog>
#include <QFont>

#include <memory>

namespace Ui {
class TextDialog;
}

// The line and text properties: pen width and colour of the measurements, whether items may be
// edited and moved, label size, colour, values shown, digits and outline, and the cross hair. Every
// change goes to the process-wide settings at once and shows in the preview; the panel saves
// and applies them to the scene when the dialog closes.
class TextDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TextDialog(QWidget *parent = nullptr);
    ~TextDialog() override;

    // The text the preview shows for the label switch and digit count now set; empty for a
    // digit count it has no example for.
    static QString previewText();

signals:
    void signal_lineColorChanged();
    void signal_lineEditableClicked();
    void signal_lineMovableClicked();
    void signal_textColorChanged();
    void signal_textSwitchClicked();
    void signal_textOutlineClicked();
    void signal_corssSwitchClicked();

public slots:
    void slot_lineWidthChanged(int width);
    void slot_lineColorChanged();
    void slot_lineEditableChanged();
    void slot_lineMovableChanged();
    void slot_textSizeChanged(int size);
    void slot_textColorChanged();
    void slot_textSwitchChanged();
    void slot_textOutlineChanged();
    void slot_textLengthChanged(int length);
    void slot_crossSwitchChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static void showSwitch(QWidget *back, QWidget *knob, bool on);
    void flipSwitch(bool &setting, QWidget *back, QWidget *knob);
    static QString swatchStyle(const QColor &color);

    std::unique_ptr<Ui::TextDialog> ui;
    int lineWidth = 1;
    QColor lineColor;
    QFont textFont;
    int textSize = 12;
    QColor textColor;
    qint8 textLength = 3;
};

#endif // TEXTDIALOG_H
