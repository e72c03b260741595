#include "platform/process_wait.h"

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

}  // namespace kalv
