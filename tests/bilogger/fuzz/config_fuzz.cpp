// Fuzz target: applying any configuration text never crashes, and leaves the
// batch limits usable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bi_log_store.h"
#include "bi_server_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static BiLogStore noStore{std::string()};  // never opens: nothing is written
    BiServerConfig config([] { return std::int64_t{1800000000}; });
    config.setAppId("com.daxo.orvocheck");
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (config.applyConfigText(noStore, text, true)) {
        if (config.packageLine < 1) std::abort();
        for (const auto& entry : config.environmentHosts) {
            if (entry.second.empty() || entry.second.find('/') != std::string::npos) std::abort();
            if (config.hostFor(entry.first).empty()) std::abort();
        }
    }
    return 0;
}
