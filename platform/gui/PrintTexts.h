#pragma once
// The texts of the print target's failures that a user reads. The platform
// holds no dictionary: a higher layer hands in where they come from, in the
// user's language.
#include <functional>
#include <string>

namespace Platform {

// The source of "There is no printer to print on." in the user's language.
void SetNoPrinterText(std::function<std::wstring()> source);
// Its text now; the token CTW_PR_No_Printer while no source was handed in.
std::wstring NoPrinterText();

}  // namespace Platform
