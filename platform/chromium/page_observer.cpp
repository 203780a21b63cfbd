#include "chromium/page_observer.h"

namespace tidemark::chromium {

using nlohmann::json;

namespace {

// Only contexts of this name get the binding; the page's own world never has it.
constexpr const char* kWorldName = "tidemark";
constexpr const char* kBinding = "tidemarkPageChanged";

// Returns the watcher's token. The listeners are for what changes the page's
// accessibility tree without changing its DOM: a typed value, a media query
// after a resize, an animation or transition that ends showing or hiding.
// Open shadow roots are watched as they come in with inserted nodes or as
// their host changes; a closed one cannot be seen from any world.
// Between two takes it also notes which elements had only their texts
// changed (a figure counting up), so that a reading can be of that element
// alone; any other change, or more than one element, leaves the reading whole.
constexpr const char* kWatcher = R"((() => {
    const send = globalThis.tidemarkPageChanged;
    if (typeof send !== 'function') throw new Error('no binding in this world');
    if (globalThis.tidemarkArm) return globalThis.tidemarkArm();
    const token = Math.random().toString(36).slice(2) + performance.timeOrigin.toString(36);
    let armed = true;
    let textChanged = new Set();
    let unsure = false;
    const changed = () => {
        if (!armed) return;
        armed = false;
        send('changed');
    };
    const isText = node => node.nodeType === Node.TEXT_NODE;
    const note = record => {
        const target = record.target;
        const element = record.type === 'characterData' ? target.parentNode : target;
        const textsOnly = record.type === 'characterData' ||
            (record.type === 'childList' && [...record.addedNodes].every(isText) && [...record.removedNodes].every(isText));
        if (textsOnly && element && element.nodeType === Node.ELEMENT_NODE) textChanged.add(element);
        else unsure = true;
    };
    const options = { subtree: true, childList: true, attributes: true, characterData: true };
    const watched = new WeakSet();
    const take = records => {
        for (const record of records) {
            watchRoot(record.target);
            for (const node of record.addedNodes) watchTree(node);
            note(record);
        }
    };
    const observer = new MutationObserver(records => {
        take(records);
        changed();
    });
    const watchRoot = node => {
        const root = node.shadowRoot;
        if (!root || watched.has(root)) return;
        watched.add(root);
        observer.observe(root, options);
        watchTree(root);
    };
    const watchTree = node => {
        if (node.nodeType !== Node.ELEMENT_NODE && node.nodeType !== Node.DOCUMENT_FRAGMENT_NODE &&
            node.nodeType !== Node.DOCUMENT_NODE) return;
        const walker = document.createTreeWalker(node, NodeFilter.SHOW_ELEMENT);
        for (let element = walker.currentNode; element; element = walker.nextNode()) watchRoot(element);
    };
    observer.observe(document, options);
    watchTree(document);
    const moved = () => {
        unsure = true;
        send('window');
    };
    addEventListener('resize', moved);
    document.addEventListener('visibilitychange', moved);
    const shownOtherwise = () => {
        unsure = true;
        changed();
    };
    for (const type of ['input', 'change', 'animationend', 'transitionend'])
        addEventListener(type, shownOtherwise, { capture: true, passive: true });
    globalThis.tidemarkArm = () => {
        observer.takeRecords();
        textChanged = new Set();
        unsure = false;
        armed = true;
        return token;
    };
    // The one element whose texts alone changed since the last take, or the token when the page is to be read whole.
    globalThis.tidemarkTake = expected => {
        if (expected !== token) return undefined;
        armed = false;
        take(observer.takeRecords());
        const [element, ...others] = textChanged;
        const alone = !unsure && element !== undefined && others.length === 0 && element.isConnected &&
            element.getRootNode() === document;
        textChanged = new Set();
        unsure = false;
        armed = true;
        return alone ? element : token;
    };
    return token;
})())";

std::string StringValue(const json& reply) {
    if (reply.contains("exceptionDetails")) return {};
    const auto result = reply.find("result");
    if (result == reply.end() || !result->is_object()) return {};
    const auto value = result->find("value");
    return value != result->end() && value->is_string() ? value->get<std::string>() : std::string();
}

// Runtime reports every context and console message while enabled; it is on
// only while `install` runs, which is when a context of our name takes the binding.
// Turned off again after a protocol error too, but not after a time-out or a broken
// pipe: that browser is ended, and a second call to it would only wait as long again.
template <class Install>
std::optional<ObservedWorld> WithRuntime(DevToolsPipe& devtools, const std::string& sessionId, Install&& install) {
    devtools.Call("Runtime.enable", json::object(), sessionId);
    const auto disable = [&] {
        try {
            devtools.Call("Runtime.disable", json::object(), sessionId);
        } catch (const PlatformError&) {
            // A browser gone or hung is noticed by the next call.
        }
    };
    std::optional<ObservedWorld> world;
    try {
        world = install();
    } catch (const PlatformError& error) {
        if (error.code() != kTimeout && error.code() != kBrokenPipe) disable();
        throw;
    } catch (const json::exception&) {
        disable();
        throw;
    }
    disable();
    return world;
}

}  // namespace

void FollowPageEvents(DevToolsPipe& devtools, const std::string& sessionId) {
    devtools.Call("Page.enable", json::object(), sessionId);
}

std::optional<ObservedWorld> InstallObserver(DevToolsPipe& devtools, const std::string& sessionId,
                                             std::string& triedDocument) {
    try {
        const json frames = devtools.Call("Page.getFrameTree", json::object(), sessionId);
        const json& frame = frames.at("frameTree").at("frame");
        const auto frameId = frame.at("id").get<std::string>();
        const std::string document = frame.value("loaderId", "");
        // A world made is not taken away: one per document, whether its watcher took or not.
        if (!document.empty() && document == triedDocument) return std::nullopt;
        triedDocument = document;
        return WithRuntime(devtools, sessionId, [&]() -> std::optional<ObservedWorld> {
            devtools.Call("Runtime.addBinding", {{"name", kBinding}, {"executionContextName", kWorldName}}, sessionId);
            const json world =
                devtools.Call("Page.createIsolatedWorld", {{"frameId", frameId}, {"worldName", kWorldName}}, sessionId);
            ObservedWorld observed{.contextId = world.at("executionContextId").get<std::int64_t>(), .token = {}};
            observed.token = StringValue(devtools.Call(
                "Runtime.evaluate",
                {{"expression", kWatcher}, {"contextId", observed.contextId}, {"returnByValue", true}}, sessionId));
            if (observed.token.empty()) return std::nullopt;
            return observed;
        });
    } catch (const json::exception&) {
        return std::nullopt;
    } catch (const PlatformError& error) {
        // A protocol error: the frame or its document went meanwhile.
        if (error.code() == kEFail) return std::nullopt;
        throw;
    }
}

WatcherTake TakeAndArm(DevToolsPipe& devtools, const std::string& sessionId, ObservedWorld& world) {
    // The elements handed out are held for us by the world until released; once in a while they are.
    constexpr int kTakesPerRelease = 100;
    try {
        if (++world.takes % kTakesPerRelease == 0)
            devtools.Call("Runtime.releaseObjectGroup", {{"objectGroup", kWorldName}}, sessionId);
        const json reply = devtools.Call("Runtime.evaluate",
                                         {{"expression", "globalThis.tidemarkTake?.(" + json(world.token).dump() + ")"},
                                          {"contextId", world.contextId},
                                          {"objectGroup", kWorldName}},
                                         sessionId);
        if (reply.contains("exceptionDetails")) return {};
        const json& result = reply.at("result");
        if (result.value("type", "") == "string" && result.value("value", "") == world.token)
            return {.armed = true, .changedElement = std::nullopt};
        if (result.value("subtype", "") == "node" && result.contains("objectId"))
            return {.armed = true, .changedElement = result.at("objectId").get<std::string>()};
        return {};
    } catch (const json::exception&) {
        return {};
    } catch (const PlatformError& error) {
        if (error.code() == kEFail) return {};  // no such context any more
        throw;
    }
}

PageNews ReadPageNews(const json& event, const std::string& sessionId) {
    if (!event.is_object() || event.value("sessionId", "") != sessionId) return PageNews::None;
    const std::string method = event.value("method", "");
    const json empty = json::object();
    const auto found = event.find("params");
    const json& params = found != event.end() && found->is_object() ? *found : empty;
    if (method == "Runtime.bindingCalled") {
        if (params.value("name", "") != kBinding) return PageNews::None;
        return params.value("payload", "") == "window" ? PageNews::WindowMoved : PageNews::Changed;
    }
    if (method == "Page.frameNavigated") {
        const auto frame = params.find("frame");
        const bool mainFrame = frame != params.end() && frame->is_object() && !frame->contains("parentId");
        return mainFrame ? PageNews::Replaced : PageNews::Changed;
    }
    if (method == "Inspector.targetCrashed") return PageNews::Replaced;
    if (method == "Page.documentOpened" || method == "Page.navigatedWithinDocument") return PageNews::Changed;
    return PageNews::None;
}

}  // namespace tidemark::chromium
