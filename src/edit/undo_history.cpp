#include "edit/undo_history.h"

namespace morvaine {

namespace {

// Settings that say where and when the plan was saved, not what it is: a save writes
// them, and undo must never take a plan back to another file name.
bool IsDocumentState(bool resources, int column, int row)
{
    if (resources || column != ColSettings)
        return false;
    return row == SettingsBlock::CreateDate || row == SettingsBlock::ChangeDate ||
           row == SettingsBlock::FileName || row == SettingsBlock::Modify;
}

// The heap a text's characters take: QString's header and characters, rounded up to
// what the allocator hands out. A text shared with a cell or another step is counted
// again, so the sum is an upper bound.
std::size_t TextBytes(const QString &text)
{
    if (text.isEmpty())
        return 0;
    return (32 + 2 * std::size_t(text.capacity()) + 15) & ~std::size_t(15);
}

} // namespace

UndoHistory::UndoHistory(Project &project) : m_project(project)
{
    m_taskListener = project.taskTable.addListener(
        [this](int column, int row, const QString &oldText, const QString &newText) {
            record(false, column, row, oldText, newText);
        });
    m_resourceListener = project.resourceTable.addListener(
        [this](int column, int row, const QString &oldText, const QString &newText) {
            record(true, column, row, oldText, newText);
        });
}

UndoHistory::~UndoHistory()
{
    m_project.taskTable.removeListener(m_taskListener);
    m_project.resourceTable.removeListener(m_resourceListener);
}

void UndoHistory::begin(const QString &name, int column, int row)
{
    if (m_depth++ > 0)
        return;
    // Keys typed into a cell wait for the command that commits the cell: they become
    // one step together.
    if (m_pending) {
        m_open = std::move(m_pending);
        m_openPending = m_open->changes.size();
        return;
    }
    m_open = std::make_unique<Step>();
    m_open->name = name;
    m_open->column = column;
    m_open->row = row;
    m_open->before = currentDerived(m_done == 0 ? nullptr : m_steps[m_done - 1].after);
    m_openPending = 0;
}

void UndoHistory::discard()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    std::unique_ptr<Step> step = std::move(m_open);
    // What was typed before stays waiting for its commit.
    if (step && m_openPending > 0) {
        step->changes.resize(m_openPending);
        m_pending = std::move(step);
    }
}

void UndoHistory::defer()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    std::unique_ptr<Step> step = std::move(m_open);
    if (step && !step->changes.empty())
        m_pending = std::move(step);
}

void UndoHistory::rename(const QString &name)
{
    if (m_open)
        m_open->name = name;
}

void UndoHistory::end()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    push(std::move(m_open));
}

namespace {

// Whether the changes leave some cell with another text than before, as typing that
// Escape took back does not. Only short lists are looked at: long ones always do.
bool ChangesSomething(const std::vector<UndoHistory::Change> &changes)
{
    if (changes.size() > 64)
        return true;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const auto &first = changes[i];
        bool seen = false;
        for (std::size_t j = 0; j < i && !seen; ++j)
            seen = changes[j].resources == first.resources && changes[j].column == first.column &&
                   changes[j].row == first.row;
        if (seen)
            continue;
        const QString *last = &first.newText;
        for (std::size_t j = i + 1; j < changes.size(); ++j)
            if (changes[j].resources == first.resources && changes[j].column == first.column &&
                changes[j].row == first.row)
                last = &changes[j].newText;
        if (*last != first.oldText)
            return true;
    }
    return false;
}

} // namespace

void UndoHistory::push(std::unique_ptr<Step> step)
{
    if (!step || !ChangesSomething(step->changes))
        return;
    step->after = currentDerived(step->before);
    step->changes.shrink_to_fit();
    step->bytes = sizeof(Step) + TextBytes(step->name) + step->changes.capacity() * sizeof(Change);
    for (const Change &change : step->changes)
        step->bytes += TextBytes(change.oldText) + TextBytes(change.newText);
    // Values besides the cells are shared with the step before while they stay the same.
    if (step->after != step->before)
        step->bytes += sizeof(Derived) + step->after->marks.capacity() * sizeof(int) +
                       std::size_t(step->after->chain.capacity()) * sizeof(int);
    // A new step ends the redo list.
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().bytes;
        m_steps.pop_back();
    }
    if (m_saved > static_cast<long>(m_done))
        m_saved = -1;
    m_bytes += step->bytes;
    m_steps.push_back(std::move(*step));
    m_done = m_steps.size();
    dropOldestBeyondLimit();
}

void UndoHistory::dropOldestBeyondLimit()
{
    // The steps left stay exact: each holds the old and new texts of its own cells, so
    // forgetting the steps before it changes nothing in undoing or redoing it.
    while (m_bytes > m_limit && m_steps.size() > 1) {
        m_bytes -= m_steps.front().bytes;
        m_steps.pop_front();
        if (m_done > 0)
            --m_done;
        // The state on disk was the one before the dropped step: out of reach now.
        if (m_saved == 0)
            m_saved = -1;
        else if (m_saved > 0)
            --m_saved;
    }
}

void UndoHistory::setMemoryLimit(std::size_t bytes)
{
    m_limit = bytes;
}

void UndoHistory::closeOpenStep()
{
    // The undo command committed a cell being typed first: that is a step of its own,
    // the one to take back.
    if (!m_open || m_open->changes.empty())
        return;
    auto fresh = std::make_unique<Step>();
    fresh->column = m_open->column;
    fresh->row = m_open->row;
    push(std::move(m_open));
    fresh->before = currentDerived(m_steps[m_done - 1].after);
    m_open = std::move(fresh);
    m_openPending = 0;
}

QString UndoHistory::undoName() const
{
    return canUndo() ? m_steps[m_done - 1].name : QString();
}

QString UndoHistory::redoName() const
{
    return canRedo() ? m_steps[m_done].name : QString();
}

std::pair<int, int> UndoHistory::undo()
{
    // Undo runs as a command of its own: its step stays empty and is dropped. What the
    // command changed before (a cell being typed, committed first) is taken in now.
    CellBatch::deliver();
    closeOpenStep();
    if (!canUndo())
        return {-1, -1};
    const Step &step = m_steps[--m_done];
    apply(step, false);
    return {step.column, step.row};
}

std::pair<int, int> UndoHistory::redo()
{
    CellBatch::deliver();
    closeOpenStep();
    if (!canRedo())
        return {-1, -1};
    const Step &step = m_steps[m_done++];
    apply(step, true);
    return {step.column, step.row};
}

void UndoHistory::clear(bool onDisk)
{
    m_steps.clear();
    m_bytes = 0;
    m_done = 0;
    m_saved = onDisk ? 0 : -1;
    m_open.reset();
    m_pending.reset();
    m_depth = 0;
}

std::size_t UndoHistory::recordedCells() const
{
    std::size_t count = 0;
    for (const Step &step : m_steps)
        count += step.changes.size();
    return count;
}

void UndoHistory::record(bool resources, int column, int row, const QString &oldText,
                         const QString &newText)
{
    if (!m_open || m_replaying || IsDocumentState(resources, column, row))
        return;
    m_open->changes.push_back({resources, column, row, oldText, newText});
}

void UndoHistory::apply(const Step &step, bool forward)
{
    m_replaying = true;
    const auto write = [this](const Change &change, const QString &text) {
        CellTable &table = change.resources ? static_cast<CellTable &>(m_project.resourceTable)
                                            : static_cast<CellTable &>(m_project.taskTable);
        table.setCell(change.column, change.row, text);
    };
    // A cell a step wrote twice must end at its first old text when undone, so the
    // changes are taken back last first.
    if (forward) {
        for (const Change &change : step.changes)
            write(change, change.newText);
    } else {
        for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it)
            write(*it, it->oldText);
    }
    const Derived &derived = forward ? *step.after : *step.before;
    m_project.LastTaskRow = derived.lastTaskRow;
    m_project.CriticalMarks = derived.marks;
    m_project.CriticalChain = derived.chain;
    m_project.settings().setValue(SettingsBlock::Modify,
                                  atSavedState() ? QStringLiteral("No") : QStringLiteral("Yes"));
    // The cells written back are told while they are known to be no new change.
    CellBatch::deliver();
    m_replaying = false;
}

std::shared_ptr<const UndoHistory::Derived>
UndoHistory::currentDerived(const std::shared_ptr<const Derived> &like) const
{
    // Most steps leave these as they were: share them instead of keeping a copy.
    if (like && like->lastTaskRow == m_project.LastTaskRow &&
        like->marks == m_project.CriticalMarks && like->chain == m_project.CriticalChain)
        return like;
    return std::make_shared<const Derived>(
        Derived{m_project.LastTaskRow, m_project.CriticalMarks, m_project.CriticalChain});
}

} // namespace morvaine
