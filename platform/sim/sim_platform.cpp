#include "sim/sim_platform.h"

namespace tidemark::sim {

SimPlatform::SimPlatform()
    : platform_{clock,          clock,       pump,        keyboard,    settings,
                instanceLock,   messageBoxes, processStarter, windowOrder, beeper,
                environment,    locale,      automationFactory, files, specialFolders} {}

}  // namespace tidemark::sim
