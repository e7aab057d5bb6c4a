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

const Session &SessionHistory::Undo()
{
    if (!before.empty()) {
        after.push_back(current);
        current = before.back();
        before.pop_back();
    }
    return current;
}

const Session &SessionHistory::Redo()
{
    if (!after.empty()) {
        before.push_back(current);
        current = after.back();
        after.pop_back();
    }
    return current;
}
