// libFuzzer entry for the pending-requests loader: arbitrary queue and file bytes; any fault of
// the checks aborts with the faults printed.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/requests_file_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> faults = serving_loop::fuzzing::LoaderFaults(bytes);
  if (faults.empty()) return 0;
  for (const std::string& fault : faults) std::fprintf(stderr, "%s\n", fault.c_str());
  std::abort();
}
