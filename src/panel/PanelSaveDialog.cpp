#include "PanelSaveDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "GlobalVar.h"
#include "Keyboard.h"
#include "StorageActions.h"
#include "UserDialogs.h"

PanelSaveDialog::PanelSaveDialog(QWidget *panel)
    : QObject(panel)
    , panel(panel)
{
}

PanelSaveDialog::~PanelSaveDialog()
{
    delete fileDialog;
}

QFileDialog *PanelSaveDialog::dialog() const
{
    return fileDialog;
}

void PanelSaveDialog::ask(Export export_, const QString &title, const QString &path, const QString &filter)
{
    delete fileDialog;
    what = export_;
    fileDialog = StorageActions::createFileDialog(1, title, path, filter);
    connect(fileDialog, &QFileDialog::fileSelected, this, &PanelSaveDialog::chosen);
    connect(fileDialog, &QFileDialog::rejected, this, &PanelSaveDialog::closed);
    fileDialog->show();
}

void PanelSaveDialog::chosen(const QString &name)
{
    const Export done = what;
    closed();
    if (done == Results) {
        emit resultsNamed(name);
    } else if (done == Picture) {
        // A name typed without the type's extension would give a file no reader knows; and the
        // dialog asked about replacing only the name as typed.
        const QString path = StorageActions::imagePath(name, fileDialog ? fileDialog->selectedNameFilter() : QString());
        if (path != name && QFileInfo::exists(path)
            && !UserDialogs::question(panel, tr("Warning"),
                                      tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName())))
            return;
        GlobalVar::imageType = QFileInfo(path).suffix().toLower() == QLatin1String("jpg") ? QStringLiteral("jpg")
                                                                                           : QStringLiteral("bmp");
        emit pictureNamed(path);
    } else if (done == Configuration) {
        emit configurationNamed(name);
    }
}

void PanelSaveDialog::closed()
{
    what = None;
    Keyboard::Instance()->hideKeyboard();
}
