#ifndef PANELSAVEDIALOG_H
#define PANELSAVEDIALOG_H

#include <QObject>
#include <QPointer>

class QFileDialog;
class QWidget;

// The one non-modal save dialog the panel's exports share (results, captures, configuration
// files): while it is open no other export starts, and the name chosen in it goes to the export
// that opened it.
class PanelSaveDialog : public QObject
{
    Q_OBJECT

public:
    enum Export { None, Results, Picture, Configuration };

    // Questions are asked over `panel`.
    explicit PanelSaveDialog(QWidget *panel);
    ~PanelSaveDialog() override;

    // Opens the dialog on `path` for `what`.
    void ask(Export what, const QString &title, const QString &path, const QString &filter);
    // The export the open dialog is for (None: no dialog open).
    Export pending() const { return what; }
    QFileDialog *dialog() const;

signals:
    void resultsNamed(const QString &path);
    // A picture's name, with the extension of the type chosen; the user agreed to replace a
    // file of that name.
    void pictureNamed(const QString &path);
    void configurationNamed(const QString &path);

private:
    void chosen(const QString &name);
    void closed();

    QWidget *panel;
    QPointer<QFileDialog> fileDialog;
    Export what = None;
};

#endif // PANELSAVEDIALOG_H
