// The Win32 platform services against the real Win32 API (Wine here).

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <memory>
#include <string>

#include "common/wait_clock.h"
#include "wide_text.h"
#include "win32_clock.h"
#include "win32_environment.h"
#include "win32_instance_lock.h"
#include "win32_locale.h"
#include "win32_settings_store.h"

namespace tidemark::win32 {
namespace {

TEST(Win32Environment, ReadsVariablesAsUtf8) {
    Win32Environment environment;
    EXPECT_FALSE(environment.Variable("USERNAME").empty());
    EXPECT_EQ(environment.Variable("TIDEMARK_TEST_SURELY_UNSET"), "");

    ASSERT_TRUE(SetEnvironmentVariableW(L"TIDEMARK_TEST_VALUE", L"計測ユーザー"));
    EXPECT_EQ(environment.Variable("TIDEMARK_TEST_VALUE"), "計測ユーザー");
    const std::wstring longValue(3000, L'x');
    ASSERT_TRUE(SetEnvironmentVariableW(L"TIDEMARK_TEST_VALUE", longValue.c_str()));
    EXPECT_EQ(environment.Variable("TIDEMARK_TEST_VALUE"), std::string(3000, 'x'));
    SetEnvironmentVariableW(L"TIDEMARK_TEST_VALUE", nullptr);
}

TEST(Win32Environment, WindowsDirectoryBufferHoldsThePathThenNulsAndBlanks) {
    const std::string buffer = Win32Environment().WindowsDirectoryBuffer();
    ASSERT_EQ(buffer.size(), 260u);
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(buffer[0])));
    EXPECT_EQ(buffer.substr(1, 2), ":\\");

    const std::size_t end = buffer.find('\0');
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(buffer.find_first_not_of(std::string("\0 ", 2), end), std::string::npos);
    EXPECT_EQ(buffer.back(), ' ');

    wchar_t directory[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryW(directory, MAX_PATH), 0u);
    EXPECT_EQ(buffer.substr(0, end), ToUtf8(directory));
}

TEST(Win32Locale, GeneralDateIsShortDateAndLongTimeInWholeSeconds) {
    Win32Locale locale;
    const std::string midnight = locale.FormatGeneralDate({2024, 1, 5, 0.0});
    EXPECT_NE(midnight.find("2024"), std::string::npos);
    EXPECT_EQ(midnight.find(':'), std::string::npos) << midnight;
    // Under a second past midnight is still 00:00:00 in whole seconds.
    EXPECT_EQ(locale.FormatGeneralDate({2024, 1, 5, 0.4}), midnight);

    const std::string morning = locale.FormatGeneralDate({2024, 1, 5, 9 * 3600 + 3 * 60 + 7.9});
    EXPECT_EQ(morning.rfind(midnight + " ", 0), 0u) << morning;
    EXPECT_NE(morning.find("9:03:07"), std::string::npos) << morning;

    const std::string lastSecond = locale.FormatGeneralDate({2024, 1, 5, 86399.99});
    EXPECT_EQ(lastSecond.rfind(midnight + " ", 0), 0u) << lastSecond;
    EXPECT_NE(lastSecond.find(":59:59"), std::string::npos) << lastSecond;

    EXPECT_THROW(locale.FormatGeneralDate({2024, 13, 5, 0.0}), PlatformError);

    EXPECT_FALSE(locale.DecimalSeparator().empty());
    EXPECT_FALSE(locale.GroupSeparator().empty());
    EXPECT_NE(locale.DecimalSeparator(), locale.GroupSeparator());
}

class Win32SettingsStoreTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + ToWide(application)).c_str()); }

    std::string RawValue(const std::wstring& subKey, const std::wstring& name, DWORD& type) {
        wchar_t text[256] = {};
        DWORD bytes = sizeof text;
        const LSTATUS status =
            RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), RRF_RT_ANY, &type, text, &bytes);
        return status == ERROR_SUCCESS ? ToUtf8(text) : "<" + std::to_string(status) + ">";
    }

    const std::string application = "TidemarkTest-" + std::to_string(GetCurrentProcessId());
    Win32SettingsStore store;
};

TEST_F(Win32SettingsStoreTest, ValuesRoundTripUnderTheirApplicationAndSection) {
    EXPECT_EQ(store.Get(application, "Setting", "FileName"), std::nullopt);

    store.Set(application, "Setting", "FileName", "回線速度");
    EXPECT_EQ(store.Get(application, "Setting", "FileName"), "回線速度");
    EXPECT_EQ(store.Get(application, "Setting", "Interval"), std::nullopt);
    EXPECT_EQ(store.Get(application, "Other", "FileName"), std::nullopt);

    DWORD type = REG_NONE;
    EXPECT_EQ(RawValue(L"Software\\" + ToWide(application) + L"\\Setting", L"FileName", type), "回線速度");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    store.Set(application, "Setting", "FileName", "");
    EXPECT_EQ(store.Get(application, "Setting", "FileName"), "");
    const std::string longValue(5000, 'z');
    store.Set(application, "Setting", "FileName", longValue);
    EXPECT_EQ(store.Get(application, "Setting", "FileName"), longValue);
}

TEST(Win32InstanceLock, SecondHolderIsRefusedUntilTheFirstGoes) {
    const std::wstring name = L"Local\\TidemarkTest.Lock." + std::to_wstring(GetCurrentProcessId());
    auto first = std::make_unique<Win32InstanceLock>(name);
    EXPECT_TRUE(first->TryAcquire());
    EXPECT_TRUE(first->TryAcquire());

    Win32InstanceLock second(name);
    EXPECT_FALSE(second.TryAcquire());
    EXPECT_FALSE(second.TryAcquire());

    first.reset();
    EXPECT_TRUE(second.TryAcquire());
}

TEST(Win32Clock, LocalTimeAdvancesOverASleep) {
    Win32Clock clock;
    Win32Sleeper sleeper;
    SYSTEMTIME system{};
    GetLocalTime(&system);
    const LocalDateTime before = clock.Now();
    sleeper.Sleep(50);
    const LocalDateTime after = clock.Now();

    EXPECT_EQ(before.year, system.wYear);
    EXPECT_GE(before.secondsSinceMidnight, 0.0);
    EXPECT_LT(before.secondsSinceMidnight, 86400.0);
    const double elapsed = WaitClockSeconds(after) - WaitClockSeconds(before);
    EXPECT_GE(elapsed, 0.03);
    EXPECT_LT(elapsed, 5.0);
}

}  // namespace
}  // namespace tidemark::win32
