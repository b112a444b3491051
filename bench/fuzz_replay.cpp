// Replays a folder of inputs through a fuzz target's entry point, round after round, and prints the
// mean time an input takes: the target's own cost on inputs fixed in advance, without the fuzzer's
// mutation and coverage bookkeeping, so that two versions of a target compare on the same inputs.
// Linked by bench/fuzz_rate.sh with the target's object and the fuzzer's runtime without its main.
//   fuzz_replay FOLDER [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [ROUNDS]\n", argv[0]);
        return 2;
    }
    std::vector<std::string> inputs;
    for (const auto &entry : std::filesystem::directory_iterator(argv[1])) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs in %s\n", argv[1]);
        return 1;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const auto run = [&inputs] {
        for (const std::string &input : inputs)
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.data()), input.size());
    };
    run(); // warm: first-use costs are not the target's per-input cost
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round)
        run();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu %.2f\n", inputs.size(), took.count() / (double(rounds) * double(inputs.size())));
    return 0;
}
