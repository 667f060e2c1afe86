#include "doc/DocLifecycle.h"

#include "doc/DocView.h"
#include "doc/NetloomDoc.h"

namespace netloom {

std::string ModelTitle(int model) {
    switch (model) {
        case MODEL_KA210X:
            return "ka-210x";
        case MODEL_KA3301:
            return "ka-3301";
        default:
            return std::string();
    }
}

bool OnNewDocument(CNetloomDoc& doc, CDocFramework& framework) {
    if (!framework.NewDocumentStep()) return false;
    C_Doc_Cfgfile& cfgfile = doc.Cfgfile();
    if (!cfgfile.EditProperties()) return false;
    const std::string title = ModelTitle(cfgfile.m_nAdapterModel);
    if (!title.empty()) framework.SetTitle(title);
    cfgfile.m_name = framework.GetTitle();
    return true;
}

bool OnOpenDocument(CNetloomDoc& doc, CDocFramework& framework, const std::string& path) {
    doc.Cfgfile().m_name = path;
    if (!framework.OpenDocumentStep(path)) {
        OnNewDocument(doc, framework);  // kept open even when the adapter type is cancelled
        framework.SetPathName(path, true);
        // The new configuration is named after the path it will be saved to, as the tree's
        // root already shows; otherwise its name would be the model's until the next save.
        doc.Cfgfile().m_name = path;
        doc.SetModifiedFlag();
    }
    doc.Renumber();
    return true;
}

bool OnSaveDocument(CNetloomDoc& doc, CDocFramework& framework, CDocView* view,
                    const std::string& path) {
    C_Doc_Cfgfile& cfgfile = doc.Cfgfile();
    const std::string previousName = cfgfile.m_name;
    const std::string previousPath = framework.GetPathName();
    cfgfile.m_name = path;
    if (view) view->SetRootText(path);
    if (framework.SaveDocumentStep(path)) return true;
    cfgfile.m_name = previousName;
    if (view) view->SetRootText(previousPath.empty() ? framework.GetTitle() : previousPath);
    return false;
}

}  // namespace netloom
