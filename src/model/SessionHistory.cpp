#include "model/SessionHistory.h"

void SessionHistory::Reset(const Session &start)
{
    before.clear();
    after.clear();
    current = start;
}

void SessionHistory::Record(const Session &now)
{
    if (now == current)
        return;
    before.push_back(current);
    if (before.size() > MostSteps)
        before.pop_front();
    after.clear();
    current = now;
}

namespace {

// Moves the current state onto one stack and takes the last of the other.
void Step(std::deque<Session> &from, std::deque<Session> &onto, Session &current)
{
    if (from.empty())
        return;
    onto.push_back(current);
    current = from.back();
    from.pop_back();
}

}  // namespace

const Session &SessionHistory::Undo()
{
    Step(before, after, current);
    return current;
}

const Session &SessionHistory::Redo()
{
    Step(after, before, current);
    return current;
}
