#pragma once

// Every platform service of the Linux build, owned in one place.

#include "common/platform.h"
#include "qt/qt_instance_lock.h"
#include "qt/qt_locale.h"
#include "qt/qt_message_boxes.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_system_services.h"
#include "qt/qt_window_services.h"
#include "qt/standin_desktop.h"
#include "sim/sim_file_system.h"
#include "sim/sim_special_folders.h"

namespace tidemark::qt {

struct QtPlatform {
    QtClock clock;
    QtSleeper sleeper;
    QtMessagePump pump;
    QtKeyboard keyboard;
    QtSettingsStore settings;
    QtInstanceLock instanceLock;
    QtMessageBoxes messageBoxes;
    StandInProcessStarter processStarter;
    QtWindowOrder windowOrder;
    QtBeeper beeper;
    QtEnvironment environment;
    QtLocale locale;
    StandInAutomationFactory automationFactory;
    // In memory until the Linux file system and special folders land.
    sim::SimFileSystem files;
    sim::SimSpecialFolders specialFolders;

    Platform platform{clock,          sleeper,      pump,   keyboard,    settings, instanceLock,      messageBoxes,
                      processStarter, windowOrder,  beeper, environment, locale,   automationFactory, files,
                      specialFolders};

    // The window that message boxes open over and that is brought to the front.
    void SetMainWindow(QWidget* window) {
        messageBoxes.SetOwner(window);
        windowOrder.SetMainWindow(window);
    }
};

}  // namespace tidemark::qt
