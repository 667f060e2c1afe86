#pragma once
// The five Insert commands of the document. Each creates an object with its defaults, links it
// to its owner from the selection context, opens its property sheet, and only on OK appends it
// to the owner's list, adds its tree node, renumbers and marks the document modified, as one
// step of the edit history. A cancel
// destroys the new object and changes nothing; a disabled command does nothing at all.

namespace netloom {

class CNetloomDoc;
struct CUserOptions;

// Each returns true when an object was inserted.
bool InsertAdapter(CNetloomDoc& doc);
bool InsertTrafficProfile(CNetloomDoc& doc, const CUserOptions& options);
// Asks for the virtual adapter's type first; a cancel there ends the command.
bool InsertVirtualAdapter(CNetloomDoc& doc);
bool InsertPvc(CNetloomDoc& doc);
bool InsertMapping(CNetloomDoc& doc, const CUserOptions& options);

// The Insert command of id (ID_INSERT_*): whether it is enabled, and carrying it out.
bool IsInsertCommandEnabled(int id, const CNetloomDoc& doc, const CUserOptions& options);
bool RunInsertCommand(int id, CNetloomDoc& doc, const CUserOptions& options);

}  // namespace netloom
