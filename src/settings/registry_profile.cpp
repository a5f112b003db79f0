#include "settings/registry_profile.h"

#include <wx/fileconf.h>

namespace quillmere {

int readProfileVolume(const std::filesystem::path& folder) {
    const wxString file = wxString::FromUTF8((folder / "Quillmere.conf").string());
    wxFileConfig profile("Quillmere", "Local AppWizard-Generated Applications", file, wxEmptyString,
                         wxCONFIG_USE_LOCAL_FILE);
    long volume = 1000;
    profile.Read("/Settings/Volume", &volume, 1000L);
    return static_cast<int>(volume);
}

} // namespace quillmere
