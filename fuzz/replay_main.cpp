// A fuzz target without libFuzzer: runs the target once on each file named,
// or on every file of each folder named, in name order. The corpora and the
// inputs that once failed are replayed this way in every build of the tests.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path named(argv[i]);
        if (!fs::is_directory(named)) {
            files.push_back(named);
            continue;
        }
        std::vector<fs::path> inside;
        for (const auto &entry : fs::directory_iterator(named))
            if (entry.is_regular_file()) inside.push_back(entry.path());
        std::sort(inside.begin(), inside.end());
        files.insert(files.end(), inside.begin(), inside.end());
    }
    if (files.empty()) {
        std::fprintf(stderr, "no inputs: name files or folders of inputs\n");
        return 1;
    }
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        // Each input in a buffer of its own exact size, so a read past it is seen.
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::vector<uint8_t> input(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu inputs, no failure\n", files.size());
    return 0;
}
