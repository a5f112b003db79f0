#include "app/private_scratch_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

namespace quillmere {

std::optional<PrivateScratchFolder> PrivateScratchFolder::create() {
    const char* tmpdir = std::getenv("TMPDIR");
    const std::filesystem::path base = (tmpdir != nullptr && tmpdir[0] == '/') ? tmpdir : "/tmp";
    // mkdtemp makes the folder with mode 0700 under a name no one could have prepared.
    std::string name = (base / "quillmere-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr)
        return std::nullopt;
    return PrivateScratchFolder(std::move(name));
}

PrivateScratchFolder::PrivateScratchFolder(PrivateScratchFolder&& other) noexcept
    : m_path(std::exchange(other.m_path, {})) {}

PrivateScratchFolder& PrivateScratchFolder::operator=(PrivateScratchFolder&& other) noexcept {
    if (this != &other) {
        remove();
        m_path = std::exchange(other.m_path, {});
    }
    return *this;
}

void PrivateScratchFolder::remove() {
    if (m_path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
    m_path.clear();
}

} // namespace quillmere
