#include "shared/winsys/sim/class_registry.h"

#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {

bool ClassRegistry::Register(DWORD process, std::string_view name, WindowProc procedure) {
  if (name.empty() || !procedure) return false;
  std::string key = FoldCase(name);
  std::vector<WindowClass>& of_name = classes_[key];
  for (const WindowClass& known : of_name) {
    if (known.process == process) return false;
  }
  of_name.push_back(WindowClass{std::string(name), std::move(key), process,
                                std::make_shared<const WindowProc>(std::move(procedure))});
  return true;
}

const WindowClass* ClassRegistry::Find(DWORD process, std::string_view name) const {
  const auto found = classes_.find(FoldCase(name));
  if (found == classes_.end()) return nullptr;
  const WindowClass* system_class = nullptr;
  for (const WindowClass& known : found->second) {
    if (known.process == process) return &known;
    if (known.process == system_process_) system_class = &known;
  }
  return system_class;
}

}  // namespace winsys::sim
