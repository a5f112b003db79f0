#include "ui/controls/wrapped_text.h"

#include <wx/textwrapper.h>

namespace quillmere {

namespace {

class LineCollector : public wxTextWrapper {
public:
    wxString lines;

protected:
    void OnOutputLine(const wxString& line) override { lines += line; }
    void OnNewLine() override { lines += '\n'; }
};

} // namespace

wxString wrapText(const wxWindow& window, const wxString& text, int width) {
    LineCollector collector;
    // Wrap only measures text with the window; it does not change it.
    collector.Wrap(const_cast<wxWindow*>(&window), text, width);
    return collector.lines;
}

} // namespace quillmere
