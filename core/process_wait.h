// Waiting for a started program while the one UI thread keeps its messages handled.
#pragma once

#include <cstdint>

#include "platform/processes.h"

namespace kalv {

// Returns once the watched process has ended. Each round reads whether it has ended,
// handles the waiting window messages and then waits up to roundMilliseconds for the
// end or a message; rounds repeat while the read said "running". No watch, or a watch
// that cannot be read, counts as ended, so the wait still makes its one round.
void WaitForProcessEnd(Processes& processes, ProcessWatch* watch, unsigned roundMilliseconds);

// The same, for a program that must not hold the user up for long: gives up once
// limitMilliseconds have passed. True when the process has ended.
bool WaitForProcessEnd(Processes& processes, ProcessWatch& watch, unsigned roundMilliseconds,
                       std::uint64_t limitMilliseconds);

// Sleeps what is left of a pause of milliseconds that began at since (a reading of
// Processes::Milliseconds): work done in the pause does not lengthen it.
void FinishPause(Processes& processes, std::uint64_t since, unsigned milliseconds);

}  // namespace kalv
