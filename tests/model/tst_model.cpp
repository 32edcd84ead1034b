// Random users against a reference model: every seed drives the real windows with a stream of
// clicks, keys, menu choices and close boxes, and after each event the program must look
// exactly as the model predicts. A disagreement is shrunk to the shortest sequence that still
// shows it, ready to become a test of its own.

#include "ModelDriver.h"

#include <QApplication>
#include <QTest>

using namespace sumwright::testing;

namespace {

long long eventsPerSeed()
{
    bool ok = false;
    const long long events = qEnvironmentVariable("SUMWRIGHT_MODEL_EVENTS").toLongLong(&ok);
    return ok && events > 0 ? events : 2000;
}

QList<std::uint64_t> seeds()
{
    QList<std::uint64_t> chosen;
    for (const QString &seed :
         qEnvironmentVariable("SUMWRIGHT_MODEL_SEEDS").split(QLatin1Char(','), Qt::SkipEmptyParts))
        chosen << seed.trimmed().toULongLong();
    if (chosen.isEmpty())
        chosen = {1, 2, 3, 4, 5};
    return chosen;
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void agreesWithModelAfterEveryEvent_data()
    {
        QTest::addColumn<quint64>("seed");
        for (const std::uint64_t seed : seeds())
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << quint64 {seed};
    }

    void agreesWithModelAfterEveryEvent()
    {
        QFETCH(quint64, seed);
        const long long events = eventsPerSeed();
        ModelRun run(seed, events);
        const ModelRun::Outcome outcome = run.run();
        const ModelStats &stats = outcome.stats;
        qInfo("seed %llu: %zu events, %lld program restarts; %lld tests started, %lld answers "
              "(%lld right), %lld results (%lld at the count), %lld modal windows, %lld level and "
              "%lld count changes",
              static_cast<unsigned long long>(seed), outcome.events.size(), outcome.restarts,
              stats.testsStarted, stats.submitted, stats.right, stats.results,
              stats.testsFinishedByCount, stats.modalsOpened, stats.levelChanges,
              stats.countChanges);
        if (outcome.diverged) {
            qWarning("seed %llu: program and model disagree after event %lld (%s):\n    %s",
                     static_cast<unsigned long long>(seed), outcome.at,
                     qPrintable(outcome.events.back().describe()), qPrintable(outcome.difference));
            const std::vector<UserEvent> shortest = shrink(outcome.events, 120);
            QString steps;
            for (std::size_t i = 0; i < shortest.size(); ++i)
                steps += QStringLiteral("\n    %1. %2").arg(i + 1).arg(shortest[i].describe());
            ModelRun replay(shortest);
            const ModelRun::Outcome shown = replay.run();
            qWarning("shortest sequence that reproduces it (%zu events):%s\n  which gives:\n    %s",
                     shortest.size(), qPrintable(steps), qPrintable(shown.difference));
            QFAIL("the program and its model disagree; see the sequence above");
        }
        QCOMPARE(static_cast<long long>(outcome.events.size()), events);
        // A run that never reached a result checked little: the driver must get that far.
        if (events >= 2000) {
            QVERIFY(stats.right > 0);
            QVERIFY(stats.results > 0);
            QVERIFY(stats.modalsOpened > 0);
        }
    }
};

QTEST_MAIN(TestModel)
#include "tst_model.moc"
