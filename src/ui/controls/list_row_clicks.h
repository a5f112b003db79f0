#pragma once

#include <functional>

class wxListCtrl;

namespace quillmere {

// Calls clicked with the row a person clicks in list, or presses Enter on: every click counts, a
// second one on the row already selected too. Moving the selection with the arrow keys is not a click.
void bindRowClicks(wxListCtrl& list, std::function<void(long row)> clicked);

} // namespace quillmere
