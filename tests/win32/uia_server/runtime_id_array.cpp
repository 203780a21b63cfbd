#include "runtime_id_array.h"

#include "common/platform_error.h"
#include "unique_safearray.h"

namespace tidemark::win32::uia_server {

SAFEARRAY* NewRuntimeIdArray(const std::vector<std::int32_t>& id) {
    unique_safearray array(SafeArrayCreateVector(VT_I4, 0, static_cast<ULONG>(id.size())));
    if (array.get() == nullptr) throw PlatformError(static_cast<HResult>(E_OUTOFMEMORY), "SafeArrayCreateVector");
    for (LONG index = 0; index < static_cast<LONG>(id.size()); ++index) {
        LONG part = id[static_cast<std::size_t>(index)];
        const HRESULT hr = SafeArrayPutElement(array.get(), &index, &part);
        if (FAILED(hr)) throw PlatformError(static_cast<HResult>(hr), "SafeArrayPutElement");
    }
    return array.release();
}

std::vector<std::int32_t> RuntimeIdOf(SAFEARRAY* id) {
    if (id == nullptr) throw PlatformError(kEInvalidArg, "test server: no runtime id");
    try {
        return Int32Elements(id);
    } catch (const PlatformError&) {
        throw PlatformError(kEInvalidArg, "test server: a runtime id that is not a vector of VT_I4");
    }
}

}  // namespace tidemark::win32::uia_server
