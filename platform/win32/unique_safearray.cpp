#include "unique_safearray.h"

#include "win32_error.h"

namespace tidemark::win32 {

namespace {
// SafeArrayAccessData locks the array; this lets go of it on every path.
class ArrayDataAccess {
public:
    explicit ArrayDataAccess(SAFEARRAY* array) : array_(array) {
        ThrowIfFailed(SafeArrayAccessData(array_, &data_), "SafeArrayAccessData");
    }
    ArrayDataAccess(const ArrayDataAccess&) = delete;
    ArrayDataAccess& operator=(const ArrayDataAccess&) = delete;
    ~ArrayDataAccess() { static_cast<void>(SafeArrayUnaccessData(array_)); }

    const void* data() const noexcept { return data_; }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};
}  // namespace

std::vector<std::int32_t> Int32Elements(SAFEARRAY* array) {
    if (!array) return {};
    VARTYPE type = VT_EMPTY;
    ThrowIfFailed(SafeArrayGetVartype(array, &type), "SafeArrayGetVartype");
    if (type != VT_I4 && type != VT_INT) ThrowIfFailed(DISP_E_BADVARTYPE, "SAFEARRAY of 32-bit integers");
    if (SafeArrayGetDim(array) != 1) ThrowIfFailed(DISP_E_BADINDEX, "one-dimensional SAFEARRAY");

    LONG lower = 0;
    LONG upper = -1;
    ThrowIfFailed(SafeArrayGetLBound(array, 1, &lower), "SafeArrayGetLBound");
    ThrowIfFailed(SafeArrayGetUBound(array, 1, &upper), "SafeArrayGetUBound");
    if (upper < lower) return {};

    const ArrayDataAccess access(array);
    const auto* first = static_cast<const std::int32_t*>(access.data());
    return std::vector<std::int32_t>(first, first + (upper - lower + 1));
}

}  // namespace tidemark::win32
