// libFuzzer target: any bytes as a scenario, played with files in memory. The run ends with
// status 0 or 2 (a bad line), never with an internal failure or a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/ScriptSession.h"
#include "pricing/FakeFileAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kalvora::testing::FakeFileAccess files;
    files.files["a.klv"] = "Zt!F!!!t!.!!!!!!!!!!\r\n";
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int status = kalvora::cli::RunScript(in, out, err, files);
    if (status != 0 && status != 2) std::abort();
    return 0;
}
