#pragma once
// Undo and redo of whole user commands. The history listens to both tables of the
// project: while a step is open, every cell a command changes is recorded with its old
// and new text, so no editing rule needs undo code of its own, and a command that
// fails half-way is still one step that undo takes back whole. The steps kept are
// bounded in memory: past the bound the oldest steps are forgotten first.

#include "model/project.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

namespace morvaine {

class UndoHistory {
public:
    /// The memory the steps may take before the oldest are forgotten: 256 MiB.
    static constexpr std::size_t DefaultMemoryLimit = std::size_t(256) << 20;

    /// Listens to the tables of project for as long as the history lives.
    explicit UndoHistory(Project &project);
    ~UndoHistory();
    UndoHistory(const UndoHistory &) = delete;
    UndoHistory &operator=(const UndoHistory &) = delete;

    /// Opens a step named name (shown as "Undo <name>"), taken at task cell (column, row).
    /// Steps do not nest: a begin inside an open step is counted and its end ignored.
    void begin(const QString &name, int column, int row);
    /// Closes the open step. A step that changed no cell is dropped; one that did
    /// empties the redo list.
    void end();
    /// Closes the open step without keeping it, for a command whose changes are no step
    /// of their own.
    void discard();
    /// Closes the open step and keeps its changes waiting for the next step, which takes
    /// them in: keys typed into a cell become one step with the command that commits it.
    void defer();
    /// Renames the open step, for a command that learns what it was only while running.
    void rename(const QString &name);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    /// The name of the step Undo or Redo would take; empty when there is none.
    QString undoName() const;
    QString redoName() const;

    /// May run inside the open step of the undo command itself: a cell that command
    /// committed first is a step of its own, the one undone.
    /// Puts every cell the last step changed back as it was, with LastTaskRow and the
    /// critical marks and chain, and sets "Modify" by whether this is the state last saved or
    /// opened. Returns the task cell where the step happened, or (-1, -1) when nothing was undone.
    std::pair<int, int> undo();
    /// Replays the step undone last; same result as undo.
    std::pair<int, int> redo();

    /// Forgets every step (New, Open); the present state counts as the one on disk
    /// unless onDisk is false (a plan whose dates were rewritten while it was opened).
    void clear(bool onDisk = true);
    /// The present state is the one on disk (after a save).
    void markSaved() { m_saved = static_cast<long>(m_done); }
    /// Whether the present state is the one last saved or opened.
    bool atSavedState() const { return m_saved == static_cast<long>(m_done); }
    /// Cells recorded in all steps, for tests and the benchmark.
    std::size_t recordedCells() const;
    /// The memory the kept steps take, as counted against the limit: the changes with
    /// their texts and the values besides the cells, counting a shared text each time.
    std::size_t recordedBytes() const { return m_bytes; }
    /// Bounds recordedBytes(): from the next step on, the oldest steps are dropped while
    /// the steps take more. The newest step is always kept, however large.
    void setMemoryLimit(std::size_t bytes);
    std::size_t memoryLimit() const { return m_limit; }

    /// One cell written by a step.
    struct Change {
        bool resources; // a ResourceTable cell, else a TaskTable cell
        int column;
        int row;
        QString oldText;
        QString newText;
    };

private:
    // The project values a step may change besides cells.
    struct Derived {
        int lastTaskRow;
        std::vector<int> marks;
        QList<int> chain;
    };
    struct Step {
        QString name;
        int column = -1;
        int row = -1;
        std::vector<Change> changes;
        std::shared_ptr<const Derived> before;
        std::shared_ptr<const Derived> after;
        std::size_t bytes = 0; // as counted against the memory limit
    };

    void record(bool resources, int column, int row, const QString &oldText,
                const QString &newText);
    void apply(const Step &step, bool forward);
    void push(std::unique_ptr<Step> step);
    void closeOpenStep();
    void dropOldestBeyondLimit();
    std::shared_ptr<const Derived> currentDerived(const std::shared_ptr<const Derived> &like) const;

    Project &m_project;
    int m_taskListener = -1;
    int m_resourceListener = -1;
    std::deque<Step> m_steps; // steps 0..m_done-1 are done, the rest undone
    std::size_t m_done = 0;
    std::size_t m_bytes = 0; // the steps' bytes, summed
    std::size_t m_limit = DefaultMemoryLimit;
    long m_saved = 0;         // m_done of the state on disk; -1 when out of reach
    int m_depth = 0;          // begin() calls not yet ended
    bool m_replaying = false; // undo/redo writes cells without recording them
    std::unique_ptr<Step> m_open;
    std::unique_ptr<Step> m_pending; // typed changes waiting for their commit
    std::size_t m_openPending = 0;   // changes of the open step that were pending
};

} // namespace morvaine
