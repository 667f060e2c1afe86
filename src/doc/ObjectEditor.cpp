#include "doc/ObjectEditor.h"

namespace netloom {

namespace {
CObjectEditor* g_editor = nullptr;
}

CObjectEditor* GetObjectEditor() {
    return g_editor;
}

CObjectEditor* SetObjectEditor(CObjectEditor* editor) {
    CObjectEditor* previous = g_editor;
    g_editor = editor;
    return previous;
}

}  // namespace netloom
