// netloom_gencfg BYTES [SEED], or netloom_gencfg --objects COUNT [SEED]: writes a generated
// configuration of at least BYTES bytes, or at least COUNT objects, to standard output, for
// timing loomcfg or Netloom on a large file. The text reads without any reader message.

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "ConfigGenerator.h"

int main(int argc, char** argv) {
    const bool byObjects = argc > 1 && std::strcmp(argv[1], "--objects") == 0;
    const int first = byObjects ? 2 : 1;
    if (argc < first + 1 || argc > first + 2) {
        std::cerr << "Usage: netloom_gencfg BYTES [SEED] > FILE.cfg\n"
                     "       netloom_gencfg --objects COUNT [SEED] > FILE.cfg\n";
        return 2;
    }
    char* end = nullptr;
    const unsigned long long size = std::strtoull(argv[first], &end, 10);
    const unsigned long seed = argc == first + 2 ? std::strtoul(argv[first + 1], nullptr, 10) : 1;
    if (end == argv[first] || *end != '\0') {
        std::cerr << "netloom_gencfg: " << (byObjects ? "COUNT" : "BYTES") << " must be a number\n";
        return 2;
    }
    const auto seed32 = static_cast<uint32_t>(seed);
    const std::string text =
        byObjects
            ? netloom::bench::GenerateConfigurationOfObjects(static_cast<size_t>(size), seed32)
            : netloom::bench::GenerateConfiguration(static_cast<size_t>(size), seed32);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}
