#pragma once

// The UI Automation client interfaces: generated at build time from Wine's
// IDL (ahead of mingw's older uiautomationcore.h), plus the two patterns
// that IDL only forward-declares.

#include <windows.h>
#include <ole2.h>

#include <uiautomationclient.h>

#include "uia_patterns.h"
