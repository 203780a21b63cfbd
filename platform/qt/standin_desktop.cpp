#include "qt/standin_desktop.h"

namespace tidemark::qt {

namespace {

constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002u);

class EmptyArray : public uia::ElementArray {
public:
    std::int32_t Length() override { return 0; }
    uia::Ref<uia::Element> GetElement(std::int32_t) override { throw PlatformError(kEInvalidArg); }
};

class DesktopElement : public uia::Element {
public:
    uia::Ref<uia::Element> FindFirst(uia::TreeScope, const uia::Ref<uia::Condition>&) override { return {}; }
    uia::Ref<uia::ElementArray> FindAll(uia::TreeScope, const uia::Ref<uia::Condition>&) override {
        return std::make_shared<EmptyArray>();
    }
    uia::PropertyValue GetCurrentPropertyValue(uia::PropertyId id) override {
        if (id == uia::property::Name) return CurrentName();
        if (id == uia::property::ClassName) return CurrentClassName();
        if (id == uia::property::ControlType) return uia::control::Pane;
        return {};
    }
    uia::Ref<uia::Pattern> GetCurrentPattern(uia::PatternId) override { return {}; }
    std::string CurrentName() override { return "Desktop"; }
    std::string CurrentClassName() override { return "#32769"; }
    std::string CurrentLocalizedControlType() override { return "pane"; }
    bool CurrentIsEnabled() override { return true; }
    std::vector<std::int32_t> GetRuntimeId() override { return {42, static_cast<std::int32_t>(StandInAutomationFactory::kDesktopWindow)}; }
    void SetFocus() override {}
};

// The desktop has no children, so every step leads nowhere.
class EmptyWalker : public uia::TreeWalker {
public:
    uia::Ref<uia::Element> GetParentElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetPreviousSiblingElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetNextSiblingElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetFirstChildElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetLastChildElement(const uia::Ref<uia::Element>&) override { return {}; }
};

class AnyCondition : public uia::Condition {};

class EmptyDesktopAutomation : public uia::Automation {
public:
    uia::Ref<uia::Element> ElementFromHandle(uia::WindowHandle window) override {
        if (window != StandInAutomationFactory::kDesktopWindow) throw PlatformError(kEInvalidArg, "no such window");
        return desktop_;
    }
    uia::Ref<uia::TreeWalker> ControlViewWalker() override { return std::make_shared<EmptyWalker>(); }
    uia::Ref<uia::Condition> CreatePropertyCondition(uia::PropertyId, const uia::PropertyValue&) override {
        return std::make_shared<AnyCondition>();
    }
    uia::Ref<uia::Condition> CreatePropertyConditionEx(uia::PropertyId, const uia::PropertyValue&,
                                                       std::int32_t) override {
        return std::make_shared<AnyCondition>();
    }
    uia::Ref<uia::Condition> CreateAndCondition(const uia::Ref<uia::Condition>&,
                                                const uia::Ref<uia::Condition>&) override {
        return std::make_shared<AnyCondition>();
    }
    uia::Ref<uia::Condition> CreateTrueCondition() override { return std::make_shared<AnyCondition>(); }

private:
    uia::Ref<uia::Element> desktop_ = std::make_shared<DesktopElement>();
};

}  // namespace

uia::Ref<uia::Automation> StandInAutomationFactory::CreateAutomation() {
    return std::make_shared<EmptyDesktopAutomation>();
}

void StandInProcessStarter::Start(const std::string& commandLine) {
    throw PlatformError(kFileNotFound, "no browser on this desktop yet: " + commandLine);
}

}  // namespace tidemark::qt
