#include "core/process_wait.h"

namespace kalv {

// The state is read before the wait, so a process that ends during a round is noticed
// by the next read, which the wait's early return makes come at once.
void WaitForProcessEnd(Processes& processes, ProcessWatch* watch, unsigned roundMilliseconds) {
  bool running = false;
  do {
    running = watch && !watch->HasEnded().value_or(true);
    processes.PumpMessages();
    processes.WaitForEndOrMessage(watch, roundMilliseconds);
  } while (running);
}

bool WaitForProcessEnd(Processes& processes, ProcessWatch& watch, unsigned roundMilliseconds,
                       std::uint64_t limitMilliseconds) {
  const std::uint64_t start = processes.Milliseconds();
  for (;;) {
    auto ended = watch.HasEnded();
    if (!ended || ended.value()) return ended.value_or(false);
    processes.PumpMessages();
    const std::uint64_t spent = processes.Milliseconds() - start;
    if (spent >= limitMilliseconds) return false;
    const std::uint64_t left = limitMilliseconds - spent;
    processes.WaitForEndOrMessage(
        &watch, static_cast<unsigned>(left < roundMilliseconds ? left : roundMilliseconds));
  }
}

void FinishPause(Processes& processes, std::uint64_t since, unsigned milliseconds) {
  const std::uint64_t spent = processes.Milliseconds() - since;
  processes.Sleep(spent < milliseconds ? milliseconds - static_cast<unsigned>(spent) : 0);
}

}  // namespace kalv
