#pragma once

#include <chrono>
#include <thread>

// Asks `condition` every few milliseconds of real time, for at most ten seconds; returns the
// seconds until it held, or -1 when it never did. For sounds, which play at the device's rate.
template <typename Condition>
double SecondsUntil(Condition condition)
{
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const bool holds = condition();
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (holds || elapsed > 10.0) {
            return holds ? elapsed : -1.0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
