#include "sim/sim_platform.h"

namespace tidemark::sim {

SimPlatform::SimPlatform() : platform_(PlatformWith(files, specialFolders)) {}

Platform SimPlatform::PlatformWith(FileSystem& otherFiles, SpecialFolders& otherFolders) {
    return {clock,       clock,  pump,        keyboard,          settings,   instanceLock, messageBoxes, processStarter,
            windowOrder, beeper, environment, locale, automationFactory, otherFiles, otherFolders};
}

}  // namespace tidemark::sim
