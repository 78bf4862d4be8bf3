#include "serving_loop/requests_file.h"

namespace serving_loop {

RequestsFile::RequestsFile(app::Program& program) : program_(program) {}

void RequestsFile::LoadRequests() {}

void RequestsFile::SaveRequests() {}

}  // namespace serving_loop
