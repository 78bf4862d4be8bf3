#include "shared/winsys/sim/class_registry.h"

#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {

bool ClassRegistry::Register(DWORD process, std::string_view name, WindowProc procedure) {
  if (name.empty() || !procedure) return false;
  std::string key = FoldCase(name);
  auto slot = std::make_pair(process, key);
  if (classes_.count(slot) != 0) return false;
  classes_.emplace(std::move(slot),
                   WindowClass{std::string(name), std::move(key), process,
                               std::make_shared<const WindowProc>(std::move(procedure))});
  return true;
}

const WindowClass* ClassRegistry::Find(DWORD process, std::string_view name) const {
  const std::string key = FoldCase(name);
  auto found = classes_.find(std::make_pair(process, key));
  if (found == classes_.end()) found = classes_.find(std::make_pair(system_process_, key));
  return found == classes_.end() ? nullptr : &found->second;
}

}  // namespace winsys::sim
