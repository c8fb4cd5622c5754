#include "foundation/core/Assert.h"

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

void WriteAssertionRecord(const std::wstring& message, const char* function, const char* file,
                          int line) {
  ErrorLog << std::endl;
  ErrorLog << TimeStamp() + L" - " + L"Assertion failed: " + message;
  ErrorLog << L" - in function " << function;
  ErrorLog << L" - file " << file;
  ErrorLog << L" - line " << line;
  ErrorLog << std::endl;
}

void ThrowAssertionFailure(const std::wstring& message) {
  throw AssertionFailure(ToNarrow(TimeStamp() + L" - " + L"Assertion failed: " + message));
}

}  // namespace PardeloStravon
