#ifndef UPGRADEDIALOG_H
#define UPGRADEDIALOG_H

#include <QDialog>
#include <QFileInfoList>

#include <memory>

class QListWidget;
class QListWidgetItem;
class QProgressBar;
class ThreadUpgrade;

namespace Ui {
class upgradeDialog;
}

// The dialog from which the user replaces the application, the boot screen or the system image
// from a USB stick. It picks the procedure the camera's NAND layout allows, runs the worker in
// the background under a busy bar and tells the user its result.
class upgradeDialog : public QDialog
{
    Q_OBJECT

public:
    // `version` is the panel's version label, e.g. "V 2.13".
    explicit upgradeDialog(const QString &version, QWidget *parent = nullptr);
    ~upgradeDialog() override;

    // "Block4" … "Block0" after the highest MTD device node present; empty when there is none.
    static QString checkMTDPartition();

    QString warningText() const;
    bool isUpgrading() const;

public slots:
    // Closing is refused while the worker runs: the flash must not be left half written.
    void reject() override;

private slots:
    void on_pb_application_clicked();
    void on_pb_bootscreen_clicked();
    void on_pb_system_clicked();
    void slot_updateSelectedBootScreen(QListWidgetItem *item);
    void slot_upgrade_result(uint result);

protected:
    void changeEvent(QEvent *event) override;

private:
    void setWarning(const QString &text);
    void setButtonsEnabled(bool enabled);
    bool startUpgrade(const QString &type, const QString &title);
    void listBootScreens();
    // Block4, Block3 and Block0 cannot take a system or boot screen directly: they first get a
    // pre-upgrade (the device tree on Block4, the system otherwise), after `warning`.
    static bool isOlderLayout(const QString &layout);
    void preUpgrade(const QString &layout, const QString &warning, const QString &suffix);
    QString noStickText() const;

    std::unique_ptr<Ui::upgradeDialog> ui;
    QString version;
    QListWidget *pictureList;
    QFileInfoList pictureFiles;
    QProgressBar *progress = nullptr;
    ThreadUpgrade *worker;
};

#endif // UPGRADEDIALOG_H
