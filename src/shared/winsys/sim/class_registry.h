#pragma once
// Window classes by process. The system process's classes (the standard controls) are seen by
// every process; a process's own class of the same name comes first, as an application-local
// class does on Windows.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shared/winsys/window_system.h"

namespace winsys::sim {

struct WindowClass {
  std::string name;  // as registered
  std::string key;   // folded
  DWORD process = 0;
  std::shared_ptr<const WindowProc> procedure;
};

class ClassRegistry {
 public:
  explicit ClassRegistry(DWORD system_process) : system_process_(system_process) {}
  // False when the process already has a class of that name (in any case).
  bool Register(DWORD process, std::string_view name, WindowProc procedure);
  // What it answers is used at once: a class registered later may move it.
  const WindowClass* Find(DWORD process, std::string_view name) const;

 private:
  DWORD system_process_;
  // By folded name, the classes of that name of each process that registered one: every window
  // made looks its class up here, so one look-up finds both the process's own and the system's.
  std::unordered_map<std::string, std::vector<WindowClass>> classes_;
};

}  // namespace winsys::sim
