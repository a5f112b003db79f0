#pragma once

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

#include <memory>

struct _XDisplay;

namespace quillmere::test {

// Reads what the X server shows, through a connection of its own, so it sees exactly what a person would.
class ScreenPixels {
public:
    ScreenPixels();
    ~ScreenPixels();
    ScreenPixels(const ScreenPixels&) = delete;
    ScreenPixels& operator=(const ScreenPixels&) = delete;

    bool ok() const { return m_display != nullptr; }
    // The screen's rect (root window coordinates) as an image.
    wxImage grab(const wxRect& rect) const;
    wxColour at(wxPoint point) const;

private:
    _XDisplay* m_display = nullptr;
};

} // namespace quillmere::test
