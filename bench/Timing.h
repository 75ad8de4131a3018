#pragma once

#include <QElapsedTimer>
#include <functional>
#include <string>

// Shared by all measurements: every one is timed beside its baseline, several times in turn, and
// printed as one line "<name>: <time> ms, baseline <time> ms, ratio <ratio>" from the medians.
namespace Timing {

// How often each side runs after one untimed warm-up.
void setRuns(int runs);

template <typename Work> double elapsedMs(Work&& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Each function runs once and returns its own time in ms; it may throw std::exception to report
// that the measurement could not be taken.
void compare(const std::string& name, const std::function<double()>& subject,
             const std::function<double()>& baseline);
// The same for a measure in another unit than ms (MB, say).
void compare(const std::string& name, const char* unit, const std::function<double()>& subject,
             const std::function<double()>& baseline);

} // namespace Timing
