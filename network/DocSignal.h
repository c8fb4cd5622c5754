#pragma once
// What the document tells its views and the network options, and the units of
// work that worker threads hand to the GUI thread.
#include <boost/function.hpp>

namespace PardeloStravon {

// The second argument of the document signal; the first is an instrument
// address, or 0 for the document or the whole network.
enum DocSignal {
  dsTick = 0,
  dsRxOk = 1,
  dsRxKo = 2,
  dsRyOk = 3,
  dsRyKo = 4,
  dsTyOk = 5,
  dsTyKo = 6,
  dsRgOk = 7,
  dsRgKo = 8,
  dsRhOk = 9,
  dsRhKo = 10,
  dsPrinted = 11,
  dsPlotUpdate = 12,
  dsEditInstr = 13,
  dsLanguage = 14,
  dsAddInstr = 15,
  dsRemoveInstr = 16,
  dsRxEnable = 17,
  dsLogin = 18,
  dsLoginSup = 19,
  dsFontOptions = 20,
  dsFontStatus = 21,
  dsFontProgram = 22,
  dsGraphFormat = 23,
  dsProgramLayout = 24,
  dsTimeFormat = 25,
  dsTraceText = 26,
  dsTraceLine = 27
};

typedef boost::function<void(int, DocSignal)> DocSignalSlot;

// One unit of work for the GUI thread, and what hands it over from any thread.
typedef boost::function<void()> GuiTask;
typedef boost::function<void(const GuiTask&)> GuiPoster;

// A copyable holder of a poster: calling it posts the task.
struct D2TFun_Fun_wrap {
  GuiPoster poster_;

  D2TFun_Fun_wrap() = default;
  explicit D2TFun_Fun_wrap(GuiPoster poster) : poster_(std::move(poster)) {}
  // An empty holder throws boost::bad_function_call.
  void operator()(const GuiTask& task) const { poster_(task); }
};

}  // namespace PardeloStravon
