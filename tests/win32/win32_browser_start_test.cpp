// Finding and starting the browser against the real Win32 API (Wine here).

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "throws_platform_error.h"
#include "wide_text.h"
#include "win32_browser_location.h"
#include "win32_handles.h"
#include "win32_process_starter.h"

namespace tidemark::win32 {
namespace {

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    EXPECT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    return temp;
}

std::wstring OwnFolder() {
    std::wstring path(32767, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.rfind(L'\\'));
}

// Files and folders a test makes, deleted in reverse when it ends. What a
// failed earlier run left behind under the same names is taken over.
class TempTree {
public:
    TempTree() = default;
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree() {
        for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
            if (made->folder)
                RemoveDirectoryW(made->path.c_str());
            else
                DeleteFileW(made->path.c_str());
        }
    }

    std::wstring Folder(const std::wstring& path) {
        const bool made = CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
        EXPECT_TRUE(made) << ToUtf8(path);
        return Made(path, true);
    }
    std::wstring File(const std::wstring& path) {
        const unique_hfile file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(file) << ToUtf8(path);
        return Made(path, false);
    }
    std::wstring Copy(const std::wstring& from, const std::wstring& to) {
        EXPECT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE)) << ToUtf8(to);
        return Made(to, false);
    }
    // For a file a program under test writes.
    std::wstring Expect(const std::wstring& path) { return Made(path, false); }

private:
    struct Entry {
        std::wstring path;
        bool folder;
    };
    std::wstring Made(const std::wstring& path, bool folder) {
        made_.push_back({path, folder});
        return path;
    }
    std::vector<Entry> made_;
};

// What the command-line recorder wrote about itself.
struct Recorded {
    std::string program;
    std::string commandLine;
};

// The recorder (tests/win32/recorder) under a name with blanks, beside a
// decoy copy named as the path's first words, which is what Windows would
// run for the path unquoted.
class Win32ProcessStarterTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring folder =
            tree_.Folder(TempFolder() + L"Tidemark Test 計測 " + std::to_wstring(GetCurrentProcessId()));
        const std::wstring recorder = OwnFolder() + L"\\tidemark_command_line_recorder.exe";
        program_ = tree_.Copy(recorder, folder + L"\\record args.exe");
        decoy_ = tree_.Copy(recorder, folder + L"\\record.exe");
        missing_ = folder + L"\\record missing.exe";
        recordFile_ = tree_.Expect(folder + L"\\record.txt");

        const std::wstring eventName = L"Local\\TidemarkTest.Recorded." + std::to_wstring(GetCurrentProcessId());
        recorded_.reset(CreateEventW(nullptr, FALSE, FALSE, eventName.c_str()));
        ASSERT_TRUE(recorded_);
        ASSERT_TRUE(SetEnvironmentVariableW(L"TIDEMARK_RECORD_FILE", recordFile_.c_str()));
        ASSERT_TRUE(SetEnvironmentVariableW(L"TIDEMARK_RECORD_EVENT", eventName.c_str()));
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"TIDEMARK_RECORD_FILE", nullptr);
        SetEnvironmentVariableW(L"TIDEMARK_RECORD_EVENT", nullptr);
    }

    std::optional<Recorded> StartAndRecord(const std::wstring& program, const std::string& arguments) {
        DeleteFileW(recordFile_.c_str());
        starter_.Start(ToUtf8(program), arguments);
        return WaitForRecord();
    }

    // Waits for the recorder to report and then to end, so that its file can go.
    std::optional<Recorded> WaitForRecord() {
        if (WaitForSingleObject(recorded_.get(), 30000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "the started program did not report within 30 s";
            return std::nullopt;
        }
        std::ifstream in(recordFile_.c_str(), std::ios::binary);
        const std::string record{std::istreambuf_iterator<char>(in), {}};
        const std::size_t firstEnd = record.find('\n');
        const std::size_t secondEnd = record.find('\n', firstEnd + 1);
        if (secondEnd == std::string::npos) {
            ADD_FAILURE() << "unreadable record: " << record;
            return std::nullopt;
        }
        const auto processId = static_cast<DWORD>(std::stoul(record.substr(0, firstEnd)));
        // Already gone when it cannot be opened.
        if (const unique_handle process(OpenProcess(SYNCHRONIZE, FALSE, processId)); process) {
            EXPECT_EQ(WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0) << "the recorder did not end";
        }
        return Recorded{record.substr(firstEnd + 1, secondEnd - firstEnd - 1), record.substr(secondEnd + 1)};
    }

    TempTree tree_;
    Win32ProcessStarter starter_;
    unique_handle recorded_;
    std::wstring program_;
    std::wstring decoy_;
    std::wstring missing_;
    std::wstring recordFile_;
};

TEST_F(Win32ProcessStarterTest, RunsTheQuotedPathWithTheArgumentsAsTheyAre) {
    const std::string quoted = "\"" + ToUtf8(program_) + "\"";

    const auto newWindow = StartAndRecord(program_, " --new-window https://fast.com/");
    ASSERT_TRUE(newWindow);
    EXPECT_EQ(newWindow->program, ToUtf8(program_)) << "not the decoy " << ToUtf8(decoy_);
    EXPECT_EQ(newWindow->commandLine, quoted + " --new-window https://fast.com/");

    const auto newTab = StartAndRecord(program_, " --newtab ");
    ASSERT_TRUE(newTab);
    EXPECT_EQ(newTab->program, ToUtf8(program_));
    EXPECT_EQ(newTab->commandLine, quoted + " --newtab ");
}

TEST_F(Win32ProcessStarterTest, AMissingProgramIsFileNotFoundNotTheDecoy) {
    // Unquoted, "...\record missing.exe" would start "...\record.exe".
    bool started = false;
    EXPECT_THAT(
        [&] {
            starter_.Start(ToUtf8(missing_), " --new-window https://fast.com/");
            started = true;
        },
        ThrowsPlatformError(kFileNotFound));
    if (started) WaitForRecord();  // the decoy ran: let it end before its file goes
}

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr wchar_t kEdgeAppPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\msedge.exe";

bool KeyExists(HKEY root, const wchar_t* path, REGSAM view = 0) {
    unique_hkey key;
    return RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE | view, key.put()) == ERROR_SUCCESS;
}

std::optional<std::wstring> EnvironmentVariable(const wchar_t* name) {
    std::wstring value(32767, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    value.resize(length);
    return value;
}

// Registers a per-user Edge under HKCU for the test's length, with
// ProgramW6432 pointed at a folder of the test's own.
class Win32BrowserLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (KeyExists(HKEY_CURRENT_USER, kEdgeAppPath)) {
            GTEST_SKIP() << "this user has an Edge registration of its own, which is not the test's to change";
        }
        appPathsExisted_ = KeyExists(HKEY_CURRENT_USER, kAppPaths);
        programFilesBefore_ = EnvironmentVariable(L"ProgramW6432");
        restore_ = true;

        const std::wstring folder =
            tree_.Folder(TempFolder() + L"Tidemark Browser " + std::to_wstring(GetCurrentProcessId()));
        tree_.Folder(folder + L"\\Edge Per User");
        perUser_ = tree_.File(folder + L"\\Edge Per User\\msedge.exe");
        tree_.Folder(folder + L"\\Not A File");
        folderNamedLikeEdge_ = tree_.Folder(folder + L"\\Not A File\\msedge.exe");
        programFiles_ = tree_.Folder(folder + L"\\Program Files");
        tree_.Folder(programFiles_ + L"\\Microsoft");
        tree_.Folder(programFiles_ + L"\\Microsoft\\Edge");
        tree_.Folder(programFiles_ + L"\\Microsoft\\Edge\\Application");
        programFilesEdge_ = tree_.File(programFiles_ + L"\\Microsoft\\Edge\\Application\\msedge.exe");
        missing_ = folder + L"\\Missing\\msedge.exe";
        empty_ = tree_.Folder(folder + L"\\Empty");
    }
    void TearDown() override {
        if (!restore_) return;
        RegDeleteTreeW(HKEY_CURRENT_USER, appPathsExisted_ ? kEdgeAppPath : kAppPaths);
        SetEnvironmentVariableW(L"ProgramW6432", programFilesBefore_ ? programFilesBefore_->c_str() : nullptr);
        SetEnvironmentVariableW(L"TIDEMARK_TEST_EDGE_HOME", nullptr);
    }

    void Register(DWORD type, const std::wstring& value) {
        unique_hkey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kEdgeAppPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, key.put(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key.get(), nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    static void SetProgramFiles(const std::wstring& folder) {
        ASSERT_TRUE(SetEnvironmentVariableW(L"ProgramW6432", folder.c_str()));
    }
    // The cases below need the per-machine registration to be absent.
    static bool MachineRegistersEdge() {
        return KeyExists(HKEY_LOCAL_MACHINE, kEdgeAppPath, KEY_WOW64_64KEY) ||
               KeyExists(HKEY_LOCAL_MACHINE, kEdgeAppPath, KEY_WOW64_32KEY);
    }

    TempTree tree_;
    Win32BrowserLocation location_;
    bool restore_ = false;
    bool appPathsExisted_ = false;
    std::optional<std::wstring> programFilesBefore_;
    std::wstring perUser_;
    std::wstring folderNamedLikeEdge_;
    std::wstring programFiles_;
    std::wstring programFilesEdge_;
    std::wstring missing_;
    std::wstring empty_;
};

TEST_F(Win32BrowserLocationTest, ThePerUserRegistrationComesFirstUnquotedAndExpanded) {
    SetProgramFiles(programFiles_);

    Register(REG_SZ, L"\"" + perUser_ + L"\"");
    EXPECT_EQ(location_.FindInstalled(), ToUtf8(perUser_));

    ASSERT_TRUE(SetEnvironmentVariableW(L"TIDEMARK_TEST_EDGE_HOME", perUser_.substr(0, perUser_.rfind(L'\\')).c_str()));
    Register(REG_EXPAND_SZ, L"%TIDEMARK_TEST_EDGE_HOME%\\msedge.exe");
    EXPECT_EQ(location_.FindInstalled(), ToUtf8(perUser_));
}

TEST_F(Win32BrowserLocationTest, ARegisteredPathThatIsNoFileFallsBackToProgramW6432) {
    if (MachineRegistersEdge()) GTEST_SKIP() << "the Wine prefix registers an Edge per machine, which would answer";
    SetProgramFiles(programFiles_);

    Register(REG_SZ, missing_);
    EXPECT_EQ(location_.FindInstalled(), ToUtf8(programFilesEdge_));
    Register(REG_SZ, folderNamedLikeEdge_);
    EXPECT_EQ(location_.FindInstalled(), ToUtf8(programFilesEdge_));
}

TEST_F(Win32BrowserLocationTest, NoFileAnywhereIsNothing) {
    if (MachineRegistersEdge()) GTEST_SKIP() << "the Wine prefix registers an Edge per machine, which would answer";
    Register(REG_SZ, missing_);
    SetProgramFiles(empty_);
    EXPECT_EQ(location_.FindInstalled(), std::nullopt);
}

}  // namespace
}  // namespace tidemark::win32
