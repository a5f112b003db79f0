#include "app/modal_dialog_closer.h"

#include <algorithm>
#include <dlfcn.h>
#include <glib-object.h>
#include <wx/dialog.h>

namespace quillmere {
namespace {

// The toolkit's native dialogs (message boxes, the colour chooser) run GTK's own dialog loop, which
// only a response ends. GTK is already loaded by the toolkit; it is looked up rather than linked so
// that the build needs no GTK headers of its own.
void respondCancel(wxDialog* dialog) {
    using TypeFunction = GType (*)();
    using ResponseFunction = void (*)(void*, int);
    constexpr int GtkResponseCancel = -6;
    static const auto dialogType = reinterpret_cast<TypeFunction>(dlsym(RTLD_DEFAULT, "gtk_dialog_get_type"));
    static const auto respond =
        reinterpret_cast<ResponseFunction>(dlsym(RTLD_DEFAULT, "gtk_dialog_response"));
    auto* widget = static_cast<GTypeInstance*>(static_cast<void*>(dialog->GetHandle()));
    if (dialogType != nullptr && respond != nullptr && widget != nullptr &&
        g_type_check_instance_is_a(widget, dialogType()))
        respond(widget, GtkResponseCancel);
}

} // namespace

ModalDialogCloser::ModalDialogCloser(std::function<void()> allClosed) : m_allClosed(std::move(allClosed)) {
    Register();
}

void ModalDialogCloser::closeAll() {
    m_closing = true;
    if (m_open.empty()) {
        m_allClosed();
        return;
    }
    // Innermost first: an outer loop can only return once the loops inside it have.
    for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
        if ((*it)->IsModal())
            (*it)->EndModal(wxID_CANCEL);
        else
            respondCancel(*it);
    }
}

int ModalDialogCloser::Enter(wxDialog* dialog) {
    if (m_closing)
        return wxID_CANCEL;
    m_open.push_back(dialog);
    return wxID_NONE;
}

void ModalDialogCloser::Exit(wxDialog* dialog) {
    const auto found = std::find(m_open.begin(), m_open.end(), dialog);
    if (found == m_open.end())
        return;
    m_open.erase(found);
    if (m_closing && m_open.empty())
        m_allClosed();
}

} // namespace quillmere
