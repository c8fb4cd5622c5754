#pragma once
// Names that copies of one component inside this process use to find each
// other. They live in the process only: a system-wide object would outlive a
// crash and block a later process that is given the same id.
#include <string>

namespace ProcessNames {

// Adds the name; false when it is registered already.
bool Register(const std::wstring& name);
// Removes the name; nothing happens when it is not registered.
void Release(const std::wstring& name);
bool IsRegistered(const std::wstring& name);

}  // namespace ProcessNames
