#include "sim/sim_fast_page.h"

#include "common/machine_number.h"

namespace tidemark::sim {

namespace {
namespace control = uia::control;

std::string Figure(double mbps) {
    // FAST shows whole numbers from 10 up and one decimal below.
    return FixedText(mbps, mbps >= 10 ? 0 : 1);
}
}  // namespace

void FastPage::Register(SimEdge& edge) {
    edge.RegisterPage(kAddress, [this](const EdgePagePtr& page) { Build(page); });
}

void FastPage::Build(const EdgePagePtr& page) {
    ++measurements_;
    const Settings shown = settings;  // a page keeps what it was loaded with
    const std::weak_ptr<EdgePage> weakPage = page;
    Desktop& desktop = page->desktop;
    if (shown.titleDelayMs <= 0) {
        page->SetTitle(shown.title);
    } else {
        desktop.After(shown.titleDelayMs, [weakPage, title = shown.title] {
            if (const auto loaded = weakPage.lock()) loaded->SetTitle(title);
        });
    }

    const NodePtr& document = page->document;
    document->Add({.name = "FAST", .controlType = control::Hyperlink, .className = "logo", .invoke = true});
    const NodePtr indicator =
        document->Add({.controlType = control::Group, .className = "speed-progress-indicator circle"});
    document->Add({.name = "日本語 \xEE\x8C\x93",
                   .controlType = control::Button,
                   .className = "language-picker",
                   .invoke = true});
    document->Add({.name = shown.speedLabel, .controlType = control::Text});
    const NodePtr figure =
        document->Add({.name = "0", .controlType = control::Text, .className = "speed-results-container"});
    document->Add({.name = shown.unit, .controlType = control::Text, .className = "speed-units-container"});
    document->Add({.name = "詳細を表示", .controlType = control::Hyperlink, .invoke = true});

    const double mbps = line_.Measure().downloadMbps;
    const std::string result = shown.shownFigure ? *shown.shownFigure : Figure(mbps);
    // The figure climbs while it measures; the last reading is the result.
    for (int step = 1; step <= 4; ++step) {
        desktop.After(shown.measureMs * step / 5, [weakPage, figure, reading = Figure(mbps * step / 5)] {
            if (weakPage.lock()) figure->name = reading;
        });
    }
    if (!shown.neverFinishes) {
        desktop.After(shown.measureMs, [weakPage, indicator, figure, result] {
            if (!weakPage.lock()) return;
            figure->name = result;
            indicator->className = "speed-progress-indicator circle succeeded";
        });
    }
    if (shown.replacedAfterMs != kForever) {
        desktop.After(shown.replacedAfterMs, [weakPage] {
            if (const auto loaded = weakPage.lock(); loaded && loaded->Showing())
                loaded->ReplaceDocument("about:blank");
        });
    }
}

}  // namespace tidemark::sim
