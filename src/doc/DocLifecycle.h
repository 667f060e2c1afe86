#pragma once
// New, Open and Save of the configuration document, in the order the program has always run
// them, on top of a single-document layer that the GUI provides (CDocFramework).

#include <string>

namespace netloom {

class CDocView;
class CNetloomDoc;

// The single-document layer's steps and state that the document's sequences use.
class CDocFramework {
  public:
    virtual ~CDocFramework() = default;
    // Deletes the contents, forgets the path and clears the modified flag.
    virtual bool NewDocumentStep() = 0;
    // Deletes the contents, reads the file at path into the document and clears the modified
    // flag; reports its own failures to the user and returns false then.
    virtual bool OpenDocumentStep(const std::string& path) = 0;
    // Writes the configuration text to path and clears the modified flag; reports its own
    // failures and returns false then (the file on disk is left as it was).
    virtual bool SaveDocumentStep(const std::string& path) = 0;
    virtual std::string GetTitle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetPathName() const = 0;
    // Sets the path (and the title from its file name); adds it to the recent files if asked.
    virtual void SetPathName(const std::string& path, bool addToRecentFiles) = 0;
};

// The title a new configuration of model gets, or the empty text for a model without a name.
std::string ModelTitle(int model);

// Starts a new configuration: asks for the adapter type (false on cancel), then titles the
// document after the model.
bool OnNewDocument(CNetloomDoc& doc, CDocFramework& framework);

// Opens path. Always true: when the file cannot be read the document becomes a new, modified
// configuration that keeps the requested path.
bool OnOpenDocument(CNetloomDoc& doc, CDocFramework& framework, const std::string& path);

// Saves under path; on failure the configuration's name and the root's text go back to what
// they were, so nothing claims a file that was not written.
bool OnSaveDocument(CNetloomDoc& doc, CDocFramework& framework, CDocView* view,
                    const std::string& path);

}  // namespace netloom
