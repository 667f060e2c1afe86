// netloom_gencfg BYTES [SEED]: writes a generated configuration of at least BYTES bytes to
// standard output, for timing loomcfg or Netloom on a large file by hand.

#include <cstdlib>
#include <iostream>
#include <string>

#include "ConfigGenerator.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "Usage: netloom_gencfg BYTES [SEED] > FILE.cfg\n";
        return 2;
    }
    char* end = nullptr;
    const unsigned long long bytes = std::strtoull(argv[1], &end, 10);
    const unsigned long seed = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 1;
    if (end == argv[1] || *end != '\0') {
        std::cerr << "netloom_gencfg: BYTES must be a number\n";
        return 2;
    }
    const std::string text = netloom::bench::GenerateConfiguration(static_cast<size_t>(bytes),
                                                                   static_cast<uint32_t>(seed));
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}
