#pragma once
// The application's constant texts: its names, the version and owner texts
// of the About box, the profile's vendor and the fixed messages shown
// before the tables are loaded.
#include <string>

namespace PardeloStravon {

extern const std::wstring ProductCode;     // "Vantor"
extern const std::wstring MajorVersion;    // "4"
extern const std::wstring ApplicationBaseName;  // "Vantor4"
extern const std::wstring VersionText;     // "doc Vantor4 rev 07"
extern const std::wstring OwnerNotice;
extern const std::wstring RegistryKey;     // "Pardelo Stravon"
extern const std::wstring SingleInstanceName;   // "Vantor_Application_Is_Already_Running"
extern const std::wstring AnotherInstanceText;  // "Another instance of the application is already running."

extern const std::wstring StartLineText;   // "Application start in TheApp::InitInstance()"
extern const std::wstring StopLineText;    // "Application stop in TheApp::ExitInstance()"
extern const std::wstring RunErrorText;    // "Error in TheApp::Run(): "
extern const std::wstring RunUnspecifiedText;  // "Error in TheApp::Run(): unspecified"
extern const std::wstring InitErrorText;   // "Error in TheApp::InitInstance(): "

// Before 1 May 2007, 17:20:00 UTC the clock is surely wrong.
constexpr long long ClockCheckBoundary = 1178040000;

}  // namespace PardeloStravon
