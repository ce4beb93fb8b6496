#pragma once
#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// Answers kept for a fixed time, so a popular place costs one upstream call per
// period however often it is asked for. Bounded: when full, expired entries go
// first, then the oldest.
template<typename Value>
class TimedCache
{
public:
    // Milliseconds on a clock that never goes back.
    using MonotonicClock = std::function<qint64()>;

    TimedCache(qint64 lifetimeMsecs, qsizetype capacity, MonotonicClock clock = steadyClock())
        : lifetimeMsecs_(lifetimeMsecs),
          capacity_(capacity),
          clock_(std::move(clock))
    { }

    std::optional<Value> find(const QString &key)
    {
        const auto it = entries_.constFind(key);
        if (it == entries_.cend())
            return std::nullopt;
        if (it->expiresAt <= clock_()) {
            entries_.erase(it);
            return std::nullopt;
        }
        return it->value;
    }

    void insert(const QString &key, const Value &value)
    {
        const qint64 now = clock_();
        if (entries_.size() >= capacity_ && !entries_.contains(key)) {
            entries_.removeIf([now](const auto &entry) { return entry.value().expiresAt <= now; });
            if (entries_.size() >= capacity_)
                entries_.erase(std::min_element(entries_.cbegin(), entries_.cend(), [](const Entry &a, const Entry &b) {
                    return a.expiresAt < b.expiresAt;
                }));
        }
        entries_.insert(key, Entry{value, now + lifetimeMsecs_});
    }

    qsizetype size() const { return entries_.size(); }

    static MonotonicClock steadyClock()
    {
        return [timer = startedTimer()] { return timer.elapsed(); };
    }

private:
    struct Entry
    {
        Value value;
        qint64 expiresAt;
    };

    static QElapsedTimer startedTimer()
    {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }

    qint64 lifetimeMsecs_;
    qsizetype capacity_;
    MonotonicClock clock_;
    QHash<QString, Entry> entries_;
};
