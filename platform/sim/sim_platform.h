#pragma once

// One of each simulated service and the desktop, wired into the Platform
// the core receives. Tests reach each part by its own type.

#include "common/platform.h"
#include "sim/desktop.h"
#include "sim/sim_automation_factory.h"
#include "sim/sim_beeper.h"
#include "sim/sim_browser_location.h"
#include "sim/sim_environment.h"
#include "sim/sim_file_system.h"
#include "sim/sim_instance_lock.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_locale.h"
#include "sim/sim_message_boxes.h"
#include "sim/sim_message_pump.h"
#include "sim/sim_process_starter.h"
#include "sim/sim_settings_store.h"
#include "sim/sim_special_folders.h"
#include "sim/sim_window_order.h"
#include "sim/virtual_clock.h"

namespace tidemark::sim {

class SimPlatform {
public:
    SimPlatform();
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Platform& platform() { return platform_; }

    // Services to use instead of the simulated ones (a platform layer's real ones, say).
    struct Replacements {
        SettingsStore* settings = nullptr;
        MessageBoxes* messageBoxes = nullptr;
        FileSystem* files = nullptr;
        SpecialFolders* specialFolders = nullptr;
    };
    // The simulated services, with those given replaced.
    Platform PlatformWith(const Replacements& replacements);
    Platform PlatformWith(FileSystem& otherFiles, SpecialFolders& otherFolders);

    VirtualClock clock;
    SimMessagePump pump;
    SimKeyboard keyboard;
    SimSettingsStore settings;
    SimInstanceLock instanceLock;
    SimMessageBoxes messageBoxes;
    SimProcessStarter processStarter;
    SimBrowserLocation browserLocation;
    SimWindowOrder windowOrder;
    SimBeeper beeper;
    SimEnvironment environment;
    SimLocale locale;
    SimFileSystem files;
    SimSpecialFolders specialFolders;
    Desktop desktop{clock};
    SimAutomationFactory automationFactory{desktop};

private:
    Platform platform_;
};

}  // namespace tidemark::sim
