// Text, VARIANT, BSTR, SAFEARRAY and interface ownership at the COM edge.

#include <gtest/gtest.h>

#include <string>

#include "com_ptr.h"
#include "counted_unknown.h"
#include "property_variant.h"
#include "throws_platform_error.h"
#include "unique_bstr.h"
#include "unique_safearray.h"
#include "unique_variant.h"
#include "wide_text.h"
#include "win32_error.h"

namespace tidemark::win32 {
namespace {

using testing::CountedUnknown;

TEST(WideText, RoundTripsJapaneseSurrogatesAndEmptyText) {
    const std::string japanese = "速度テスト結果 𠮷野家";  // 𠮷 takes a surrogate pair
    const std::wstring wide = ToWide(japanese);
    EXPECT_EQ(wide, L"速度テスト結果 \U00020BB7野家");
    EXPECT_EQ(wide.size(), 12u);
    EXPECT_EQ(ToUtf8(wide), japanese);

    EXPECT_EQ(ToWide(""), L"");
    EXPECT_EQ(ToUtf8(L""), "");
    EXPECT_EQ(ToWide(std::string_view("a\0b", 3)).size(), 3u);
    EXPECT_EQ(AnsiToUtf8("C:\\Windows"), "C:\\Windows");
}

TEST(WideText, MalformedTextThrowsInsteadOfTurningIntoMarks) {
    const auto noTranslation = static_cast<HResult>(HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_THAT([] { ToWide("ok \xff\xfe"); }, ThrowsPlatformError(noTranslation));
    EXPECT_THAT([] { ToUtf8(std::wstring(1, wchar_t(0xD800))); }, ThrowsPlatformError(noTranslation));
}

TEST(PropertyVariant, SeamValuesTravelAsTheirVariantKindsAndBack) {
    const unique_variant yes = ToVariant(true);
    EXPECT_EQ(yes.get().vt, VT_BOOL);
    EXPECT_EQ(yes.get().boolVal, VARIANT_TRUE);
    EXPECT_EQ(ToVariant(false).get().boolVal, VARIANT_FALSE);

    const unique_variant number = ToVariant(std::int32_t{50032});
    EXPECT_EQ(number.get().vt, VT_I4);
    EXPECT_EQ(number.get().lVal, 50032);

    const unique_variant text = ToVariant(std::string("タブ"));
    ASSERT_EQ(text.get().vt, VT_BSTR);
    EXPECT_EQ(std::wstring(text.get().bstrVal, SysStringLen(text.get().bstrVal)), L"タブ");

    EXPECT_EQ(ToVariant(std::monostate{}).get().vt, VT_EMPTY);

    for (const uia::PropertyValue& value : {uia::PropertyValue{}, uia::PropertyValue{true}, uia::PropertyValue{false},
                                            uia::PropertyValue{std::int32_t{-9}}, uia::PropertyValue{std::string()},
                                            uia::PropertyValue{std::string("Microsoft Edge - 新しいタブ")}}) {
        EXPECT_EQ(ToPropertyValue(ToVariant(value).get()), value);
    }
}

TEST(PropertyVariant, OtherKindsReadAsNone) {
    unique_variant shortNumber;
    shortNumber.get().vt = VT_I2;
    shortNumber.get().iVal = 3;
    EXPECT_EQ(ToPropertyValue(shortNumber.get()), uia::PropertyValue{});

    unique_variant real;
    real.get().vt = VT_R8;
    real.get().dblVal = 1.5;
    EXPECT_EQ(ToPropertyValue(real.get()), uia::PropertyValue{});

    // UI Automation answers "not supported" with an IUnknown marker.
    CountedUnknown marker;
    unique_variant notSupported;
    notSupported.get().vt = VT_UNKNOWN;
    notSupported.get().punkVal = &marker;
    marker.AddRef();
    EXPECT_EQ(ToPropertyValue(notSupported.get()), uia::PropertyValue{});

    unique_variant nullText;
    nullText.get().vt = VT_BSTR;
    EXPECT_EQ(ToPropertyValue(nullText.get()), uia::PropertyValue{std::string()});
}

TEST(ComOwnership, VariantReleasesWhatItHoldsExactlyOnce) {
    CountedUnknown object;
    {
        unique_variant first;
        first.get().vt = VT_UNKNOWN;
        first.get().punkVal = &object;
        object.AddRef();
        unique_variant second = std::move(first);
        EXPECT_EQ(first.get().vt, VT_EMPTY);
        EXPECT_EQ(object.references, 2u);

        unique_variant third;
        third = std::move(second);
        EXPECT_EQ(object.references, 2u);
        static_cast<void>(third.put());  // an out parameter slot starts empty
        EXPECT_EQ(object.references, 1u);
        EXPECT_EQ(third.get().vt, VT_EMPTY);

        third.get().vt = VT_UNKNOWN;
        third.get().punkVal = &object;
        object.AddRef();
    }
    EXPECT_EQ(object.references, 1u);
}

TEST(ComOwnership, ComPtrHoldsOneReferencePerOwner) {
    CountedUnknown object;
    {
        auto first = ComPtr<IUnknown>::Copy(&object);
        EXPECT_EQ(object.references, 2u);
        ComPtr<IUnknown> copy = first;
        EXPECT_EQ(object.references, 3u);
        ComPtr<IUnknown> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(object.references, 3u);

        moved = first;  // replaces one reference with another
        EXPECT_EQ(object.references, 3u);
        moved.reset();
        EXPECT_EQ(object.references, 2u);

        const ComPtr<IUnknown> queried = first.query<IUnknown>();
        EXPECT_EQ(object.references, 3u);
        EXPECT_THAT([&] { first.query<IDispatch>(); }, ThrowsPlatformError(static_cast<HResult>(E_NOINTERFACE)));
        EXPECT_EQ(object.references, 3u);
        EXPECT_THAT([] { ComPtr<IUnknown>().query<IUnknown>(); }, ThrowsPlatformError(static_cast<HResult>(E_POINTER)));

        object.AddRef();
        auto attached = ComPtr<IUnknown>::Attach(&object);
        EXPECT_EQ(object.references, 4u);
        static_cast<void>(attached.put());
        EXPECT_EQ(object.references, 3u);
    }
    EXPECT_EQ(object.references, 1u);
}

TEST(ComOwnership, BstrHasOneOwnerAndNullReadsEmpty) {
    unique_bstr text = MakeBstr("結果.csv");
    EXPECT_EQ(text.view(), L"結果.csv");
    EXPECT_EQ(ToUtf8(text), "結果.csv");

    unique_bstr taken = std::move(text);
    EXPECT_EQ(text.get(), nullptr);
    EXPECT_EQ(text.view(), L"");
    EXPECT_EQ(ToUtf8(taken), "結果.csv");

    BSTR released = taken.release();
    EXPECT_EQ(taken.get(), nullptr);
    unique_bstr again(released);
    EXPECT_EQ(again.view(), L"結果.csv");
}

TEST(SafeArray, RuntimeIdsComeOutInIndexOrder) {
    auto vector = [](LONG lowerBound, std::initializer_list<LONG> values) {
        unique_safearray array(SafeArrayCreateVector(VT_I4, lowerBound, static_cast<ULONG>(values.size())));
        LONG index = lowerBound;
        for (LONG value : values) {
            EXPECT_EQ(SafeArrayPutElement(array.get(), &index, &value), S_OK);
            ++index;
        }
        return array;
    };
    EXPECT_EQ(Int32Elements(vector(0, {42, -7, 0x7fffffff}).get()), (std::vector<std::int32_t>{42, -7, 0x7fffffff}));
    EXPECT_EQ(Int32Elements(vector(1, {5, 6}).get()), (std::vector<std::int32_t>{5, 6}));
    EXPECT_TRUE(Int32Elements(vector(0, {}).get()).empty());
    EXPECT_TRUE(Int32Elements(nullptr).empty());

    const unique_safearray texts(SafeArrayCreateVector(VT_BSTR, 0, 1));
    EXPECT_THAT([&] { Int32Elements(texts.get()); }, ThrowsPlatformError(static_cast<HResult>(DISP_E_BADVARTYPE)));
}

TEST(PlatformErrors, FailuresCarryThePlatformsCode) {
    EXPECT_NO_THROW(ThrowIfFailed(S_OK, "ok"));
    EXPECT_NO_THROW(ThrowIfFailed(S_FALSE, "no"));
    EXPECT_THAT([] { ThrowIfFailed(E_ACCESSDENIED, "denied"); }, ThrowsPlatformError(kEAccessDenied));
    EXPECT_THAT([] { ThrowIfFailed(static_cast<HRESULT>(0x80040201u), "gone"); },
                ThrowsPlatformError(kElementNotAvailable));
    EXPECT_THAT([] { ThrowIfError(ERROR_FILE_NOT_FOUND, "open"); },
                ThrowsPlatformError(static_cast<HResult>(0x80070002u)));
    EXPECT_NO_THROW(ThrowIfError(ERROR_SUCCESS, "open"));
    EXPECT_THAT(
        [] {
            SetLastError(ERROR_ACCESS_DENIED);
            ThrowLastError("write");
        },
        ThrowsPlatformError(kEAccessDenied));
    EXPECT_THAT(
        [] {
            SetLastError(ERROR_SUCCESS);
            ThrowLastError("write");
        },
        ThrowsPlatformError(kEFail));

    EXPECT_THAT([] { ThrowIfFailed(E_FAIL, "IUIAutomationElement::FindFirst"); },
                ThrowsPlatformError(kEFail, ::testing::StrEq("IUIAutomationElement::FindFirst (0x80004005)")));
}

}  // namespace
}  // namespace tidemark::win32
