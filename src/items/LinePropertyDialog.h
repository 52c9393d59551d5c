#ifndef LINEPROPERTYDIALOG_H
#define LINEPROPERTYDIALOG_H

#include <QDialog>

#include <memory>

class CustomLine;

namespace Ui {
class LinePropertyDialog;
}

// Position, width and colour of one reference line. Every change is applied to the line at
// once; the line saves itself when the dialog closes.
class LinePropertyDialog : public QDialog
{
    Q_OBJECT

public:
    LinePropertyDialog(QWidget *parent, CustomLine *line);
    ~LinePropertyDialog() override;

signals:
    void signal_lineColorChange();

public slots:
    void slot_xAxisChange(int value);
    void slot_yAxisChange(int value);
    void slot_lineWidthChange(int width);
    void slot_lineColorChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showColor();

    std::unique_ptr<Ui::LinePropertyDialog> ui;
    CustomLine *line;
};

#endif // LINEPROPERTYDIALOG_H
