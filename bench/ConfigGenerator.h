#pragma once
// Builds large configuration texts for the benchmarks and the reliability tests. The text has
// the shape Netloom writes (adapters with traffic profiles, virtual adapters of every type,
// mappings and PVCs) with values that vary from object to object, so reading it exercises every
// value form. Deterministic for a given seed; nothing here reads or writes files.

#include <cstddef>
#include <cstdint>
#include <string>

namespace netloom::bench {

struct CGeneratedCounts {
    size_t adapters = 0;
    size_t trafficProfiles = 0;
    size_t virtualAdapters = 0;
    size_t mappings = 0;
    size_t pvcs = 0;
    // Every configuration object the text defines.
    size_t Objects() const {
        return adapters + trafficProfiles + virtualAdapters + mappings + pvcs;
    }
};

// Appends adapters to a text until it holds at least targetBytes bytes (at least one adapter).
// Every line ends with CR LF. counts, when given, receives what the text defines.
std::string GenerateConfiguration(size_t targetBytes, uint32_t seed = 1,
                                  CGeneratedCounts* counts = nullptr);

// The same text, grown by whole adapters until it defines at least objects objects (an adapter
// with all it owns is 26 of them).
std::string GenerateConfigurationOfObjects(size_t objects, uint32_t seed = 1,
                                           CGeneratedCounts* counts = nullptr);

}  // namespace netloom::bench
