#pragma once

// The Win32 platform services in one place. The file system and special
// folders come from outside, so that a Platform can be put together from
// whichever implementations of those the build has.

#include "common/platform.h"
#include "main_window.h"
#include "win32_automation_factory.h"
#include "win32_beeper.h"
#include "win32_browser_location.h"
#include "win32_clock.h"
#include "win32_environment.h"
#include "win32_instance_lock.h"
#include "win32_keyboard.h"
#include "win32_locale.h"
#include "win32_message_boxes.h"
#include "win32_message_pump.h"
#include "win32_process_starter.h"
#include "win32_settings_store.h"
#include "win32_window_order.h"

namespace tidemark::win32 {

struct Win32Services {
    Win32Services() = default;
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    // Set by the window layer once the main window exists.
    MainWindowHandle mainWindow;

    Win32Clock clock;
    Win32Sleeper sleeper;
    Win32MessagePump pump{mainWindow};
    Win32Keyboard keyboard;
    Win32SettingsStore settings;
    Win32InstanceLock instanceLock;
    Win32MessageBoxes messageBoxes{mainWindow};
    Win32ProcessStarter processStarter;
    Win32BrowserLocation browserLocation;
    Win32WindowOrder windowOrder{mainWindow};
    Win32Beeper beeper;
    Win32Environment environment;
    Win32Locale locale;
    Win32AutomationFactory automationFactory;

    // The Platform refers to these services, which must outlive it.
    Platform MakePlatform(FileSystem& files, SpecialFolders& specialFolders);
};

}  // namespace tidemark::win32
