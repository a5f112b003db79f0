#include "assets/asset_extraction.h"

#include "assets/asset_scrambling.h"
#include "core/unique_fd.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillmere {
namespace {

// The extracted files live in the user's own folder and stay private to them.
constexpr mode_t PrivateFileMode = 0600;

// Creates path afresh for writing, private to the user. Whatever was there before (a longer older
// copy, a read-only file, a link) is removed first rather than written into or through.
UniqueFd createPrivateFile(const std::string& path) {
    ::unlink(path.c_str());
    return UniqueFd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, PrivateFileMode));
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the whole file or, on failure, removes it, so that neither a short copy nor an older file
// that could not be replaced can pass for the asset.
void writeFileOrRemove(const std::string& path, std::span<const std::uint8_t> bytes) {
    UniqueFd fd = createPrivateFile(path);
    if (!fd.valid() || !writeAll(fd.get(), bytes.data(), bytes.size()) || fd.close() != 0)
        ::unlink(path.c_str());
}

[[noreturn]] void failExtraction(const char* message) {
    std::fputs(message, stdout);
    std::exit(1);
}

} // namespace

std::string usableAssetFileName(const std::string& name) {
    return name + (name == "Music" ? ".wav" : ".bmp");
}

int extractAssetFrom(AssetTable table, int id, const std::string& folder, const std::string& name) {
    const auto bytes = findAsset(table, id);
    if (!bytes)
        return 0;
    // A failed write leaves no ".ad" file; the unscrambling pass then reports it.
    writeFileOrRemove(folder + name + ".ad", *bytes);
    UnscrambleAsset(folder, name);
    return 1;
}

std::optional<std::vector<std::uint8_t>> unscrambledAssetFrom(AssetTable table, int id) {
    const auto stored = findAsset(table, id);
    if (!stored)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(stored->begin(), stored->end());
    unscrambleBytes(bytes);
    return bytes;
}

void UnscrambleAsset(const std::string& folder, const std::string& name) {
    const std::string inPath = folder + name + ".ad";
    const std::string outPath = folder + usableAssetFileName(name);

    UniqueFd in(::open(inPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        failExtraction("cannot open infile\n");
    UniqueFd out = createPrivateFile(outPath);
    if (!out.valid())
        failExtraction(" cannot open outfile\n");

    std::array<std::uint8_t, 65536> buffer;
    std::uint64_t n = 1;
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        const std::size_t size = static_cast<std::size_t>(got);
        unscrambleBytes(std::span(buffer.data(), size), n);
        n += size;
        if (!writeAll(out.get(), buffer.data(), size)) {
            error = errno;
            break;
        }
    }
    if (out.close() != 0 && error == 0)
        error = errno;
    if (error != 0) {
        // A truncated picture or sound must not reach its loader; without the file it is skipped.
        ::unlink(outPath.c_str());
        std::fprintf(stderr, "Quillmere: cannot write %s: %s\n", outPath.c_str(), std::strerror(error));
    }
}

} // namespace quillmere
