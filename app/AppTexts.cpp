#include "app/AppTexts.h"

namespace PardeloStravon {

const std::wstring ProductCode = L"Vantor";
const std::wstring MajorVersion = L"4";
const std::wstring ApplicationBaseName = ProductCode + MajorVersion;
const std::wstring VersionText = std::wstring(L"doc ") + ProductCode + MajorVersion + L" rev " + L"07";
const std::wstring OwnerNotice = L"\u00A9 Pardelo Stravon. All rights reserved.";
const std::wstring RegistryKey = L"Pardelo Stravon";
const std::wstring SingleInstanceName = L"Vantor_Application_Is_Already_Running";
const std::wstring AnotherInstanceText = L"Another instance of the application is already running.";

const std::wstring StartLineText = L"Application start in TheApp::InitInstance()";
const std::wstring StopLineText = L"Application stop in TheApp::ExitInstance()";
const std::wstring RunErrorText = L"Error in TheApp::Run(): ";
const std::wstring RunUnspecifiedText = L"Error in TheApp::Run(): unspecified";
const std::wstring InitErrorText = L"Error in TheApp::InitInstance(): ";

}  // namespace PardeloStravon
