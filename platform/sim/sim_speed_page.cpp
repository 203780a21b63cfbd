#include "sim/sim_speed_page.h"

#include "common/machine_number.h"

namespace tidemark::sim {

namespace {
namespace control = uia::control;

constexpr const char* kDownloadUpdated =
    "result-item result-item-first-class result-item-download updated test-mode-multi";
constexpr const char* kDownloadPlain = "result-item result-item-first-class result-item-download test-mode-multi";
constexpr const char* kUploadUpdated = "result-item result-item-first-class result-item-upload updated test-mode-multi";
constexpr const char* kLatency = "result-item result-item-latency result-data-latency-item";
constexpr const char* kLatencyUpdated = "result-item result-item-latency result-data-latency-item updated";

std::string Speed(double mbps) { return FixedText(mbps, 2); }
// Whole milliseconds, with one decimal below ten.
std::string Ping(double ms) { return FixedText(ms, ms >= 10 ? 0 : 1); }

bool StillShowing(const std::weak_ptr<EdgePage>& page) {
    const auto loaded = page.lock();
    return loaded && loaded->Showing();
}

void Later(Desktop& desktop, double ms, const std::weak_ptr<EdgePage>& page, std::function<void()> change) {
    if (ms == kForever) return;
    desktop.After(ms, [page, change = std::move(change)] {
        if (StillShowing(page)) change();
    });
}

void RemoveIfShown(const std::weak_ptr<Node>& weak) {
    if (const NodePtr node = weak.lock(); node && !node->removed()) node->Remove();
}

// An item of the results block: icon, label, unit, figure.
void AddSpeedItem(const NodePtr& block, const char* itemClass, const char* label, const std::string& figure) {
    const NodePtr item = block->Add({.controlType = control::Group, .className = itemClass});
    item->Add({.controlType = control::Image, .className = "svg-icon"});
    item->Add({.name = label, .controlType = control::Text, .className = "result-label"});
    item->Add({.name = "Mbps", .controlType = control::Text, .className = "result-data-unit"});
    item->Add(
        {.name = figure, .controlType = control::Text, .className = "result-data-large number result-data-value"});
}
}  // namespace

// What one loaded page shows. Held by the start button and by the page's
// scheduled changes; it holds the nodes weakly, as they hold the button.
struct SpeedPage::Shown {
    std::weak_ptr<EdgePage> page;
    Settings settings;
    std::weak_ptr<Node> mainContent;
    std::weak_ptr<Node> gauge, list, block;
    int measurement = 0;  // the latest started
    int finished = 0;     // the latest ended
};

void SpeedPage::Register(SimEdge& edge) {
    edge.RegisterPage(kAddress, [this](const EdgePagePtr& page) { Build(page); });
}

void SpeedPage::Build(const EdgePagePtr& page) {
    auto shown = std::make_shared<Shown>();
    shown->page = page;
    shown->settings = settings;  // a page keeps what it was loaded with
    const Settings& loaded = shown->settings;
    Desktop& desktop = page->desktop;

    if (loaded.titleDelayMs <= 0)
        page->SetTitle(loaded.title);
    else
        Later(desktop, loaded.titleDelayMs, page, [weakPage = std::weak_ptr<EdgePage>(page), title = loaded.title] {
            if (const auto showing = weakPage.lock()) showing->SetTitle(title);
        });

    const NodePtr& document = page->document;
    document->Add({.controlType = control::Group, .className = "header"})
        ->Add({.name = "Speedtest", .controlType = control::Hyperlink, .className = "header-logo", .invoke = true});
    const NodePtr container =
        document->Add({.controlType = control::Group, .className = "main-view"})
            ->Add({.controlType = control::Group, .automationId = "container", .className = "container"});
    const NodePtr mainContent = container->Add({.controlType = control::Group, .className = "main-content"});
    shown->mainContent = mainContent;

    if (loaded.currentServerShown) {
        const NodePtr server = mainContent->Add({.controlType = control::Group, .className = "server-current"});
        const NodePtr serverText =
            server->Add({.name = kFindingServer, .controlType = control::Text, .className = "hostUrl"});
        server->Add({.name = "Change Server", .controlType = control::Hyperlink, .invoke = true});
        Later(desktop, loaded.serverChoiceMs, page, [serverText, name = loaded.server] { serverText->name = name; });
    }

    const NodePtr start = mainContent->Add({.controlType = control::Group, .className = "start-button"})
                              ->Add({.name = "start speed test - connection type multi",
                                     .controlType = control::Button,
                                     .className = "js-start-test test-mode-multi",
                                     .invoke = loaded.startInvokable});
    start->onInvoke = [this, shown](Node&) { StartMeasurement(shown); };
    document->Add({.name = "About", .controlType = control::Hyperlink, .invoke = true});
}

void SpeedPage::StartMeasurement(const std::shared_ptr<Shown>& shown) {
    const auto page = shown->page.lock();
    const NodePtr mainContent = shown->mainContent.lock();
    if (!page || !page->Showing() || !mainContent || mainContent->removed()) return;
    ++measurements_;
    lastPressMs_ = page->desktop.NowMs();
    const LineFigures figures = line_.Measure();
    const int measurement = ++shown->measurement;
    // A new measurement clears the gauge and the results of the one before.
    RemoveIfShown(shown->gauge);
    RemoveIfShown(shown->list);
    RemoveIfShown(shown->block);

    const Settings& loaded = shown->settings;
    Desktop& desktop = page->desktop;
    Later(desktop, loaded.gaugeDelayMs, page, [shown, measurement, mainContent] {
        if (shown->measurement != measurement || shown->finished == measurement) return;
        shown->gauge = mainContent->Add({.controlType = control::Image, .className = "gauge-speed-text"});
    });
    Later(desktop, loaded.measureMs, page, [shown, measurement, mainContent, figures] {
        if (shown->measurement != measurement) return;
        shown->finished = measurement;
        RemoveIfShown(shown->gauge);
        const Settings& s = shown->settings;
        const NodePtr list = mainContent->Add({.controlType = control::List, .className = "result-data-list"});
        list->Add({.name = "Multi", .controlType = uia::control::ListItem});
        const NodePtr block = mainContent->Add({.controlType = control::Group, .className = "result-container-data"});
        AddSpeedItem(block, s.downloadUpdated ? kDownloadUpdated : kDownloadPlain, " DOWNLOAD ",
                     Speed(figures.downloadMbps));
        AddSpeedItem(block, kUploadUpdated, " UPLOAD ", Speed(figures.uploadMbps));
        const NodePtr latency = block->Add({.controlType = control::Group, .className = kLatency});
        latency->Add({.name = "Ping", .controlType = control::Text, .className = "result-label"});
        latency->Add({.controlType = control::Image, .className = "svg-icon"});
        latency->Add({.name = "ms", .controlType = control::Text, .className = "result-data-unit"});
        const NodePtr updated = block->Add({.controlType = control::Group, .className = kLatencyUpdated});
        updated->Add({.controlType = control::Image, .className = "svg-icon"});
        updated->Add({.name = s.shownPing.empty() ? Ping(figures.pingMs) : s.shownPing,
                      .controlType = control::Text,
                      .className = "result-data-value ping-speed"});
        updated->Add({.name = "ms", .controlType = control::Text, .className = "result-data-unit"});
        shown->list = list;
        shown->block = block;
    });
    Later(desktop, loaded.replacedAfterMs, page, [weakPage = std::weak_ptr<EdgePage>(page)] {
        if (const auto showing = weakPage.lock()) showing->ReplaceDocument("about:blank");
    });
}

}  // namespace tidemark::sim
