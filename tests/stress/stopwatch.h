#pragma once

#include <QElapsedTimer>
#include <QString>

#include <gtest/gtest.h>

namespace chromanick::testing {

// Times one step of a stress case and records the figure with the test's
// result, so a run's log shows what every step took.
class Stopwatch {
public:
    Stopwatch() { timer_.start(); }

    // Milliseconds since the last lap (or the start), recorded as `step`.
    qint64 lap(const char* step) {
        const qint64 ms = timer_.restart();
        ::testing::Test::RecordProperty(step, QString::number(ms).toStdString());
        std::printf("    %s: %lld ms\n", step, static_cast<long long>(ms));
        return ms;
    }

private:
    QElapsedTimer timer_;
};

}  // namespace chromanick::testing
