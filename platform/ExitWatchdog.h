#pragma once
// The last guard of an unattended monitor: once its main loop has ended and
// its records are closed, nothing may keep the process alive. A lingering
// instance would also refuse the operator's next start.
#include <chrono>
#include <string>

namespace Platform {

// From now on the calling thread has `grace` to end the process. Past it,
// one line saying so and the calling thread's stack go to standard error,
// and the process ends with `status`. Call once, from the thread that ends
// the program.
void ArmExitWatchdog(std::chrono::milliseconds grace, int status, const std::string& programName);

}  // namespace Platform
