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
#include "qt/simulated_browser.h"
#include "sim/desktop.h"
#include "sim/sim_automation_factory.h"

namespace tidemark::qt {

struct QtPlatform {
    QtClock clock;
    QtSleeper sleeper;
    QtMessagePump pump;
    QtKeyboard realKeyboard;
    QtSettingsStore settings;
    QtInstanceLock instanceLock;
    QtMessageBoxes messageBoxes;
    QtWindowOrder windowOrder;
    QtBeeper beeper;
    QtEnvironment environment;
    QtLocale locale;
    // The simulated desktop on the real clock stands in for Windows UI Automation.
    sim::Desktop desktop{clock};
    sim::SimAutomationFactory automationFactory{desktop};
    SimulatedBrowser browser{desktop};
    SimulatedBrowserKeyboard keyboard{realKeyboard, browser.edge};
    LinuxFileSystem files;
    LinuxSpecialFolders specialFolders;

    Platform platform{clock,        sleeper,      pump,    keyboard,    settings,
                      instanceLock, messageBoxes, browser, browser,     windowOrder,
                      beeper,       environment,  locale,  automationFactory, files,
                      specialFolders};

    // The window that message boxes open over and that is brought to the front.
    void SetMainWindow(QWidget* window) {
        messageBoxes.SetOwner(window);
        windowOrder.SetMainWindow(window);
    }
};

}  // namespace tidemark::qt
