#pragma once
#include <QString>

// Serialises every read-modify-write of the files in the documents directory:
// across threads of one process and across processes (app, tool, service).
// Re-entrant on the thread that holds it. Across processes it is an flock(2)
// on the lock file, which the kernel releases when its holder dies, so a
// killed holder never blocks anyone and the file's content does not matter.
class DataLock
{
public:
    // How long a change waits for another holder before it is refused.
    static constexpr int kWaitMs = 5000;

    DataLock();
    ~DataLock();
    DataLock(const DataLock &) = delete;
    DataLock &operator=(const DataLock &) = delete;

    // False when the lock could not be had in time (another holder kept it) or
    // the lock file cannot be used. The change must then be refused, never
    // made without the lock.
    bool acquired() const { return acquired_; }
    // Why it was not acquired, for the user ("" when it was).
    QString problem() const { return problem_; }

private:
    bool acquired_ = false;
    bool mutexHeld_ = false;
    QString problem_;
};
