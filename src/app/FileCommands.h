#pragma once
// CFileCommands: the File menu's commands but printing: New, Open, Save, Save As, Send Mail,
// the recent files and Exit.

namespace netloom {

class CCommandTable;
class CDocManager;
class CMainFrame;
class CNetloomDoc;
class CRecentFileList;

class CFileCommands {
  public:
    CFileCommands(CCommandTable& commands, CDocManager& docs, CNetloomDoc& doc,
                  CRecentFileList& recent, CMainFrame& frame);
    CFileCommands(const CFileCommands&) = delete;
    CFileCommands& operator=(const CFileCommands&) = delete;

    // Puts the commands into the table.
    void Define();
    // Sends the configuration as a mail attachment with the desktop's mail helper.
    void OnSendMail();

  private:
    CCommandTable& m_commands;
    CDocManager& m_docs;
    CNetloomDoc& m_doc;
    CRecentFileList& m_recent;
    CMainFrame& m_frame;
};

}  // namespace netloom
