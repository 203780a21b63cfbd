#pragma once

// What the site tests look for on the three measurement pages, in one place:
// the tests find them, and the page inspector tells which a page shows.

namespace tidemark::landmarks {

namespace fast {
// The first Group child of the document; it carries this class once the measurement is done.
inline constexpr const char* kFinishedIndicatorClass = "speed-progress-indicator circle succeeded";
// A Button child of the document; ends with the icon font's private-use U+E313.
inline constexpr const char* kLanguageButton = "日本語 \xEE\x8C\x93";
// The button's next sibling; the figure and the unit follow it.
inline constexpr const char* kSpeedLabel = "お使いのインターネットの速度:";
}  // namespace fast

namespace usen {
// Hyperlink children of the document.
inline constexpr const char* kStartLink = "測定開始";
inline constexpr const char* kStartClass = "btn btn-start";
inline constexpr const char* kAbortLink = "測定中断";
inline constexpr const char* kAbortClass = "btn btn-abort";
// Text children of the document, each followed by integer part, fraction part
// and unit (ping and jitter may lack the fraction part).
inline constexpr const char* kDownloadLabel = "DOWNLOAD";
inline constexpr const char* kUploadLabel = "UPLOAD";
inline constexpr const char* kPingLabel = "PING";
inline constexpr const char* kJitterLabel = "JITTER";
}  // namespace usen

namespace speed {
// A Group anywhere under the document, by id; the rest hangs under it.
inline constexpr const char* kContainerId = "container";
// Group children, by class: the main content of the container, and the current server in it.
inline constexpr const char* kMainContentClass = "main-content";
inline constexpr const char* kCurrentServerClass = "server-current";
// The current server's first Text until a server is chosen.
inline constexpr const char* kFindingServer = "Finding optimal server...";
// A Button anywhere under the container.
inline constexpr const char* kStartButton = "start speed test - connection type multi";
inline constexpr const char* kStartClass = "js-start-test test-mode-multi";
// An Image child of the main content while measuring.
inline constexpr const char* kGaugeClass = "gauge-speed-text";
// Group children of the block after the main content's List, each holding a
// Text label followed by the unit and the figure.
inline constexpr const char* kDownloadItemClass =
    "result-item result-item-first-class result-item-download updated test-mode-multi";
inline constexpr const char* kDownloadLabel = " DOWNLOAD ";
inline constexpr const char* kUploadItemClass =
    "result-item result-item-first-class result-item-upload updated test-mode-multi";
inline constexpr const char* kUploadLabel = " UPLOAD ";
// The ping label's item has the unit two steps after the label; the figure is
// the first Text of the updated item.
inline constexpr const char* kLatencyItemClass = "result-item result-item-latency result-data-latency-item";
inline constexpr const char* kPingLabel = "Ping";
inline constexpr const char* kUpdatedLatencyItemClass =
    "result-item result-item-latency result-data-latency-item updated";
}  // namespace speed

}  // namespace tidemark::landmarks
