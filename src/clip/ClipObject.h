#pragma once
// CClipObject: the envelope that writes one configuration object, with everything it owns, as
// a clipboard or drag-and-drop block, and reads such a block back into a new object.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace netloom {

class CDocObject;
class CNetloomDoc;

class CClipObject {
  public:
    // An envelope for reading: it will create and own the object.
    CClipObject();
    // An envelope around an existing object, for writing; kind is the object's type code.
    CClipObject(CDocObject& object, uint16_t kind);
    ~CClipObject();
    CClipObject(const CClipObject&) = delete;
    CClipObject& operator=(const CClipObject&) = delete;

    // The block: the kind, then the object's own serialization.
    std::vector<uint8_t> Write();

    // Reads a block. False, with no object and the reason in error, when the block is damaged
    // or hostile. A kind that names no configuration object reads as true with no object.
    // consumed receives the number of bytes the block took.
    bool Read(const uint8_t* data, size_t size, std::string* error = nullptr,
              size_t* consumed = nullptr);

    // Hands the object to the document as one step named stepName ("Paste", "Drop"), which
    // puts it where AddPastedObject does; on success the document owns it and is marked
    // modified. A refused object stays with the envelope and dies with it.
    bool PasteInto(CNetloomDoc& doc, const std::string& stepName);

    // The kind in a block's first two bytes, without reading the rest.
    static bool PeekKind(const uint8_t* data, size_t size, uint16_t& kind);

    // Creates an empty object of a kind with its defaults; null for a kind without one.
    static std::unique_ptr<CDocObject> CreateObject(uint16_t kind);

    uint16_t m_kind = 0xFFFF;
    CDocObject* m_pObject = nullptr;
    bool m_bOwnsObject = false;
    bool m_bInserted = false;

  private:
    std::unique_ptr<CDocObject> m_owned;
};

}  // namespace netloom
