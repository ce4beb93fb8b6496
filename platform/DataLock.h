#pragma once
#include <QString>

// Serialises every read-modify-write of the files in the documents directory:
// across threads of one process and across processes (app, tool, service).
// Re-entrant on the thread that holds it.
class DataLock
{
public:
    DataLock();
    ~DataLock();
    DataLock(const DataLock &) = delete;
    DataLock &operator=(const DataLock &) = delete;

    // False when another process kept the lock past the wait limit; the
    // holder then proceeds anyway rather than lose the user's change.
    bool acquired() const { return acquired_; }

private:
    bool acquired_ = false;
};
