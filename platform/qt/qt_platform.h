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
#include "qt/linux_browser.h"
#include "uia_tree/automation_factory.h"
#include "uia_tree/tree.h"

namespace tidemark::qt {

struct QtPlatform {
    explicit QtPlatform(BrowserChoice choice = BrowserChoice::Chromium)
        : browser(choice, tree, clock, sleeper, pump, realKeyboard) {}

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
    // An in-memory UI Automation tree stands in for Windows UI Automation;
    // the browser fills it.
    uia_tree::Tree tree;
    uia_tree::TreeAutomationFactory automationFactory{tree};
    LinuxBrowser browser;
    LinuxFileSystem files;
    LinuxSpecialFolders specialFolders;

    Platform platform{clock,
                      browser.sleeper(),
                      browser.pump(),
                      browser,
                      settings,
                      instanceLock,
                      messageBoxes,
                      browser.starter(),
                      browser.location(),
                      windowOrder,
                      beeper,
                      environment,
                      locale,
                      automationFactory,
                      files,
                      specialFolders};

    // The window that message boxes open over and that is brought to the front.
    void SetMainWindow(QWidget* window) {
        messageBoxes.SetOwner(window);
        windowOrder.SetMainWindow(window);
    }
};

}  // namespace tidemark::qt
