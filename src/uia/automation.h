#pragma once

// What the program needs of UI Automation, and no more. Every call that the
// platform reports as failed throws PlatformError with the platform's code.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "uia/ids.h"
#include "common/platform_error.h"

namespace tidemark::uia {

// A counted reference that may be empty: copying adds a reference, dropping
// it releases one.
template <class T>
using Ref = std::shared_ptr<T>;

// A property value as GetCurrentPropertyValue answers it (a VARIANT reduced
// to the kinds the program reads: VT_EMPTY, VT_BOOL, VT_I4, VT_BSTR).
using PropertyValue = std::variant<std::monostate, bool, std::int32_t, std::string>;

// The Win32 window handle of the desktop, as an integer.
using WindowHandle = std::uintptr_t;

class Condition {
public:
    virtual ~Condition() = default;
};

class Pattern {
public:
    virtual ~Pattern() = default;
};

class InvokePattern : public Pattern {
public:
    virtual void Invoke() = 0;
};

class ValuePattern : public Pattern {
public:
    virtual void SetValue(const std::string& value) = 0;
};

class WindowPattern : public Pattern {
public:
    virtual void Close() = 0;
    virtual void SetWindowVisualState(std::int32_t state) = 0;
    virtual bool CurrentCanMaximize() = 0;
    virtual bool CurrentCanMinimize() = 0;
};

class SelectionItemPattern : public Pattern {
public:
    virtual bool CurrentIsSelected() = 0;
    virtual void Select() = 0;
};

class ElementArray;

class Element {
public:
    virtual ~Element() = default;

    // Empty when nothing matches.
    virtual Ref<Element> FindFirst(TreeScope scope, const Ref<Condition>& condition) = 0;
    // Never empty; length 0 when nothing matches.
    virtual Ref<ElementArray> FindAll(TreeScope scope, const Ref<Condition>& condition) = 0;
    virtual PropertyValue GetCurrentPropertyValue(PropertyId id) = 0;
    // Empty when the element does not support the pattern.
    virtual Ref<Pattern> GetCurrentPattern(PatternId id) = 0;
    virtual std::string CurrentName() = 0;
    virtual std::string CurrentClassName() = 0;
    virtual std::string CurrentLocalizedControlType() = 0;
    virtual bool CurrentIsEnabled() = 0;
    virtual std::vector<std::int32_t> GetRuntimeId() = 0;
    virtual void SetFocus() = 0;
};

class ElementArray {
public:
    virtual ~ElementArray() = default;

    virtual std::int32_t Length() = 0;
    virtual Ref<Element> GetElement(std::int32_t index) = 0;
};

class TreeWalker {
public:
    virtual ~TreeWalker() = default;

    // Each answers an empty reference when there is no such element.
    virtual Ref<Element> GetParentElement(const Ref<Element>& element) = 0;
    virtual Ref<Element> GetPreviousSiblingElement(const Ref<Element>& element) = 0;
    virtual Ref<Element> GetNextSiblingElement(const Ref<Element>& element) = 0;
    virtual Ref<Element> GetFirstChildElement(const Ref<Element>& element) = 0;
    virtual Ref<Element> GetLastChildElement(const Ref<Element>& element) = 0;
};

class Automation {
public:
    virtual ~Automation() = default;

    virtual Ref<Element> ElementFromHandle(WindowHandle window) = 0;
    virtual Ref<TreeWalker> ControlViewWalker() = 0;
    virtual Ref<Condition> CreatePropertyCondition(PropertyId id, const PropertyValue& value) = 0;
    virtual Ref<Condition> CreatePropertyConditionEx(PropertyId id, const PropertyValue& value, std::int32_t flags) = 0;
    virtual Ref<Condition> CreateAndCondition(const Ref<Condition>& first, const Ref<Condition>& second) = 0;
    virtual Ref<Condition> CreateTrueCondition() = 0;
};

}  // namespace tidemark::uia
