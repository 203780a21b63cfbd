#pragma once

// The fixture of the site tests: the simulated Edge with the driven tab's
// browser context, and the line the simulated pages measure.

#include "browser/edge_test.h"
#include "sim/sim_line_model.h"
#include "sites/site_page.h"
#include "sites/site_table.h"

namespace tidemark::test {

class SiteTest : public EdgeTest {
protected:
    // Opens `site` through OpenSitePage, as a run does: in a new Edge window
    // when the held one does not answer.
    bool Open(const Site& site) {
        return OpenSitePage(context, window, browserView, tab, document, std::string(site.address),
                            std::string(site.title), openTimedOut);
    }

    sim::LineModel line;
    bool openTimedOut = false;  // the last Open's time-out flag
};

}  // namespace tidemark::test
