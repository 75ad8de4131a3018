#include "Timing.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

namespace {

int runCount = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

namespace Timing {

void setRuns(int runs)
{
    runCount = std::max(1, runs);
}

void compare(const std::string& name, const std::function<double()>& subject,
             const std::function<double()>& baseline)
{
    compare(name, "ms", subject, baseline);
}

void compare(const std::string& name, const char* unit, const std::function<double()>& subject,
             const std::function<double()>& baseline)
{
    try {
        // The first runs pay for cold caches and lazy set-up on either side.
        subject();
        baseline();
        // Taken in turn, so that a slow phase of the machine hits both sides alike.
        std::vector<double> subjectMs;
        std::vector<double> baselineMs;
        for (int run = 0; run < runCount; ++run) {
            subjectMs.push_back(subject());
            baselineMs.push_back(baseline());
        }
        const double time = median(subjectMs);
        const double base = median(baselineMs);
        std::printf("%s: %.2f %s, baseline %.2f %s, ratio %.2f\n", name.c_str(), time, unit, base,
                    unit, time / base);
    } catch (const std::exception& error) {
        std::printf("%s: not measured: %s\n", name.c_str(), error.what());
    }
    std::fflush(stdout);
}

} // namespace Timing
