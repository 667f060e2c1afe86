// netloom_clip_seeds CONFIG DIR: writes the clipboard block of every object in a
// configuration file into DIR, one file each, as seeds for fuzz_clipobject. The checked-in
// seeds under fuzz/corpus/clipobject were made from examples/ka-210x.cfg with it, except
// adapter-1-long-forms.bin: adapter-1.bin with every count, text length and class index in its
// longest form and 16 bytes after the object, as another program's block may come.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "clip/ClipObject.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace {

using namespace netloom;

bool Save(const std::string& dir, const std::string& name, const std::vector<uint8_t>& block) {
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(block.data()),
              static_cast<std::streamsize>(block.size()));
    return static_cast<bool>(out);
}

bool SaveObject(const std::string& dir, const std::string& name, CDocObject& object) {
    CClipObject clip(object, static_cast<uint16_t>(object.m_nType));
    return Save(dir, name, clip.Write());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: netloom_clip_seeds CONFIG DIR\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        std::cerr << "netloom_clip_seeds: cannot read " << argv[1] << '\n';
        return 2;
    }
    const std::string dir = argv[2];
    CNetloomDoc doc;
    doc.ReadText(text, nullptr);
    doc.Renumber();

    bool ok = SaveObject(dir, "cfgfile.bin", doc.Cfgfile());
    // A kind that names no object: the block is the kind alone.
    ok = Save(dir, "unknown-kind.bin", {0x02, 0x00}) && ok;
    int n = 0;
    for (auto& adapter : doc.Cfgfile().Adapters) {
        const std::string a = std::to_string(n++);
        ok = SaveObject(dir, "adapter-" + a + ".bin", *adapter) && ok;
        int t = 0;
        for (auto& profile : adapter->TrafficProfiles)
            ok = SaveObject(dir, "profile-" + a + "-" + std::to_string(t++) + ".bin", *profile) &&
                 ok;
        for (auto& elan : adapter->VirtualAdapters) {
            const std::string e = a + "-" + std::to_string(elan->m_nNumber);
            ok = SaveObject(dir, "elan-" + e + ".bin", *elan) && ok;
            for (auto& pvc : elan->Pvcs)
                ok = SaveObject(dir, "pvc-" + e + "-" + std::to_string(pvc->m_nNumber) + ".bin",
                                *pvc) &&
                     ok;
            for (auto& mapping : elan->Mappings)
                ok = SaveObject(dir,
                                "mapping-" + e + "-" + std::to_string(mapping->m_nNumber) + ".bin",
                                *mapping) &&
                     ok;
        }
    }
    if (!ok) {
        std::cerr << "netloom_clip_seeds: cannot write into " << dir << '\n';
        return 1;
    }
    return 0;
}
