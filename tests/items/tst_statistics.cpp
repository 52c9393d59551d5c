#include <QJsonDocument>
#include <QTest>

#include <cmath>

#include "MeasureCircle.h"
#include "MeasureLine.h"
#include "StatisticsCsv.h"
#include "Tolerance.h"
#include "ValueStatistics.h"
#include "testutils.h"

// The widget-free parts of statistics and tolerances: the running sums, the judging against
// limits in every unit, the limits' JSON form, and the statistics file.
class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void init() { GlobalVar::resetToDefaults(); }
    void sums();
    void followsItems();
    void judging();
    void json();
    void csvRoundTrip();

private:
    static MeasuredValue length(const QString &key, double number, const QString &unit = QStringLiteral("mm"))
    {
        return {key, key + QLatin1Char('1'), number, unit, MeasuredValue::Length};
    }
    static const int line = int(ToolId::Line);
    TestUtils::Sandbox sandbox;
};

void TestStatistics::sums()
{
    ValueStatistics s;
    QVERIFY(s.summaries().isEmpty());
    int items[4];
    // Taken from the numbers, not the texts: as texts 1.000, 1.000, 1.002 would give 1.000667.
    s.set(&items[0], line, {length("L", 1.0004)});
    s.set(&items[1], line, {length("L", 1.0004)});
    s.set(&items[2], line, {length("L", 1.0016)});
    ValueStatistics::Summary l = s.summaries().value(0);
    QVERIFY(l.count == 3 && l.unit == QLatin1String("mm"));
    QVERIFY(std::abs(l.mean - 1.0008) < 1e-12);
    QVERIFY(std::abs(l.deviation - std::sqrt(4.8e-7)) < 1e-12);
    QVERIFY(std::abs(l.range() - 0.0012) < 1e-12 && l.minimum == 1.0004 && l.maximum == 1.0016);

    // A changed item replaces its values, a removed one takes them away; the minimum follows.
    s.set(&items[0], line, {length("L", 0.5)});
    s.remove(&items[1]);
    l = s.summaries().value(0);
    QVERIFY(l.count == 2 && l.minimum == 0.5 && std::abs(l.mean - 0.7508) < 1e-12);
    s.remove(&items[0]);
    s.remove(&items[2]);
    QVERIFY(s.summaries().isEmpty());

    // A small spread on a large mean keeps its digits.
    for (int i = 0; i < 3; ++i)
        s.set(&items[i], line, {length("L", 1e6 + 0.001 * (i + 1))});
    QVERIFY(std::abs(s.summaries().value(0).deviation - 0.001) < 1e-9);
    s.clear();

    // One group per tool and value, in the tool's order; one value has no deviation.
    s.set(&items[3], int(ToolId::Circle), {length("R", 2), length("D", 4), length("C", 12.566)});
    s.set(&items[0], line, {length("L", 7)});
    const QVector<ValueStatistics::Summary> all = s.summaries();
    QCOMPARE(all.size(), 4);
    QVERIFY(all.at(0).key == QLatin1String("L") && all.at(1).key == QLatin1String("R") && all.at(3).key == QLatin1String("C"));
    QCOMPARE(StatisticsCsv::rows(all).at(0).at(5), QStringLiteral("-"));
}

void TestStatistics::followsItems()
{
    auto *a = new MeasureLine;
    a->setPoint(QPointF(0, 0), 1, 1);
    a->endDraw(QPointF(100, 0));
    auto *b = new MeasureLine;
    b->setPoint(QPointF(0, 10), 1, 2);
    b->endDraw(QPointF(300, 10));
    ValueStatistics s;
    s.follow({a, b});
    QCOMPARE(s.summaries().value(0).mean, 200.0);

    // A reshape is seen by the item's revision, alone or in a walk of the list.
    b->drawing(QPointF(500, 10));
    s.followItem(b);
    QCOMPARE(s.summaries().value(0).maximum, 500.0);
    a->drawing(QPointF(200, 0));
    s.follow({a, b});
    QCOMPARE(s.summaries().value(0).mean, 350.0);
    // Items no longer listed are let go.
    s.follow({b});
    QCOMPARE(s.summaries().value(0).count, 1);
    delete a;
    delete b;
}

void TestStatistics::judging()
{
    const Tolerance t = *Tolerance::make(QStringLiteral("mm"), {{"R", {5.0, -0.1, 0.1}}, {"D", {10.0, 0.0, 0.2}}});
    const QString mm = QStringLiteral("mm");
    // The number as shown (3 decimals) is judged; both bounds belong to the band.
    QCOMPARE(t.judge(length("R", 5.1004), mm, 0.01f), Tolerance::Within);
    QCOMPARE(t.judge(length("R", 4.9), mm, 0.01f), Tolerance::Within);
    QCOMPARE(t.judge(length("R", 5.1006), mm, 0.01f), Tolerance::Outside);
    QCOMPARE(t.judge(length("A", 99.0), mm, 0.01f), Tolerance::NotJudged);
    // One value outside makes the item outside.
    QCOMPARE(t.judge({length("R", 5.0), length("D", 10.1)}, mm, 0.01f), Tolerance::Within);
    QCOMPARE(t.judge({length("R", 5.0), length("D", 9.99)}, mm, 0.01f), Tolerance::Outside);

    // Limits follow the unit shown; areas by the square; angles not at all.
    QCOMPARE(t.judge(length("R", 5100.0, "um"), QStringLiteral("um"), 10.0f), Tolerance::Within);
    QCOMPARE(t.judge(length("R", 5101.0, "um"), QStringLiteral("um"), 10.0f), Tolerance::Outside);
    QCOMPARE(t.judge(length("R", 0.2, "inch"), QStringLiteral("inch"), 0.0004f), Tolerance::Within);
    QCOMPARE(t.judge(length("R", 5.0, "pixels"), QStringLiteral("pixels"), 500.0f), Tolerance::NotJudged);
    const Tolerance px = *Tolerance::make(QStringLiteral("pixels"), {{"A", {100.0, -10.0, 10.0}}, {"X", {45.0, -1, 1}}});
    // Through the calibration in use: 100 px² at 0.1 mm per pixel are 1 mm².
    QCOMPARE(px.judge(MeasuredValue{"A", "A1", 1.05, "mm²", MeasuredValue::Area}, mm, 0.1f), Tolerance::Within);
    QCOMPARE(px.judge(MeasuredValue{"A", "A1", 1.2, "mm²", MeasuredValue::Area}, mm, 0.1f), Tolerance::Outside);
    QCOMPARE(px.judge(MeasuredValue{"X", "X1", 45.9, "°", MeasuredValue::Angle}, mm, 0.1f), Tolerance::Within);

    // A calibration change in the same unit is judged against the same limits.
    auto *circle = new MeasureCircle;
    circle->setPoint(QPointF(100, 0), 1, 1);
    circle->setPoint(QPointF(0, 100), 2, 1);
    circle->endDraw(QPointF(-100, 0));
    GlobalVar::currentUnit = mm;
    GlobalVar::currentRealRuler = 0.05f;
    circle->refreshLabel();
    circle->setTolerance(t);
    QCOMPARE(circle->verdict(), Tolerance::Within);
    QVERIFY(!circle->shownLabel().startsWith(Shape::failureMarker()));
    GlobalVar::currentRealRuler = 0.06f;
    circle->refreshLabel();
    QCOMPARE(circle->verdict(), Tolerance::Outside);
    QVERIFY(circle->shownLabel().startsWith(Shape::failureMarker()));
    delete circle;

    double number = 0;
    QVERIFY(Tolerance::parseNumber(QStringLiteral("-0.25"), &number) && number == -0.25);
    for (const char *bad : {"", "-", "1.2.3", "inf", "nan", "1e999", "0,5"})
        QVERIFY2(!Tolerance::parseNumber(QLatin1String(bad), &number), bad);
    QVERIFY(!Tolerance::make(mm, {{"R", {5.0, 0.2, 0.1}}}));
    QVERIFY(!Tolerance::make(QStringLiteral("cm"), {{"R", {5.0, -0.1, 0.1}}}));
}

void TestStatistics::json()
{
    const Tolerance t = *Tolerance::make(QStringLiteral("um"), {{"R", {5.5, -0.25, 0.125}}, {"A'", {90, -1, 1}}});
    QCOMPARE(*Tolerance::fromJson(t.toJson()), t);
    QVERIFY(Tolerance::fromJson(QJsonObject())->isEmpty());
    QVERIFY(Tolerance().toJson().isEmpty());
    const char *const refused[] = {
        R"({"unit":"mm","values":{"R":{"nominal":5,"lower":0.2,"upper":0.1}}})",
        R"({"unit":"mm","values":{"R":{"nominal":"5","lower":-0.1,"upper":0.1}}})",
        R"({"unit":"mm","values":{"R":{"nominal":5,"upper":0.1}}})",
        R"({"unit":"feet","values":{"R":{"nominal":5,"lower":-0.1,"upper":0.1}}})",
        R"({"unit":"mm","values":{"R":[5,-0.1,0.1]}})",
        R"({"unit":"mm"})",
        R"({"unit":"mm","values":{"R":{"nominal":1e308,"lower":-0.1,"upper":1e308}}})",
    };
    for (const char *text : refused)
        QVERIFY2(!Tolerance::fromJson(QJsonDocument::fromJson(text).object()), text);
}

void TestStatistics::csvRoundTrip()
{
    ValueStatistics s;
    int items[2];
    s.set(&items[0], line, {length("L", 1.25)});
    s.set(&items[1], line, {length("L", 1.75)});
    const QByteArray bytes = StatisticsCsv::compose(s.summaries());
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    // Every line ends in a comma and CR LF, as in the results file.
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    QVector<QStringList> read;
    for (QString text : qAsConst(lines)) {
        QVERIFY(text.endsWith(QLatin1Char(',')));
        text.chop(1);
        read << text.split(QLatin1Char(','));
    }
    QCOMPARE(read.takeFirst(), StatisticsCsv::header());
    QCOMPARE(read, StatisticsCsv::rows(s.summaries()));
    QCOMPARE(read.first().mid(1), (QStringList{"L", "mm", "2", "1.500", "0.354", "1.250", "1.750", "0.500"}));
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
