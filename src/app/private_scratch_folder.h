#pragma once

#include <filesystem>
#include <optional>

namespace quillmere {

// A fresh folder only this user can enter, made under $TMPDIR (or /tmp) with an unguessable name and
// removed when this object goes. The embedded pictures are extracted there for the moment they take to
// load when no home folder can be found; settings are never kept in it.
class PrivateScratchFolder {
public:
    // Nothing when the folder cannot be made.
    static std::optional<PrivateScratchFolder> create();

    PrivateScratchFolder(const PrivateScratchFolder&) = delete;
    PrivateScratchFolder& operator=(const PrivateScratchFolder&) = delete;
    PrivateScratchFolder(PrivateScratchFolder&& other) noexcept;
    PrivateScratchFolder& operator=(PrivateScratchFolder&& other) noexcept;
    ~PrivateScratchFolder() { remove(); }

    const std::filesystem::path& path() const { return m_path; }

private:
    explicit PrivateScratchFolder(std::filesystem::path path) : m_path(std::move(path)) {}
    void remove();

    std::filesystem::path m_path;
};

} // namespace quillmere
