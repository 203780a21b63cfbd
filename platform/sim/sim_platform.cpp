#include "sim/sim_platform.h"

#include <type_traits>

namespace tidemark::sim {

namespace {
template <class Service>
Service& Either(Service* replacement, std::type_identity_t<Service>& simulated) {
    return replacement != nullptr ? *replacement : simulated;
}
}  // namespace

SimPlatform::SimPlatform() : platform_(PlatformWith(Replacements{})) {}

Platform SimPlatform::PlatformWith(const Replacements& replacements) {
    return {clock,
            clock,
            pump,
            keyboard,
            Either(replacements.settings, settings),
            instanceLock,
            Either(replacements.messageBoxes, messageBoxes),
            processStarter,
            browserLocation,
            windowOrder,
            beeper,
            environment,
            locale,
            automationFactory,
            Either(replacements.files, files),
            Either(replacements.specialFolders, specialFolders)};
}

Platform SimPlatform::PlatformWith(FileSystem& otherFiles, SpecialFolders& otherFolders) {
    return PlatformWith({.files = &otherFiles, .specialFolders = &otherFolders});
}

}  // namespace tidemark::sim
