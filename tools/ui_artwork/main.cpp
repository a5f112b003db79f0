// quillmere-ui-artwork FOLDER: paints the menu's and the dialogs' pictures and the program's icon and
// writes them as PNG data with the source that compiles them into the program.
// quillmere-ui-artwork --icons FOLDER: writes the program's icon as FOLDER/hicolor/NxN/apps/quillmere.png
// and FOLDER/hicolor/scalable/apps/quillmere.svg for the desktop.
// quillmere-ui-artwork --pngs FOLDER: writes every picture as ID@SCALEx.png, for looking at them.
#include "artwork_set.h"
#include "embed_source.h"
#include "png_encoder.h"
#include "program_icon.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quillmere::uiart {
namespace {

std::vector<EncodedPicture> encoded(const std::vector<ArtworkPicture>& pictures) {
    std::vector<EncodedPicture> out;
    for (const ArtworkPicture& picture : pictures)
        out.push_back({picture.id, picture.scale, encodePng(picture.picture)});
    return out;
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void writeIconTheme(const std::filesystem::path& folder) {
    for (const EncodedPicture& icon : encoded(makeProgramIcons())) {
        const std::string size = std::to_string(icon.id);
        writeBytes(folder / "hicolor" / (size + "x" + size) / "apps" / "quillmere.png", icon.png);
    }
    const std::string svg = makeProgramIconSvg();
    writeBytes(folder / "hicolor" / "scalable" / "apps" / "quillmere.svg", {svg.begin(), svg.end()});
}

void writeLooseFiles(const std::filesystem::path& folder) {
    for (const EncodedPicture& picture : encoded(makeUiArtwork()))
        writeBytes(folder / (std::to_string(picture.id) + "@" + std::to_string(picture.scale) + "x.png"),
                   picture.png);
    for (const EncodedPicture& icon : encoded(makeProgramIcons()))
        writeBytes(folder / ("quillmere-" + std::to_string(icon.id) + ".png"), icon.png);
}

} // namespace
} // namespace quillmere::uiart

int main(int argc, char** argv) {
    using namespace quillmere::uiart;
    const std::string option = argc == 3 ? argv[1] : "";
    if (argc != 2 && option != "--icons" && option != "--pngs") {
        std::fprintf(stderr, "usage: %s FOLDER\n       %s --icons FOLDER\n       %s --pngs FOLDER\n", argv[0],
                     argv[0], argv[0]);
        return 2;
    }
    try {
        if (option == "--icons")
            writeIconTheme(argv[2]);
        else if (option == "--pngs")
            writeLooseFiles(argv[2]);
        else
            writeEmbeddedArtwork(argv[1], encoded(makeUiArtwork()), encoded(makeProgramIcons()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillmere-ui-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
