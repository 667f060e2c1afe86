// Clipboard blocks: exact layout, round trips of every kind, the longer forms other writers may
// use, and refusal of damaged blocks.

#include <gtest/gtest.h>

#include <random>

#include "archive/Archive.h"
#include "cfgfile/WordList.h"
#include "clip/ClipObject.h"
#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes WriteBlock(CDocObject& object) {
    CClipObject clip(object, static_cast<uint16_t>(object.m_nType));
    return clip.Write();
}

// Reads a block and writes the object back; the bytes must be the same.
void ExpectRoundTrip(const Bytes& block) {
    CClipObject clip;
    std::string error;
    size_t consumed = 0;
    ASSERT_TRUE(clip.Read(block.data(), block.size(), &error, &consumed)) << error;
    EXPECT_EQ(consumed, block.size());
    ASSERT_NE(clip.m_pObject, nullptr);
    EXPECT_EQ(WriteBlock(*clip.m_pObject), block);
}

uint16_t U16At(const Bytes& b, size_t pos) {
    return static_cast<uint16_t>(b[pos] | (b[pos + 1] << 8));
}

std::string TextAt(const Bytes& b, size_t pos, size_t n) {
    return std::string(reinterpret_cast<const char*>(b.data() + pos), n);
}

std::unique_ptr<C_Doc_Adapter> ExampleAdapter() {
    auto adapter = std::make_unique<C_Doc_Adapter>();
    adapter->LecsAtmAddress = "47 00";
    adapter->TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    adapter->TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    adapter->TrafficProfiles[1]->DescrType = 3;
    auto elan = std::make_unique<C_Doc_Elan>(ELAN_CLASSICAL_IP);
    elan->IpAddress = "10.1.1.1";
    elan->Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
    elan->Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
    elan->Pvcs[0]->Vci = 77;
    adapter->VirtualAdapters.push_back(std::move(elan));
    return adapter;
}

TEST(Archive, ExampleAdapterBlockHasTheClassTagsAndNumbering) {
    auto adapter = ExampleAdapter();
    const Bytes b = WriteBlock(*adapter);
    size_t pos = 0;
    EXPECT_EQ(U16At(b, pos), 1);  // kind
    pos += 2;
    pos += 4 * 4 + 1 + 5 + 7 * 4;  // the adapter's fields (LECS address: length byte + 5)
    EXPECT_EQ(U16At(b, pos), 2);   // two profiles
    pos += 2;
    EXPECT_EQ(U16At(b, pos), 0xFFFF);
    EXPECT_EQ(U16At(b, pos + 2), 1);
    EXPECT_EQ(U16At(b, pos + 4), 20);
    EXPECT_EQ(TextAt(b, pos + 6, 20), "C_Doc_TrafficProfile");  // class 1, profile is element 2
    pos += 26 + 7 * 4;
    EXPECT_EQ(U16At(b, pos), 0x8001);  // element 3 refers to class 1
    pos += 2 + 7 * 4;
    EXPECT_EQ(U16At(b, pos), 1);  // one virtual adapter
    EXPECT_EQ(U16At(b, pos + 2), 0xFFFF);
    EXPECT_EQ(U16At(b, pos + 6), 10);
    EXPECT_EQ(TextAt(b, pos + 8, 10), "C_Doc_Elan");  // class 4, element 5
    pos += 18;
    EXPECT_EQ(U16At(b, pos), ELAN_CLASSICAL_IP);  // its type first
    const size_t mappingClass = TextAt(b, 0, b.size()).find("C_Doc_TpMapping");
    ASSERT_NE(mappingClass, std::string::npos);
    EXPECT_EQ(U16At(b, mappingClass - 2), 15);  // class 6, element 7
    EXPECT_EQ(U16At(b, mappingClass - 6), 0xFFFF);
    EXPECT_EQ(U16At(b, mappingClass - 8), 1);  // one mapping
    const size_t pvcClass = TextAt(b, 0, b.size()).find("C_Doc_Pvc");
    ASSERT_NE(pvcClass, std::string::npos);
    EXPECT_EQ(U16At(b, pvcClass - 2), 9);  // class 8, element 9
    EXPECT_EQ(U16At(b, pvcClass - 8), 1);  // one PVC
    // The PVC's eight fields end the block: three empty strings and five integers.
    EXPECT_EQ(b.size(), pvcClass + 9 + 3 + 5 * 4);
    ExpectRoundTrip(b);
}

TEST(Archive, EveryKindRoundTrips) {
    auto adapter = ExampleAdapter();
    ExpectRoundTrip(WriteBlock(*adapter));
    ExpectRoundTrip(WriteBlock(*adapter->TrafficProfiles[1]));
    ExpectRoundTrip(WriteBlock(*adapter->VirtualAdapters[0]));
    ExpectRoundTrip(WriteBlock(*adapter->VirtualAdapters[0]->Pvcs[0]));
    ExpectRoundTrip(WriteBlock(*adapter->VirtualAdapters[0]->Mappings[0]));
    C_Doc_Cfgfile cfg;
    cfg.m_nAdapterModel = 1;
    ExpectRoundTrip(WriteBlock(cfg));
}

TEST(Archive, ReadRestoresValuesButNotNumbers) {
    C_Doc_Pvc pvc;
    pvc.m_nNumber = 5;
    pvc.AtmAddress = "39 00";
    pvc.IpAddress = "1.2.3.4";
    pvc.MacAddress = "00 11 22 33 44 55";
    pvc.PvcType = 2;
    pvc.TrafficProfileSelector = 3;
    pvc.UserInstance = 4;
    pvc.Vci = 100;
    pvc.Vpi = 2;
    const Bytes b = WriteBlock(pvc);
    CClipObject clip;
    ASSERT_TRUE(clip.Read(b.data(), b.size()));
    auto* copy = dynamic_cast<C_Doc_Pvc*>(clip.m_pObject);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_nNumber, 0);
    EXPECT_EQ(copy->AtmAddress, "39 00");
    EXPECT_EQ(copy->IpAddress, "1.2.3.4");
    EXPECT_EQ(copy->MacAddress, "00 11 22 33 44 55");
    EXPECT_EQ(copy->PvcType, 2);
    EXPECT_EQ(copy->TrafficProfileSelector, 3);
    EXPECT_EQ(copy->UserInstance, 4);
    EXPECT_EQ(copy->Vci, 100);
    EXPECT_EQ(copy->Vpi, 2);
}

TEST(Archive, LongStringsAndBigListsUseTheWideForms) {
    C_Doc_TpMapping m;
    m.AtmAddress.assign(300, 'a');     // 0xFF then 16-bit length
    m.AddressMask.assign(70000, 'b');  // 0xFF, 0xFFFF, then 32-bit length
    Bytes b = WriteBlock(m);
    EXPECT_EQ(b[2], 0xFF);
    EXPECT_EQ(U16At(b, 3), 0xFFFF);
    ExpectRoundTrip(b);

    C_Doc_Elan elan;
    for (int i = 0; i < 0x10005; ++i)
        elan.Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
    b = WriteBlock(elan);
    const size_t pvcClass = TextAt(b, 0, b.size()).find("C_Doc_Pvc");
    EXPECT_EQ(U16At(b, pvcClass - 12), 0xFFFF);  // the count's wide form
    EXPECT_EQ(U16At(b, pvcClass - 10), 0x0005);
    EXPECT_EQ(U16At(b, pvcClass - 8), 0x0001);
    ExpectRoundTrip(b);

    // A class first named after 0x7FFF numbers is referred to in the 32-bit form.
    C_Doc_Adapter adapter;
    for (int i = 0; i < 0x8000; ++i)
        adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>());
    adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>());
    b = WriteBlock(adapter);
    const size_t elanSize = 4 + 24 * 4 + 5 + 2 + 2;  // type, fields, two empty lists
    const size_t secondTag = b.size() - elanSize - 6;
    EXPECT_EQ(U16At(b, secondTag), 0x7FFF);
    EXPECT_EQ(b[secondTag + 5] & 0x80, 0x80);
    ExpectRoundTrip(b);
}

// The layout of each kind as its Serialize writes it: i a 32-bit integer, s a text, a capital
// a list of the elements of that kind.
const char* Layout(char kind) {
    switch (kind) {
        case 'A':
            return "iiiisiiiiiiiTE";
        case 'T':
            return "iiiiiii";
        case 'E':  // the type, then the fields
            return "iiisisiiiisisiiiiiiiiiiiiiisiiMP";
        case 'P':
            return "sssiiiii";
        case 'M':
            return "sssi";
        default:
            return "";
    }
}

// Writes a block from the writer again, each count, text length and class index in a form drawn
// at random from those at least as long as its own.
class CLongForms {
  public:
    CLongForms(const Bytes& block, std::mt19937& random) : m_in(block), m_random(random) {}

    Bytes Rewrite() {
        const uint16_t kind = static_cast<uint16_t>(Take(2));
        Put(kind, 2);
        Walk("?A?T?E?P?M"[kind]);  // the letter of the kind's layout
        return m_out;
    }

  private:
    void Walk(char kind) {
        for (const char* field = Layout(kind); *field; ++field) {
            if (*field == 'i')
                Copy(4);
            else if (*field == 's')
                Text();
            else
                List(*field);
        }
    }

    void Text() {
        int form = 0;
        uint32_t n = Take(1);
        if (n == 0xFF) {
            n = Take(2);
            form = 1;
        }
        if (n == 0xFFFF) {
            n = Take(4);
            form = 2;
        }
        form = std::uniform_int_distribution<int>(form, 2)(m_random);
        if (form == 0) Put(n, 1);
        if (form > 0) Put(0xFF, 1);
        if (form == 1) Put(n, 2);
        if (form == 2) {
            Put(0xFFFF, 2);
            Put(n, 4);
        }
        Copy(n);
    }

    void List(char kind) {
        uint32_t count = Take(2);
        const bool wide = count == 0xFFFF;
        if (wide) count = Take(4);
        if (wide || Coin()) {
            Put(0xFFFF, 2);
            Put(count, 4);
        } else {
            Put(count, 2);
        }
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t tag = Take(2);
            if (tag == 0xFFFF) {  // a new class: schema, name length, name
                Put(tag, 2);
                Copy(2);
                Copy(2 + U16At(m_in, m_pos));
            } else if (tag != 0x7FFF && Coin()) {
                Put(0x7FFF, 2);
                Put(0x80000000u | (tag & 0x7FFF), 4);
            } else {
                Put(tag, 2);
            }
            Walk(kind);
        }
    }

    bool Coin() { return (m_random() & 1) != 0; }
    uint32_t Take(size_t width) {
        uint32_t v = 0;
        for (size_t i = width; i-- > 0;)
            v = (v << 8) | m_in.at(m_pos + i);
        m_pos += width;
        return v;
    }
    void Put(uint32_t v, size_t width) {
        for (size_t i = 0; i < width; ++i)
            m_out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void Copy(size_t n) {
        m_out.insert(m_out.end(), m_in.begin() + static_cast<long>(m_pos),
                     m_in.begin() + static_cast<long>(m_pos + n));
        m_pos += n;
    }

    const Bytes& m_in;
    std::mt19937& m_random;
    size_t m_pos = 0;
    Bytes m_out;
};

// Another program may write any count, text length or class index in a longer form than it
// needs, and a memory block may be longer than what it holds. Such a block reads to the same
// object, which writes the shortest forms again.
TEST(Archive, LongFormsReadAndWriteBackTheShortest) {
    auto adapter = ExampleAdapter();
    C_Doc_Elan& elan = *adapter->VirtualAdapters[0];
    elan.LanName.assign(300, 'n');  // a length in the 16-bit form
    elan.Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
    elan.Pvcs[1]->MacAddress = "00 11 22 33 44 55";
    const Bytes blocks[] = {WriteBlock(*adapter), WriteBlock(elan), WriteBlock(*elan.Pvcs[1]),
                            WriteBlock(*elan.Mappings[0])};
    std::mt19937 random(11);
    for (const Bytes& block : blocks) {
        int lengthened = 0;
        for (int round = 0; round < 50; ++round) {
            Bytes rewritten = CLongForms(block, random).Rewrite();
            const size_t size = rewritten.size();
            lengthened += size > block.size();
            rewritten.resize(size + random() % 8, 0xA5);
            CClipObject clip;
            std::string error;
            size_t consumed = 0;
            ASSERT_TRUE(clip.Read(rewritten.data(), rewritten.size(), &error, &consumed)) << error;
            EXPECT_EQ(consumed, size);
            ASSERT_NE(clip.m_pObject, nullptr);
            EXPECT_EQ(WriteBlock(*clip.m_pObject), block);
        }
        EXPECT_GT(lengthened, 40);  // the rewriting is not idle
    }
}

TEST(Archive, UnknownKindReadsAsNoObjectAndIsRefusedByTheDocument) {
    const Bytes b = {0x04, 0x00, 1, 2, 3};
    CClipObject clip;
    ASSERT_TRUE(clip.Read(b.data(), b.size()));
    EXPECT_EQ(clip.m_pObject, nullptr);
    CNetloomDoc doc;
    EXPECT_FALSE(clip.PasteInto(doc, "Paste"));
    EXPECT_FALSE(doc.IsModified());
}

TEST(Archive, PasteHandsTheObjectToTheDocument) {
    auto adapter = ExampleAdapter();
    const Bytes b = WriteBlock(*adapter);
    CNetloomDoc doc;
    {
        CClipObject clip;
        ASSERT_TRUE(clip.Read(b.data(), b.size()));
        EXPECT_TRUE(clip.PasteInto(doc, "Paste"));
        EXPECT_TRUE(clip.m_bInserted);
    }  // the envelope dies; the document keeps the adapter
    ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    const auto& elan = doc.Cfgfile().Adapters[0]->VirtualAdapters[0];
    EXPECT_EQ(elan->Pvcs[0]->VirtualAdapter, elan.get());  // owners set by the renumbering
    EXPECT_EQ(elan->Pvcs[0]->Vci, 77);
    // A PVC has nowhere to go without a current virtual adapter.
    const Bytes pvcBlock = WriteBlock(*elan->Pvcs[0]);
    CClipObject pvcClip;
    ASSERT_TRUE(pvcClip.Read(pvcBlock.data(), pvcBlock.size()));
    EXPECT_FALSE(pvcClip.PasteInto(doc, "Paste"));
    EXPECT_NE(pvcClip.m_pObject, nullptr);
}

// Every way a block can lie about itself must be refused, without reading past its end.
TEST(Archive, DamagedBlocksAreRefused) {
    auto adapter = ExampleAdapter();
    const Bytes good = WriteBlock(*adapter);

    // Cut anywhere before the end: refused (heap copies so the sanitizer sees any overrun).
    for (size_t n = 2; n < good.size(); ++n) {
        std::unique_ptr<uint8_t[]> cut(new uint8_t[n]);
        std::copy(good.begin(), good.begin() + static_cast<long>(n), cut.get());
        CClipObject clip;
        EXPECT_FALSE(clip.Read(cut.get(), n)) << "cut at " << n;
        EXPECT_EQ(clip.m_pObject, nullptr);
    }

    const size_t profileClass = TextAt(good, 0, good.size()).find("C_Doc_TrafficProfile");
    // Writes bytes over the block at pos, or in place of the replaced bytes there.
    auto corrupt = [&](size_t pos, std::initializer_list<uint8_t> bytes, size_t replaced = 0) {
        Bytes b = good;
        const auto at = b.begin() + static_cast<long>(pos);
        b.insert(b.erase(at, at + static_cast<long>(replaced ? replaced : bytes.size())), bytes);
        CClipObject clip;
        std::string error;
        EXPECT_FALSE(clip.Read(b.data(), b.size(), &error)) << "at " << pos;
        return error;
    };
    EXPECT_FALSE(corrupt(profileClass - 4, {2, 0}).empty());              // schema 2
    EXPECT_FALSE(corrupt(profileClass, {'X'}).empty());                   // unknown class name
    EXPECT_FALSE(corrupt(profileClass + 20 + 28, {0x00, 0x00}).empty());  // null element
    EXPECT_FALSE(corrupt(profileClass + 20 + 28, {0x02, 0x00}).empty());  // back-reference
    EXPECT_FALSE(corrupt(profileClass + 20 + 28, {0x05, 0x80}).empty());  // unknown class index
    // In place of the 16-bit class reference, the 32-bit form of a reference to an element, to
    // no class, and to an unknown one.
    EXPECT_FALSE(corrupt(profileClass + 20 + 28, {0xFF, 0x7F, 0x01, 0, 0, 0}, 2).empty());
    EXPECT_FALSE(corrupt(profileClass + 20 + 28, {0xFF, 0x7F, 0x00, 0, 0, 0x80}, 2).empty());
    EXPECT_FALSE(corrupt(profileClass + 20 + 28, {0xFF, 0x7F, 0x02, 0, 0, 0x80}, 2).empty());
    EXPECT_FALSE(corrupt(profileClass - 8, {0xFF, 0xFF, 0xFF, 0xFF}).empty());  // huge count

    // A virtual adapter list that names the profile class, and a bad virtual adapter type.
    const size_t elanClass = TextAt(good, 0, good.size()).find("C_Doc_Elan");
    EXPECT_FALSE(corrupt(elanClass - 6, {0x01, 0x80}).empty());
    EXPECT_FALSE(corrupt(elanClass + 10, {3, 0, 0, 0}).empty());
    EXPECT_FALSE(corrupt(elanClass + 10, {0xFF, 0xFF, 0xFF, 0xFF}).empty());

    // A string length beyond the block in each form, and a string of two-byte characters.
    C_Doc_TpMapping m;
    m.AddressMask = "ab";
    const Bytes s = WriteBlock(m);
    CClipObject clip;
    const Bytes lengths[] = {{200}, {0xFF, 200, 0}, {0xFF, 0xFF, 0xFF, 200, 0, 0, 0}};
    for (const Bytes& length : lengths) {
        Bytes b = {9, 0};
        b.insert(b.end(), length.begin(), length.end());
        b.insert(b.end(), s.begin() + 3, s.end());
        EXPECT_FALSE(clip.Read(b.data(), b.size()));
    }
    // The two-byte marker is no length, although the block holds as many bytes after it.
    Bytes wide = {9, 0, 0xFF, 0xFE, 0xFF};
    wide.insert(wide.end(), 0xFFFE, 'a');
    wide.insert(wide.end(), 6, 0);
    EXPECT_FALSE(clip.Read(wide.data(), wide.size()));
    EXPECT_FALSE(clip.Read(nullptr, 0));
}

}  // namespace
}  // namespace netloom
