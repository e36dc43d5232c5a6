#pragma once
// What the benchmark programs share: a host that stays quiet, date texts in the
// current format, the processor time of the measuring thread, and the program's main().

#include "model/convert.h"
#include "model/host.h"

#include <QCoreApplication>
#include <QDate>

#include <benchmark/benchmark.h>

#include <ctime>

namespace bench {

/// Answers every message with Ok; a save asks for path. With messagesAreFatal any
/// message stops the program instead: its figure would not be of the work meant.
class QuietHost : public morvaine::Host {
public:
    explicit QuietHost(bool messagesAreFatal = false) : m_fatal(messagesAreFatal) {}
    morvaine::MsgAnswer MessageBox(const QString &, const QString &text, morvaine::MsgIcon,
                                   morvaine::MsgButtons) override
    {
        if (m_fatal)
            qFatal("unexpected message: %s", qPrintable(text));
        return morvaine::MsgAnswer::Ok;
    }
    QString AskSaveFileName() override { return path; }
    QString path;

private:
    bool m_fatal;
};

/// The text of a date in the current short date format, as a user would type it: the
/// plans a benchmark builds read alike under any locale.
inline QString DateText(int year, int month, int day)
{
    return morvaine::DateToStr(
        morvaine::TDateTime(QDate(1899, 12, 30).daysTo(QDate(year, month, day))));
}

/// The processor time of the calling thread: the machine is shared, and waiting for a
/// core would weigh on the two sides of a ratio unevenly.
inline double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

/// The thread's processor time that work takes.
template <typename Work> double SecondsOf(Work &&work)
{
    const double began = ThreadSeconds();
    work();
    return ThreadSeconds() - began;
}

/// Runs the program's benchmarks under an application of type App, after prepare().
template <typename App> int RunBenchmarks(int argc, char **argv, void (*prepare)() = nullptr)
{
    App app(argc, argv);
    if (prepare)
        prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
