#include <QProcess>

#include <random>
#include <utility>

#include "ItemLook.h"
#include "ParamFile.h"
#include "RandomUser.h"

// A long session of random user actions on the real main window. Each seed's session runs in a
// child process (this program, given the actions in a file), so that a crash is caught like any
// other failure; after every action the child checks what must always hold. A failing session
// is replayed alone with KORVELIN_SESSION set to a file of its actions, one "kind seed" a line.
class TestSession : public QObject, private RandomUser
{
    Q_OBJECT

private slots:
    void randomSessionsKeepEveryInvariant();

private:
    struct Action
    {
        int kind;
        quint32 seed;
    };
    static QVector<Action> session(quint32 seed, int count);
    // Runs `actions` in a child; whether every one kept every invariant.
    bool runChild(const QVector<Action> &actions, QString *output);
    void replay(const QString &file);
    QString restart();
    QString invariants() const;
    QString settings() const;
    QString exportAndReadBack();
};

QVector<TestSession::Action> TestSession::session(quint32 seed, int count)
{
    // How often each kind of action comes, per 200.
    static const int weights[] = {16, 60, 30, 16, 10, 6, 6, 4, 3, 2, 4, 4, 3, 3, 4, 6, 4, 1, 3, 3, 2, 3, 0};
    std::mt19937 random(seed);
    std::discrete_distribution<int> kind(std::begin(weights), std::end(weights));
    QVector<Action> actions;
    for (int i = 1; i <= count; ++i)
        actions.append({i % 500 == 0 ? Restart : kind(random), quint32(random())});
    return actions;
}

void TestSession::randomSessionsKeepEveryInvariant()
{
    if (qEnvironmentVariableIsSet("KORVELIN_SESSION"))
        return replay(qEnvironmentVariable("KORVELIN_SESSION"));
    for (quint32 seed : {35u, 2026u}) {
        QString output;
        // The child names each action before it runs it: the failing one is the last named.
        QVERIFY2(runChild(session(seed, 2500), &output), qPrintable(QStringLiteral("seed %1 fails:\n%2").arg(seed).arg(output.right(3000))));
    }
}

bool TestSession::runChild(const QVector<Action> &actions, QString *output)
{
    const QString file = sandbox.path(QStringLiteral("actions"));
    QStringList lines;
    for (const Action &action : actions)
        lines << QStringLiteral("%1 %2").arg(action.kind).arg(action.seed);
    TestUtils::writeFile(file, lines.join(QLatin1Char('\n')).toLatin1());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVELIN_SESSION"), file);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("randomSessionsKeepEveryInvariant"), QStringLiteral("-maxwarnings"), QStringLiteral("0")});
    process.waitForFinished(-1);
    *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void TestSession::replay(const QString &file)
{
    QFile::remove(ParamFile::path());
    GlobalVar::rulerList = {{QStringLiteral("A, 1mm"), 100.0f, 0.01f, 1}, {QStringLiteral("B, 1inch"), 50.0f, 0.02f, 2}};
    QVERIFY(ParamFile::save(2));
    openFrame();
    answerModalDialogs();
    const QStringList lines = QString::fromLatin1(TestUtils::readFile(file)).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char(' '));
        const Action action{fields.value(0).toInt(), fields.value(1).toUInt()};
        std::mt19937 random(action.seed);
        static const char *const names[] = {"arm", "click", "move", "drag", "right click", "double click", "key",
                                            "delete row", "delete all", "hide", "unit", "calibration", "lines",
                                            "font", "name calibration", "undo", "redo", "capture", "export",
                                            "freeze", "viewer", "cross hair", "restart"};
        qInfo("\naction %d %s (%s)", i, qPrintable(lines.at(i)), names[qBound(0, action.kind, int(Restart))]);
        QString failure = action.kind == Export ? exportAndReadBack() : action.kind == Restart ? restart() : perform(action.kind, random);
        if (failure.isEmpty())
            failure = invariants();
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("action %1: ").arg(i) + failure));
    }
    closeFrame();
}

QString TestSession::restart()
{
    const QString before = settings();
    closeFrame();
    openFrame();
    answerModalDialogs();
    return settings() == before ? QString() : QStringLiteral("settings read back as\n%1\ninstead of\n%2").arg(settings(), before);
}

QString TestSession::invariants() const
{
    const Shape *drawn = frame->pointIndex() > 0 ? frame->currentShape() : nullptr;
    int row = 0;
    for (const Shape *shape : qAsConst(GlobalVar::shapeList)) {
        const QString values = shape->labelValues();
        if (shape->scene() != frame->scene())
            return QStringLiteral("%1 is listed but not on the scene").arg(shape->label);
        // A calibration shows its name once it has one.
        if (!ToolTable::isMeasurement(shape->property()))
            continue;
        if (values.section(QLatin1Char('='), 1).isEmpty() || values.contains(QLatin1String("nan"), Qt::CaseInsensitive)
            || values.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            return QStringLiteral("item %1 of tool %2 shows \"%3\"").arg(shape->labelName()).arg(shape->property()).arg(values);
        if (cell(row, 1) != shape->labelName() || cell(row, 2) != values)
            return QStringLiteral("row %1 shows %2 %3 for %4").arg(row).arg(cell(row, 1), cell(row, 2), shape->label);
        ++row;
    }
    if (!cell(row, 0).isEmpty())
        return QStringLiteral("row %1 (%2) has no item").arg(row).arg(cell(row, 1));
    for (QGraphicsItem *item : frame->scene()->items()) {
        if (dynamic_cast<Shape *>(item) && item != drawn && !GlobalVar::shapeList.contains(static_cast<Shape *>(item)))
            return QStringLiteral("an item on the scene is not listed");
    }
    return QString();
}

QString TestSession::settings() const
{
    const ItemLook look = ItemLook::current();
    QStringList values{look.font.toString(), look.pen.color().name(), look.textColor.name(QColor::HexArgb), GlobalVar::imageType};
    for (int value : {int(look.pen.width()), int(look.digits), int(look.textOn), int(look.textOutline), int(look.editable),
                      int(look.movable), int(look.crossShown)})
        values << QString::number(value);
    for (const ruler &r : qAsConst(GlobalVar::rulerList))
        values << QStringLiteral("%1 %2 %3 %4").arg(r.name).arg(r.pixel).arg(r.length).arg(r.unit);
    // The custom lines live in the configuration files the user saves by name, not in the settings.
    for (const CustomLine *line : {frame->menu()->horizontalCrossLine, frame->menu()->verticalCrossLine})
        values << QStringLiteral("line %1,%2").arg(line->pos().x()).arg(line->pos().y());
    return values.join(QLatin1Char('\n'));
}

QString TestSession::exportAndReadBack()
{
    panel("tb_DataSave")->click();
    const QString path = frame->menu()->fileDialog()->selectedFiles().value(0);
    QMetaObject::invokeMethod(frame->menu()->fileDialog(), "accept");
    // The file read as a spreadsheet reads it: quoted fields, doubled quotes, a comma after each.
    QString text = QString::fromUtf8(TestUtils::readFile(path));
    QStringList rows, fields;
    QString field;
    bool quoted = false;
    for (int i = text.startsWith(QChar(0xFEFF)) ? 1 : 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\""))
            field += text.at(++i);
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char(','))
            fields << std::exchange(field, QString());
        else if (!quoted && c == QLatin1Char('\n'))
            rows << std::exchange(fields, QStringList()).join(QLatin1Char('|'));
        else if (quoted || c != QLatin1Char('\r'))
            field += c;
    }
    QStringList shown{rows.value(0)};
    for (int row = 0; !cell(row, 0).isEmpty(); ++row)
        shown << QStringList{cell(row, 0), cell(row, 1), cell(row, 2)}.join(QLatin1Char('|'));
    return rows == shown ? QString() : QStringLiteral("%1 reads back as\n%2\ninstead of\n%3").arg(path, rows.join('\n'), shown.join('\n'));
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
