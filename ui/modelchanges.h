#pragma once

// What every editor model shares besides Platform: the clock its exports are
// dated by, and its changed() signal batched per handler.
#include <QDateTime>

#include <functional>
#include <utility>

namespace chromanick {

// The date and time an export is stamped with; tests pass a fixed one.
using Clock = std::function<QDateTime()>;

// `clock`, or the system's when none was given.
inline Clock clockOrSystem(Clock clock) {
    if (clock) return clock;
    return [] { return QDateTime::currentDateTime(); };
}

// One changed() per outermost handler, however many handlers it runs: a
// handler opens a Scope and marks what it changes; the outermost scope's end
// tells the views once. A change marked outside every scope is told at once.
class ChangeBatch {
public:
    explicit ChangeBatch(std::function<void()> notify) : notify_(std::move(notify)) {}

    void markChanged() {
        dirty_ = true;
        if (depth_ == 0) flush();
    }

    class Scope {
    public:
        explicit Scope(ChangeBatch& batch) : batch_(batch) { ++batch_.depth_; }
        ~Scope() {
            if (--batch_.depth_ == 0) batch_.flush();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ChangeBatch& batch_;
    };

private:
    void flush() {
        if (!dirty_) return;
        dirty_ = false;
        notify_();
    }

    std::function<void()> notify_;
    int depth_ = 0;
    bool dirty_ = false;
};

}  // namespace chromanick
