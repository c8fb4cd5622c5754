#pragma once
// Starts the graphics layer the plots draw through once per process and shuts
// it down once, even when several copies of this class exist: the first copy
// registers a name carrying the process id, later copies find it and start
// nothing, and every Initialize counts until its Deinitialize.
#include <cstdint>
#include <functional>
#include <string>

struct GdiplusStartupInput {
  std::uint32_t GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  bool SuppressBackgroundThread = false;
  bool SuppressExternalCodecs = false;
};

// Status 0 is success.
using GdiplusStartupFunction = std::function<int(std::uintptr_t* token, const GdiplusStartupInput& input)>;
using GdiplusShutdownFunction = std::function<void(std::uintptr_t token)>;

struct GdiplusFunctions {
  GdiplusStartupFunction startup;
  GdiplusShutdownFunction shutdown;
};

// The pair that starts and shuts down; by default starting adds the image
// handlers the plots save through, and shutting down removes nothing (the
// toolkit removes them at exit). Tests replace it to count calls; returns the
// previous pair.
GdiplusFunctions SetGdiplusFunctions(GdiplusFunctions functions);

// The name registered by the copy that started: "GDIPlusInitID=" and the
// process id in lower-case hexadecimal.
std::wstring GdipInitName();

class GdipInitializer {
 public:
  explicit GdipInitializer(bool autoStart = true);
  virtual ~GdipInitializer();
  GdipInitializer(const GdipInitializer&) = delete;
  GdipInitializer& operator=(const GdipInitializer&) = delete;

  bool Initialize();
  void Deinitialize();
  bool IsInitialized() const;

  // Initialize calls of all copies not yet matched by Deinitialize.
  static int InitializeCount() { return count_; }

 private:
  std::wstring mapping_;  // the registered name; empty while none is held
  bool started_ = false;
  bool autoStart_;
  std::uintptr_t token_ = 0;
  GdiplusStartupInput input_;
  int status_ = 1;  // generic error until started

  // Used on the GUI thread only, as the copies are.
  static int count_;
};
