#pragma once
// What the pieces of the legacy document say when a file does not fit.
#include <boost/function.hpp>
#include <stdexcept>
#include <string>

namespace PardeloStravon {

// Shown, with an OK button, when a legacy piece cannot be read or written.
extern const std::wstring InvalidQziFormatText;  // "Invalid file format while loading qzi document"

// Shows a text in a message box with an OK button; the legacy pieces report
// through it what they cannot read or write.
typedef boost::function<void(const std::wstring&)> LegacyMessageBox;

// Ends a legacy load that can no longer stay in step with the file.
class LegacyFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The version the document writes, and the oldest it reads.
constexpr int LegacyDocVersion = 25;
constexpr int OldestLegacyDocVersion = 15;

}  // namespace PardeloStravon
