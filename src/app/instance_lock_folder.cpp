#include "app/instance_lock_folder.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {

namespace {

bool isUsableRuntimeFolder(const char* runtimeDir) {
    if (runtimeDir == nullptr || runtimeDir[0] != '/') {
        return false;
    }
    struct stat info {};
    return ::stat(runtimeDir, &info) == 0 && S_ISDIR(info.st_mode);
}

// A shared temporary folder is open to everyone, so the private folder there must be checked before
// use: another user could have made it first, or put a link in its place.
bool isPrivateFolder(const std::filesystem::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace

std::optional<std::filesystem::path> instanceLockFolder(const char* runtimeDir,
                                                        const std::filesystem::path& tempFolder) {
    if (isUsableRuntimeFolder(runtimeDir)) {
        return std::filesystem::path(runtimeDir);
    }
    const std::filesystem::path folder = tempFolder / ("quillmere-" + std::to_string(::getuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    if (!isPrivateFolder(folder)) {
        return std::nullopt;
    }
    return folder;
}

std::optional<std::filesystem::path> instanceLockFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    const std::filesystem::path temp = (tmpdir != nullptr && tmpdir[0] == '/') ? tmpdir : "/tmp";
    return instanceLockFolder(std::getenv("XDG_RUNTIME_DIR"), temp);
}

} // namespace quillmere
