#pragma once

// Every platform service of the Linux build, owned in one place.

#include "common/platform.h"
#include "qt/qt_instance_lock.h"
#include "qt/qt_locale.h"
#include "qt/qt_message_boxes.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_system_services.h"
#include "qt/qt_window_services.h"
#include "qt/linux_file_system.h"
#include "qt/linux_special_folders.h"
#include "qt/no_browser.h"
#include "sim/desktop.h"
#include "sim/sim_automation_factory.h"

namespace tidemark::qt {

struct QtPlatform {
    QtClock clock;
    QtSleeper sleeper;
    QtMessagePump pump;
    QtKeyboard keyboard;
    QtSettingsStore settings;
    QtInstanceLock instanceLock;
    QtMessageBoxes messageBoxes;
    NoBrowserStarter processStarter;
    NoBrowserLocation browserLocation;
    QtWindowOrder windowOrder;
    QtBeeper beeper;
    QtEnvironment environment;
    QtLocale locale;
    // The simulated desktop on the real clock stands in for Windows UI Automation.
    sim::Desktop desktop{clock};
    sim::SimAutomationFactory automationFactory{desktop};
    LinuxFileSystem files;
    LinuxSpecialFolders specialFolders;

    Platform platform{clock,        sleeper,     pump,    keyboard,    settings,
                      instanceLock, messageBoxes, processStarter, browserLocation, windowOrder,
                      beeper,       environment, locale,  automationFactory, files,
                      specialFolders};

    // The window that message boxes open over and that is brought to the front.
    void SetMainWindow(QWidget* window) {
        messageBoxes.SetOwner(window);
        windowOrder.SetMainWindow(window);
    }
};

}  // namespace tidemark::qt
