#pragma once
// The far end of a serial line, for test equipment: a pseudo-terminal whose
// device side the program opens like any serial port and whose other side
// is read and written here. Both sides stay open for the object's whole
// life: when the last opener of the device side closes it, the other side
// would see a hang-up.
#include <cstddef>
#include <string>

namespace Platform {

class PseudoTerminal {
 public:
  // The device side starts raw, 9600 baud, 8N1. Throws std::runtime_error
  // when no pseudo-terminal can be had.
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // The device to open.
  const std::string& DevicePath() const { return path_; }

  enum class Event {
    input,    // characters from the device side wait to be read
    idle,     // nobody holds the device side open for the moment
    timeout,  // nothing happened in time
    woken,    // Wake was called
    failed,   // the wait itself failed
  };
  // Waits at most timeoutMs milliseconds (a negative time: without limit).
  Event Wait(int timeoutMs);
  // Takes what has arrived, at most n characters, without waiting.
  std::size_t Read(unsigned char* buffer, std::size_t n);
  // Hands the characters to the device side; while it takes no more, waits
  // up to a second for room. False when they could not all go.
  bool Write(const char* data, std::size_t n);
  // Ends the current or the next Wait with `woken`; from any thread.
  void Wake();

 private:
  int master_ = -1;
  int slave_ = -1;
  int wake_[2] = {-1, -1};
  std::string path_;
};

}  // namespace Platform
