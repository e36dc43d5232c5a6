// One user command: its error ends it alone, and its beginning and end are told once,
// however many commands run inside it.
#include "test_classes.h"

#include "edit/command_guard.h"
#include "recording_host.h"

#include <QTest>

#include <memory>
#include <stdexcept>

using namespace morvaine;

namespace {

// Writes "begin" and "end" into a log, with the number of messages shown by then.
class LoggingListener : public CommandListener {
public:
    LoggingListener(QStringList &log, const RecordingHost &host) : m_log(log), m_host(host) {}
    void commandBegins() override { m_log << QStringLiteral("begin"); }
    void commandEnds() override
    {
        m_log << QStringLiteral("end after %1 message(s)").arg(m_host.messages.size());
    }

private:
    QStringList &m_log;
    const RecordingHost &m_host;
};

} // namespace

void TestCommandGuard::commandsInsideACommandBelongToIt()
{
    RecordingHost host;
    QStringList log;
    LoggingListener listener(log, host);
    QVERIFY(!CommandScope::active());
    RunCommand(host, [&] {
        QVERIFY(CommandScope::active());
        log << QStringLiteral("outer");
        RunCommand(host, [&] { log << QStringLiteral("inner"); });
        const CommandScope nested;
        log << QStringLiteral("nested");
    });
    QVERIFY(!CommandScope::active());
    QCOMPARE(log, (QStringList{"begin", "outer", "inner", "nested", "end after 0 message(s)"}));

    // The next command is a group of its own.
    RunCommand(host, [] {});
    QCOMPARE(log.mid(5), (QStringList{"begin", "end after 0 message(s)"}));
}

void TestCommandGuard::errorEndsOnlyItsCommand_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("conversion") << 0 << QStringLiteral("'x' is not a valid date");
    QTest::newRow("standard error") << 1 << QStringLiteral("disk full");
    QTest::newRow("anything else") << 2 << QString();
}

void TestCommandGuard::errorEndsOnlyItsCommand()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    RecordingHost host;
    QStringList log;
    LoggingListener listener(log, host);
    RunCommand(host, [&] {
        // An inner command's error is shown and the outer command goes on.
        RunCommand(host, [&] {
            log << QStringLiteral("inner");
            if (kind == 0)
                throw ConversionError(QStringLiteral("'x' is not a valid date"));
            if (kind == 1)
                throw std::runtime_error("disk full");
            throw 42;
        });
        log << QStringLiteral("outer goes on");
        throw std::runtime_error("second");
    });
    QCOMPARE(log, (QStringList{"begin", "inner", "outer goes on", "end after 2 message(s)"}));
    QCOMPARE(host.messages.size(), 2);
    QCOMPARE(host.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(host.messages[0].text, message);
    QCOMPARE(host.messages[0].icon, MsgIcon::Error);
    QCOMPARE(host.messages[1].text, QStringLiteral("second"));
    QVERIFY(!CommandScope::active());
}

void TestCommandGuard::listenerGoneIsNotTold()
{
    RecordingHost host;
    QStringList log;
    auto listener = std::make_unique<LoggingListener>(log, host);
    RunCommand(host, [&] { listener.reset(); });
    QCOMPARE(log, QStringList{"begin"});
}
