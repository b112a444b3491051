// Queued answers reach the box they were meant for; a box with nothing queued takes the answer
// that changes least; an answer meant for another kind of box stops the run instead of being
// taken as a guess.
#include "widgets/prompts.h"
#include <QProcess>
#include <QtTest>

using Answer = Prompts::Answer;
Q_DECLARE_METATYPE(Prompts::Answer)

namespace {
// Each box with a choice, asked once; what it answered, as a button.
enum class Box { Confirm, KeepOrChange, SaveChanges, Ask };

Answer askBox(Box box)
{
    switch (box) {
    case Box::Confirm:
        return Prompts::confirm(nullptr, QStringLiteral("Confirm"), QStringLiteral("Really?")) ? Answer::Yes
                                                                                               : Answer::No;
    case Box::KeepOrChange:
        return Prompts::keepOrChange(nullptr, QStringLiteral("Unlikely")) ? Answer::Keep : Answer::Change;
    case Box::SaveChanges:
        return Prompts::askSaveChanges(nullptr);
    case Box::Ask:
        return Prompts::ask(nullptr, QStringLiteral("Go on?"), QStringLiteral("Go"), QStringLiteral("Stop"))
                   ? Answer::Accept
                   : Answer::Reject;
    }
    return Answer::Cancel;
}

const char *const MismatchChild = "LIFETALLY_PROMPTS_MISMATCH";
} // namespace
Q_DECLARE_METATYPE(Box)

class TestPrompts : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::setTestMode(true); }
    void cleanup() { Prompts::setTestMode(false); }

    void eachBoxTakesItsAnswer_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QList<Answer>>("queued");
        QTest::addColumn<QList<Answer>>("answered");
        QTest::newRow("confirm: No when none queued") << Box::Confirm << QList<Answer>{} << QList<Answer>{Answer::No};
        QTest::newRow("confirm: Yes, then No")
            << Box::Confirm << QList<Answer>{Answer::Yes} << QList<Answer>{Answer::Yes, Answer::No};
        QTest::newRow("keep: Keep when none queued")
            << Box::KeepOrChange << QList<Answer>{} << QList<Answer>{Answer::Keep};
        QTest::newRow("keep: Change, then Keep")
            << Box::KeepOrChange << QList<Answer>{Answer::Change} << QList<Answer>{Answer::Change, Answer::Keep};
        QTest::newRow("save: in order, then Cancel") << Box::SaveChanges << QList<Answer>{Answer::Discard, Answer::Save}
                                                     << QList<Answer>{Answer::Discard, Answer::Save, Answer::Cancel};
        QTest::newRow("ask: Accept, then Reject")
            << Box::Ask << QList<Answer>{Answer::Accept} << QList<Answer>{Answer::Accept, Answer::Reject};
    }
    void eachBoxTakesItsAnswer()
    {
        QFETCH(Box, box);
        QFETCH(QList<Answer>, queued);
        QFETCH(QList<Answer>, answered);
        for (Answer a : queued)
            Prompts::setNextAnswer(a);
        QList<Answer> got;
        for (qsizetype i = 0; i < answered.size(); ++i)
            got << askBox(box);
        QCOMPARE(got, answered);
        QCOMPARE(Prompts::shown().size(), answered.size());
    }

    // A box without a choice leaves the queue to the box that has one.
    void warningsLeaveTheQueue()
    {
        Prompts::setNextAnswer(Answer::Yes);
        Prompts::warning(nullptr, QStringLiteral("Note"));
        Prompts::showError(nullptr, QStringLiteral("Bad"));
        QCOMPARE(askBox(Box::Confirm), Answer::Yes);
    }

    // A Yes queued for a delete, taken by a Keep it / Change it box, would have been a guess.
    void answerForAnotherBoxStopsTheRun_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<Answer>("queued");
        QTest::newRow("Yes at Keep it / Change it") << Box::KeepOrChange << Answer::Yes;
        QTest::newRow("Keep at Yes / No") << Box::Confirm << Answer::Keep;
        QTest::newRow("No at Save changes") << Box::SaveChanges << Answer::No;
        QTest::newRow("Save at a question") << Box::Ask << Answer::Save;
    }
    void answerForAnotherBoxStopsTheRun()
    {
        QFETCH(Box, box);
        QFETCH(Answer, queued);
        if (qEnvironmentVariableIsSet(MismatchChild)) {
            Prompts::setNextAnswer(queued);
            askBox(box);
            QFAIL("the box took an answer meant for another box");
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(MismatchChild), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("answerForAnotherBoxStopsTheRun:%1").arg(QString::fromUtf8(QTest::currentDataTag()))});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(child.readAll().contains("was queued for another box"), "says why it stopped");
    }
};

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
