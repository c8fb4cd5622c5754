#include "app/ProcessNames.h"

#include <mutex>
#include <set>

namespace ProcessNames {
namespace {

struct Registry {
  std::mutex m;
  std::set<std::wstring> names;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

bool Register(const std::wstring& name) {
  auto& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.m);
  return r.names.insert(name).second;
}

void Release(const std::wstring& name) {
  auto& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.m);
  r.names.erase(name);
}

bool IsRegistered(const std::wstring& name) {
  auto& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.m);
  return r.names.count(name) != 0;
}

}  // namespace ProcessNames
