#pragma once

#include <deque>

#include "model/Session.h"

// The user's changes to what the window shows, to step back and forth over:
// each recorded state that differs from the last is a step; a new step
// forgets what was undone. At most MostSteps are kept.
class SessionHistory {
public:
    static constexpr std::size_t MostSteps = 200;

    // Starts afresh from this state.
    void Reset(const Session &start);
    // The state after a change; the same state again is no step.
    void Record(const Session &now);
    bool CanUndo() const { return !before.empty(); }
    bool CanRedo() const { return !after.empty(); }
    // The state to show; unchanged where there is nothing to undo or redo.
    const Session &Undo();
    const Session &Redo();
    const Session &Current() const { return current; }

private:
    std::deque<Session> before;
    std::deque<Session> after;
    Session current;
};
