#pragma once

#include <ostream>
#include <string>

namespace tidemark::chromium {

// `Tidemark --inspect ADDRESS`: opens the address (redirected as the program's
// own navigation is) in a headless Chromium of its own, prints the page's
// control view to `out`, and for a measurement service's address which of its
// landmarks the view shows. 0 when the page loaded; 1 with a message on `err`
// when it did not or there is no browser.
int InspectPage(const std::string& address, std::ostream& out, std::ostream& err);

}  // namespace tidemark::chromium
