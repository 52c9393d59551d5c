#ifndef RANDOMUSER_H
#define RANDOMUSER_H

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

#include "CalibrateDialog.h"
#include "CustomLine.h"
#include "FrameDriver.h"
#include "ToolTable.h"

// A user at the main window doing one thing after another at random: each action is a kind, and
// its details (where, which tool, which value) are drawn from a random engine.
class RandomUser : protected FrameDriver
{
protected:
    enum Kind { Arm, Click, Move, Drag, RightClick, DoubleClick, Key, DeleteRow, DeleteAll, Hide, Unit, Ruler,
                Lines, Font, Calibrate, Undo, Redo, Capture, Export, Freeze, Viewer, Cross, Restart };

    // Does an action of `kind`; what went wrong with it, or nothing.
    QString perform(int kind, std::mt19937 &random)
    {
        const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // Anywhere on the picture, on the panel's edge, or off the picture.
        const auto anywhere = [&] {
            switch (pick(0, 9)) {
            case 0:
                return QPointF(pick(0, 1) ? pick(-60, -1) : pick(1920, 1990), pick(-60, 1140));
            case 1:
                return QPointF(pick(1580, 1660), pick(0, 1079));
            default:
                return QPointF(pick(0, 1919) + pick(0, 9) / 10.0, pick(0, 1079));
            }
        };
        // Often on an item, so that items are dragged and reshaped.
        const auto somewhere = [&] {
            if (GlobalVar::shapeList.isEmpty() || pick(0, 2) == 0)
                return anywhere();
            const Shape *shape = GlobalVar::shapeList.at(pick(0, int(GlobalVar::shapeList.size()) - 1));
            return QPointF(frame->view()->mapFromScene(shape->sceneBoundingRect().center()));
        };
        QWidget *view = viewport();
        switch (kind) {
        case Arm: {
            const ToolDescription &tool = ToolTable::all().at(pick(0, int(ToolTable::all().size()) - 1));
            if (tool.button)
                panel(tool.button)->click();
            else
                frame->armTool(tool.id);
            break;
        }
        case Click:
        case Move: {
            const QPointF p = anywhere();
            TestUtils::move(view, p);
            if (kind == Click)
                TestUtils::click(view, p);
            break;
        }
        case Drag:
            if (pick(0, 1))
                frame->disarmTool();
            TestUtils::drag(view, somewhere(), anywhere());
            break;
        case RightClick:
            TestUtils::click(view, somewhere(), Qt::RightButton);
            break;
        case DoubleClick: {
            const QPointF p = somewhere();
            TestUtils::click(view, p);
            TestUtils::sendMouse(view, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
            TestUtils::release(view, p);
            break;
        }
        case Key: {
            const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete};
            QTest::keyClick(frame, keys[pick(0, 2)]);
            break;
        }
        case DeleteRow:
            answer = pick(0, 3) > 0;
            panel<QTableWidget>("tw_DataTable")->setCurrentCell(pick(0, 20), 0);
            frame->menu()->slot_tableDelete();
            break;
        case DeleteAll:
            answer = true;
            frame->menu()->slot_tableAllDelete();
            break;
        case Hide:
            panel("tb_Delete")->click();
            break;
        case Unit:
        case Ruler: {
            auto *combo = panel<QComboBox>(kind == Unit ? "cb_Unit" : "cb_Ruler");
            combo->setCurrentIndex(pick(0, combo->count() - 1));
            break;
        }
        case Lines:
            panel<QSpinBox>(pick(0, 1) ? "sb_HorizontalLines" : "sb_VerticalLines")->setValue(pick(0, 4));
            panel(pick(0, 1) ? "tb_HorizontalLineOkey" : "tb_VerticalLineOkey")->click();
            break;
        case Font:
            changeLook(random);
            break;
        case Calibrate:
            if (CalibrateDialog *dialog = frame->calibrateDialog(); dialog && dialog->isVisible()) {
                dialog->slot_on_ChangeName(QString::number(pick(0, 9)));
                dialog->slot_on_ChangeLength(QString::number(pick(0, 5000) / 100.0));
                pick(0, 3) ? dialog->slot_on_ClickedOKay() : dialog->slot_on_ClickedCancel();
            }
            break;
        case Undo:
        case Redo:
            QTest::keyClick(frame, kind == Undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            break;
        case Capture:
            if (pick(0, 1)) {
                QTest::keyRelease(frame, Qt::Key_F12);
            } else {
                panel("tb_Capture")->click();
                QFileDialog *dialog = frame->menu()->fileDialog();
                dialog->selectNameFilter(pick(0, 1) ? QStringLiteral("Image (*.jpg)") : QStringLiteral("Image (*.bmp)"));
                QMetaObject::invokeMethod(dialog, "accept");
            }
            break;
        case Freeze:
            panel("tb_Freeze")->click();
            break;
        case Viewer: {
            const QStringList shots = QDir(sandbox.root() + QStringLiteral("/media/usb/DCIM")).entryList({"IMG*.bmp", "IMG*.jpg"});
            const QString shot = shots.isEmpty() ? QString() : sandbox.root() + "/media/usb/DCIM/" + shots.at(pick(0, int(shots.size()) - 1));
            UserDialogs::setOpenFileHandler([shot](const QString &, const QString &, const QString &) { return shot; });
            // Half the time the picture is measured again, when it has its measurements.
            if (pick(0, 1))
                nextAnswer = [](QDialog *viewer) { viewer->findChild<QToolButton *>(QStringLiteral("tb_Measure"))->click(); };
            panel("tb_FolderOpen")->click();
            nextAnswer = nullptr;
            break;
        }
        case Cross:
            // The cross hair dragged, or moved and widened in its dialog.
            if (pick(0, 1)) {
                const int y = int(frame->menu()->horizontalCrossLine->position.y());
                TestUtils::drag(view, QPointF(1550, y), QPointF(1550, y + pick(-100, 100)));
            } else {
                // Typed into its boxes, which keep each value within their range.
                const int width = pick(0, 5), y = pick(-50, 1130);
                nextAnswer = [width, y](QDialog *dialog) {
                    dialog->findChild<QSpinBox *>(QStringLiteral("sb_lineWidth"))->setValue(width);
                    dialog->findChild<QSpinBox *>(QStringLiteral("sb_yAxis"))->setValue(y);
                    dialog->accept();
                };
                const QPoint at(1550, int(frame->menu()->horizontalCrossLine->position.y()));
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
                QApplication::sendEvent(view, &event);
                nextAnswer = nullptr;
            }
            break;
        default: // the caller's own: restart and export
            break;
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != frame && window != frame->menu() && !qobject_cast<CalibrateDialog *>(window))
                window->close();
        }
        // A file that could not be written or read is a failure; the other warnings answer the user.
        return warnings.filter(QRegularExpression(QStringLiteral("could not|Can't open"))).value(0);
    }
};

#endif // RANDOMUSER_H
