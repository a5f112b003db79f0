// Runs a fuzz target over every file of the folders or files named on the command line, and over
// a fixed set of generated inputs, for builds without libFuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void runFile(const std::filesystem::path& path, int& count) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++count;
}

} // namespace

int main(int argc, char** argv) {
    int count = 0;
    std::vector<std::vector<std::uint8_t>> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file()) {
                    runFile(entry.path(), count);
                    std::ifstream in(entry.path(), std::ios::binary);
                    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
                }
        } else {
            runFile(arg, count);
        }
    }
    // Mutations of the seeds: flipped, dropped and repeated bytes, as a fuzzer's first steps would try.
    std::mt19937 engine(12345);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> input =
            seeds.empty() ? std::vector<std::uint8_t>{} : seeds[engine() % seeds.size()];
        const int edits = 1 + static_cast<int>(engine() % 8);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = input.empty() ? 0 : engine() % input.size();
            switch (engine() % 4) {
            case 0:
                if (!input.empty())
                    input[at] = static_cast<std::uint8_t>(engine());
                break;
            case 1:
                if (!input.empty())
                    input.erase(input.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            case 2:
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at),
                             static_cast<std::uint8_t>(engine()));
                break;
            default:
                if (!input.empty())
                    input.insert(input.end(), input.begin(), input.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            }
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++count;
    }
    std::printf("%d inputs ran\n", count);
    return 0;
}
