// The critical chain and the critical marks.

#include "schedule_engine.h"

namespace morvaine {

TDateTime ScheduleEngine::readProjectStart()
{
    m_projectStart = m_dates.read(m_project.settings().startDate());
    m_startRead = true;
    return m_projectStart;
}

void ScheduleEngine::truncateChain(int length)
{
    while (static_cast<int>(m_chain.size()) > length) {
        const int row = m_chain.back();
        if (m_chainPos[row] == static_cast<int>(m_chain.size()) - 1)
            m_chainPos[row] = -1;
        m_chain.pop_back();
    }
}

void ScheduleEngine::setChain(int p, int s)
{
    truncateChain(0);
    for (int row : {p, s}) {
        if (m_chainPos[row] < 0)
            m_chainPos[row] = static_cast<int>(m_chain.size());
        m_chain.push_back(row);
    }
}

void ScheduleEngine::checkMarksReadable()
{
    if (!m_markRowsBuilt) {
        m_markRowsBuilt = true;
        readAllDates();
        // Both sets start empty: only the rows that fail are put in.
        for (int row = 1; row <= m_last; ++row) {
            const DateState start = m_rows[row].startState;
            if (start == DateState::Invalid)
                m_markStartFails.insert(row);
            else if (start == DateState::Valid && m_rows[row].start == m_projectStart &&
                     m_rows[row].endState != DateState::Valid)
                m_markEndFails.insert(row);
        }
    }
    const int startFail = m_markStartFails.empty() ? m_last + 1 : *m_markStartFails.begin();
    const int endFail = m_markEndFails.empty() ? m_last + 1 : *m_markEndFails.begin();
    const int fail = std::min(startFail, endFail);
    if (fail > m_last)
        return;
    // The marks are cleared and set up to the row that fails.
    std::vector<int> &marks = m_project.CriticalMarks;
    std::fill(marks.begin(), marks.end(), -1);
    for (int row = 1; row < fail; ++row)
        if (startState(row) == DateState::Valid && m_rows[row].start == m_projectStart &&
            m_rows[row].end == m_trackedEnd)
            marks[row] = 1;
    m_marksFailed = true;
    unreadableDate(fail == startFail ? ColStart : ColEnd, fail); // throws
}

void ScheduleEngine::chainStep(int p, int s, TDateTime start, TDateTime end)
{
    if (startOf(p) == start) {
        if (startOf(s) - endOf(p) <= 1)
            setChain(p, s);
    } else if (const int at = m_chainPos[p]; at >= 0) {
        truncateChain(at + 1);
        if (m_chainPos[s] < 0)
            m_chainPos[s] = static_cast<int>(m_chain.size());
        m_chain.push_back(s);
    }
    // Each chain step refreshes the marks, reading every Start (and the End of rows
    // on the project start date); the reads are checked here, the marks written at
    // the end (or after a failure).
    m_tracked = true;
    m_trackedEnd = end;
    ++m_steps;
    m_seen.clear();
    if (m_project.CriticalPathOn)
        checkMarksReadable();
}

void ScheduleEngine::markCriticalPath()
{
    const TDateTime end = projectEnd();
    const TDateTime start = projectStart();
    std::vector<int> &marks = m_project.CriticalMarks;
    if (m_project.CriticalPathOn) {
        std::fill(marks.begin(), marks.end(), -1);
        for (int row = 1; row <= m_last; ++row)
            if (startState(row) != DateState::Empty && startOf(row) == start && endOf(row) == end)
                marks[row] = 1;
    }
    if (!m_chain.empty() && endOf(m_chain.back()) != end)
        truncateChain(0);
    if (m_project.CriticalPathOn)
        for (int row : m_chain)
            marks[row] = 1;
}

void ScheduleEngine::marksAfterFailure()
{
    // The marks stay as the last chain step left them, from the dates it saw.
    if (!m_project.CriticalPathOn || !m_tracked || !m_startRead || m_marksFailed)
        return;
    std::vector<int> &marks = m_project.CriticalMarks;
    std::fill(marks.begin(), marks.end(), -1);
    for (int row = 1; row <= m_last; ++row)
        if (startState(row) == DateState::Valid && m_rows[row].start == m_projectStart &&
            endState(row) == DateState::Valid && m_rows[row].end == m_trackedEnd)
            marks[row] = 1;
    for (const Seen &seen : m_seen)
        marks[seen.row] = seen.startState == DateState::Valid && seen.start == m_projectStart &&
                                  seen.endState == DateState::Valid && seen.end == m_trackedEnd
                              ? 1
                              : -1;
    for (int row : m_chain)
        marks[row] = 1;
}

} // namespace morvaine
