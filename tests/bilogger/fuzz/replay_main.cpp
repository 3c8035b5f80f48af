// Runs the fuzz target without libFuzzer: every file named on the command
// line, then mutations of them from a fixed seed, so the target also runs as
// an ordinary test under any compiler.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        seeds.push_back(s.str());
    }
    if (seeds.empty()) seeds.push_back("{}");
    // Parse messages for thousands of broken texts say nothing useful.
    if (std::freopen("/dev/null", "w", stderr) == nullptr) return 1;
    std::mt19937 random(20261207);
    const std::string alphabet = "{}[]\":,0123456789-.eEtrufalsn \\/url";
    for (const auto& seed : seeds) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(seed.data()), seed.size());
    }
    for (int round = 0; round < 20000; ++round) {
        std::string text = seeds[random() % seeds.size()];
        for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
            const size_t at = text.empty() ? 0 : random() % (text.size() + 1);
            switch (random() % 3) {
                case 0:
                    text.insert(at, 1, alphabet[random() % alphabet.size()]);
                    break;
                case 1:
                    if (at < text.size()) text.erase(at, 1);
                    break;
                default:
                    if (at < text.size()) text[at] = static_cast<char>(random() & 0xFF);
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    std::cout << "replayed " << seeds.size() << " seeds and 20000 mutations" << std::endl;
    return 0;
}
