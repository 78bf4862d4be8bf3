#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--demo") == 0) {
      std::puts("tollmere: the demo is not built yet.");
      return 0;
    }
  }
  std::puts("usage: tollmere --demo [--realtime] | --scenario FILE [--realtime]");
  return 0;
}
