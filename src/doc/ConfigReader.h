#pragma once
// The reader the objects read their blocks from: the file's lines, and what reading the whole
// file must remember across blocks.

#include <vector>

#include "cfgfile/LineReader.h"

namespace netloom {

class C_Doc_Elan;

class CConfigReader : public CLineReader {
  public:
    using CLineReader::CLineReader;

    // Every virtual adapter read so far from this text, in the order of their Define lines;
    // a PVC's UserInstance indexes it. The table does not own the objects.
    std::vector<C_Doc_Elan*>& VirtualAdapterTable() { return m_elanTable; }

  private:
    std::vector<C_Doc_Elan*> m_elanTable;
};

}  // namespace netloom
