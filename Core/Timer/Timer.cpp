#include "Core/Timer/Timer.h"

#include <chrono>
#include <utility>

long Timer::initialTick = 0;
bool Timer::isPaused = false;
double Timer::pausedTime = 0.0;
double Timer::offset = 0.0;
Timer::ClockSource Timer::clockSource;

long Timer::ClockReading()
{
    if (clockSource) {
        return clockSource();
    }
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

void Timer::Initialize()
{
    initialTick = -ClockReading();
}

double Timer::SystemTime()
{
    // Divided rather than multiplied by 0.001 so that whole milliseconds give the nearest double.
    return static_cast<double>(ClockReading() + initialTick) / 1000.0;
}

double Timer::Time()
{
    return SystemTime();
}

double Timer::PausableTime()
{
    return (isPaused ? pausedTime : SystemTime()) + offset;
}

bool Timer::IsPaused()
{
    return isPaused;
}

void Timer::Pause()
{
    if (!isPaused) {
        pausedTime = SystemTime();
        isPaused = true;
    }
}

void Timer::Resume()
{
    if (isPaused) {
        offset -= SystemTime() - pausedTime;
        isPaused = false;
    }
}

void Timer::SetClockSource(ClockSource source)
{
    clockSource = std::move(source);
}

void Timer::Reset()
{
    clockSource = nullptr;
    isPaused = false;
    pausedTime = 0.0;
    offset = 0.0;
    Initialize();
}
