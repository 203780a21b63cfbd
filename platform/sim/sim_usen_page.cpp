#include "sim/sim_usen_page.h"

#include <algorithm>

#include "common/machine_number.h"

namespace tidemark::sim {

namespace {
namespace control = uia::control;

struct Parts {
    std::string integer;
    std::string fraction;  // with its full stop
};

Parts Split(double value, int decimals) {
    const std::string shown = FixedText(value, decimals);
    const std::size_t stop = shown.find('.');
    return {shown.substr(0, stop), shown.substr(stop)};
}
}  // namespace

// One loaded page: what it was loaded with and what its current measurement shows.
struct UsenPage::Loaded {
    std::weak_ptr<EdgePage> page;
    Settings settings;
    NodePtr footer;                 // abort link and figures go before it
    std::vector<NodePtr> measured;  // the abort link, or the figures
    NodePtr abortLink;
    int measurement = 0;

    // The page still shows and `number` is still its measurement.
    EdgePagePtr Current(int number) const {
        EdgePagePtr shown = page.lock();
        return shown && shown->Showing() && number == measurement ? shown : nullptr;
    }

    NodePtr AddBeforeFooter(const EdgePagePtr& shown, NodeSpec spec) {
        const auto& children = shown->document->children();
        const auto at = std::find(children.begin(), children.end(), footer);
        NodePtr added = shown->document->Insert(static_cast<std::size_t>(at - children.begin()), std::move(spec));
        measured.push_back(added);
        return added;
    }

    void ClearMeasured() {
        for (const NodePtr& node : measured)
            if (!node->removed()) node->Remove();
        measured.clear();
        abortLink.reset();
    }
};

void UsenPage::Register(SimEdge& edge) {
    edge.RegisterPage(kAddress, [this](const EdgePagePtr& page) { Build(page); });
}

void UsenPage::Build(const EdgePagePtr& page) {
    auto loaded = std::make_shared<Loaded>();
    loaded->page = page;
    loaded->settings = settings;  // a page keeps what it was loaded with
    const Settings& shown = loaded->settings;
    const std::weak_ptr<EdgePage> weakPage = page;
    if (shown.titleDelayMs <= 0) {
        page->SetTitle(shown.title);
    } else {
        page->desktop.After(shown.titleDelayMs, [weakPage, title = shown.title] {
            if (const auto later = weakPage.lock()) later->SetTitle(title);
        });
    }

    const NodePtr& document = page->document;
    document->Add({.name = "USEN GATE 02", .controlType = control::Hyperlink, .className = "logo", .invoke = true});
    document->Add({.name = "インターネット回線スピードテスト", .controlType = control::Text});
    const NodePtr start = document->Add({.name = "測定開始",
                                         .controlType = control::Hyperlink,
                                         .className = "btn btn-start",
                                         .enabled = shown.startEnabled,
                                         .invoke = shown.startInvokable});
    loaded->footer = document->Add({.name = "※測定結果は目安です。", .controlType = control::Text});
    // The link holds its page's state; the state holds no node that leads back to the link.
    start->onInvoke = [this, loaded](Node&) { Press(loaded); };
}

void UsenPage::Press(const std::shared_ptr<Loaded>& loaded) {
    const EdgePagePtr page = loaded->page.lock();
    if (!page || !page->Showing()) return;
    ++presses_;
    lastPressMs_ = page->desktop.NowMs();
    loaded->ClearMeasured();
    const int number = ++loaded->measurement;
    const Settings& shown = loaded->settings;
    const LineFigures figures = line_.Measure();
    const std::weak_ptr<Loaded> weakLoaded = loaded;
    Desktop& desktop = page->desktop;

    if (shown.abortLinkDelayMs != kForever) {
        desktop.After(shown.abortLinkDelayMs, [weakLoaded, number] {
            const auto state = weakLoaded.lock();
            if (!state) return;
            const EdgePagePtr current = state->Current(number);
            if (!current || state->abortLink || !state->measured.empty()) return;
            state->abortLink = state->AddBeforeFooter(
                current,
                {.name = "測定中断", .controlType = control::Hyperlink, .className = "btn btn-abort", .invoke = true});
        });
    }
    if (!shown.neverFinishes) {
        desktop.After(shown.measureMs, [this, weakLoaded, number, figures] {
            const auto state = weakLoaded.lock();
            if (state && state->Current(number)) Finish(*state, figures);
        });
    }
    if (shown.replacedAfterMs != kForever) {
        desktop.After(shown.replacedAfterMs, [weakLoaded, number] {
            const auto state = weakLoaded.lock();
            if (!state) return;
            if (const EdgePagePtr current = state->Current(number)) current->ReplaceDocument("about:blank");
        });
    }
}

void UsenPage::Finish(Loaded& loaded, const LineFigures& figures) {
    const EdgePagePtr page = loaded.page.lock();
    loaded.ClearMeasured();
    ++measurements_;
    const Settings& shown = loaded.settings;
    struct Row {
        Figure figure;
        Parts parts;
        const char* unit;
    };
    const Row rows[] = {{Figure::Download, Split(figures.downloadMbps, 2), "Mbps"},
                        {Figure::Upload, Split(figures.uploadMbps, 2), "Mbps"},
                        {Figure::Ping, Split(figures.pingMs, 1), "ms"},
                        {Figure::Jitter, Split(figures.jitterMs, 1), "ms"}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        Parts parts = row.figure == shown.dashed ? Parts{"--", ""} : row.parts;
        loaded.AddBeforeFooter(page, {.name = shown.labels.at(i), .controlType = control::Text, .className = "label"});
        loaded.AddBeforeFooter(page, {.name = parts.integer, .controlType = control::Text, .className = "num"});
        if (shown.withoutFraction.count(row.figure) == 0)
            loaded.AddBeforeFooter(page,
                                   {.name = parts.fraction, .controlType = control::Text, .className = "num dec"});
        loaded.AddBeforeFooter(page, {.name = row.unit, .controlType = control::Text, .className = "unit"});
    }
}

}  // namespace tidemark::sim
