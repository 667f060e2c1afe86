#include "clip/ClipObject.h"

#include "archive/Archive.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/EditSteps.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

CClipObject::CClipObject() : m_bOwnsObject(true) {}

CClipObject::CClipObject(CDocObject& object, uint16_t kind)
    : m_kind(kind), m_pObject(&object), m_bOwnsObject(false) {}

CClipObject::~CClipObject() = default;

std::unique_ptr<CDocObject> CClipObject::CreateObject(uint16_t kind) {
    switch (kind) {
        case DOC_TYPE_CFGFILE:
            return std::make_unique<C_Doc_Cfgfile>();
        case DOC_TYPE_ADAPTER:
            return std::make_unique<C_Doc_Adapter>();
        case DOC_TYPE_TRAFFIC_PROFILE:
            return std::make_unique<C_Doc_TrafficProfile>();
        case DOC_TYPE_ELAN:
            return std::make_unique<C_Doc_Elan>(ELAN_LANE);
        case DOC_TYPE_PVC:
            return std::make_unique<C_Doc_Pvc>();
        case DOC_TYPE_TP_MAPPING:
            return std::make_unique<C_Doc_TpMapping>();
        default:
            return nullptr;
    }
}

std::vector<uint8_t> CClipObject::Write() {
    std::vector<uint8_t> block;
    CArchive ar(block);
    ar.UInt16(m_kind);
    if (m_pObject) m_pObject->Serialize(ar);
    return block;
}

bool CClipObject::Read(const uint8_t* data, size_t size, std::string* error, size_t* consumed) {
    m_owned.reset();
    m_pObject = nullptr;
    m_bOwnsObject = true;
    m_bInserted = false;
    try {
        CArchive ar(data, size);
        uint16_t kind = 0;
        ar.UInt16(kind);
        std::unique_ptr<CDocObject> object = CreateObject(kind);
        if (object) object->Serialize(ar);
        m_kind = kind;
        m_owned = std::move(object);
        m_pObject = m_owned.get();
        if (consumed) *consumed = ar.Position();
        return true;
    } catch (const CArchiveException& e) {
        if (error) *error = e.what();
        return false;
    }
}

bool CClipObject::PasteInto(CNetloomDoc& doc, const std::string& stepName) {
    if (!m_owned) return false;
    // A refused object comes back to the envelope and dies with it.
    m_bInserted = doc.Apply(MakePasteStep(std::move(m_owned), stepName, &m_owned));
    return m_bInserted;
}

bool CClipObject::PeekKind(const uint8_t* data, size_t size, uint16_t& kind) {
    if (data == nullptr || size < 2) return false;
    kind = static_cast<uint16_t>(data[0] | (data[1] << 8));
    return true;
}

}  // namespace netloom
