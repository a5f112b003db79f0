#include "render/outline_font.h"

#include "render/font_lookup.h"

#include <FTGL/ftgl.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace quillmere {

namespace {

// Outlines are read at this size and scaled down to one unit to the em; a large size keeps the
// font's hinting from bending the shapes.
constexpr unsigned int FaceSize = 64;

// The glyph of one character code at the current position, then a move by its advance.
void compileGlyph(FTFont& font, GLuint list, wchar_t code) {
    constexpr float Scale = 1.0f / static_cast<float>(FaceSize);
    const wchar_t text[2] = {code, L'\0'};
    glNewList(list, GL_COMPILE);
    if (code != L'\0' && code != 255) {
        glPushMatrix();
        glScalef(Scale, Scale, Scale);
        font.Render(text, 1);
        glPopMatrix();
        glTranslatef(font.Advance(text, 1) * Scale, 0.0f, 0.0f);
    }
    glEndList();
}

} // namespace

std::optional<OutlineFont> OutlineFont::fromFile(const std::string& fontFile) {
    FTExtrudeFont font(fontFile.c_str());
    if (font.Error() != 0 || !font.FaceSize(FaceSize))
        return std::nullopt;
    font.Depth(Depth * static_cast<float>(FaceSize));
    // The glyphs go straight into our lists; FTGL's own lists would be nested inside ours.
    font.UseDisplayList(false);

    DisplayLists lists = DisplayLists::generate(ListCount);
    if (!lists)
        return std::nullopt;
    for (int code = 0; code < ListCount; ++code) {
        compileGlyph(font, lists.base() + static_cast<GLuint>(code), static_cast<wchar_t>(code));
        // Setting the size again empties FTGL's glyph cache, which would otherwise hold every glyph's
        // outline and tessellated mesh (some 25 MB for all 256) until the font goes; the list already
        // holds what is drawn.
        if (!font.FaceSize(FaceSize))
            return std::nullopt;
    }
    return OutlineFont(std::move(lists));
}

void OutlineFont::DrawText3D(const char* format, ...) const {
    if (format == nullptr)
        return;
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (written <= 0)
        return;

    glPushAttrib(GL_LIST_BIT);
    glListBase(m_lists.base());
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}

std::optional<OutlineFont> CreateOutlineFont() {
    const std::optional<std::string> file = findFontFile(HelpTextFontPattern);
    std::optional<OutlineFont> font = file ? OutlineFont::fromFile(*file) : std::nullopt;
    if (!font) {
        std::fprintf(stderr, "Quillmere: no usable bold sans font (\"%s\"); running without the help text\n",
                     HelpTextFontPattern);
    }
    return font;
}

} // namespace quillmere
