// The whole program for many runs on the simulated desktop, in virtual time:
// Form1 with all three services on a one-minute schedule over short pages,
// and before each run a fault drawn at random from a fixed seed. Exits
// non-zero when a run outlives the program's own waits, a run writes the
// wrong rows or a malformed line, the schedule does not carry on as the
// window says, a reference is left alive, or memory grows.
//
//   soak [runs]   (default 10000)

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/form1.h"
#include "common/text.h"
#include "common/wait_clock.h"
#include "run/result_row.h"
#include "run/run_texts.h"
#include "uia_tree/hresults.h"
#include "sim/sim_measurement_sites.h"
#include "sim/sim_platform.h"

namespace {

using namespace tidemark;

constexpr std::uint32_t kSeed = 20240105;
constexpr int kDefaultRuns = 10'000;
// Far above the longest run the program's own waits allow (a few minutes).
constexpr double kRunLimitMs = 15 * 60'000.0;
// With the schedule on, a run is due every minute.
constexpr double kStallLimitMs = 10 * 60'000.0;
constexpr int kTickMs = 500;
constexpr int kMaxBoxesPerRun = 1000;
// Real seconds without a finished run before the soak counts itself hung.
constexpr int kWatchdogSeconds = 120;
// The simulated file lives in memory: a fresh one every so many rows keeps
// its growth out of the memory figures.
constexpr int kRowsPerFile = 50;
// Between runs only these stay alive: the automation object, the desktop
// element, the walker, and the Edge window and tab the window keeps.
constexpr int kLiveBetweenRuns = 5;
constexpr double kIntervalSeconds = 60;

enum class Fault {
    None,
    Vanish,
    ErrorCode,
    WindowClosed,
    Minimised,
    NeverFinishes,
    FileHeld,
    FileHeldCancel,
    FileHeldAtStart,
    EdgeFailsToStart,
};
constexpr std::size_t kFaultKinds = 10;
constexpr std::array<const char*, kFaultKinds> kFaultNames = {"none",
                                                              "element vanishes",
                                                              "error code on a call",
                                                              "Edge closed by user",
                                                              "Edge minimised",
                                                              "page never finishes",
                                                              "file held, OK",
                                                              "file held, Cancel",
                                                              "file held at start",
                                                              "Edge fails to start"};
constexpr std::array<double, kFaultKinds> kFaultWeights = {55, 8, 10, 4, 4, 4, 6, 1.5, 0.5, 3};

bool MayAddErrorRow(Fault fault) {
    // A failure while closing Edge after a normal row ends in the error ending's second row.
    return fault == Fault::ErrorCode || fault == Fault::Vanish || fault == Fault::WindowClosed;
}

// The simulated services remember every call for the tests to read; over
// thousands of runs that record would grow and hide whether the program's
// own memory stays flat. These answer as they do and remember nothing.
class QuietKeyboard : public Keyboard {
public:
    explicit QuietKeyboard(sim::SimEdge& edge) : edge_(edge) {}
    std::array<std::uint8_t, 256> GetKeyboardState() override { return {}; }
    void KeyEvent(std::uint8_t virtualKey, bool keyUp) override { edge_.KeyEvent(virtualKey, keyUp); }

private:
    sim::SimEdge& edge_;
};

class QuietProcessStarter : public ProcessStarter {
public:
    explicit QuietProcessStarter(sim::SimEdge& edge) : edge_(edge) {}
    void Start(const std::string& program, const std::string& arguments) override {
        if (failure_ != kSOk) throw PlatformError(failure_, "soak: the process cannot be started");
        if (!edge_.Start(program, arguments)) throw PlatformError(kFileNotFound, "soak: no program at " + program);
    }
    void FailWith(HResult code) { failure_ = code; }

private:
    sim::SimEdge& edge_;
    HResult failure_ = kSOk;
};

class QuietWindowOrder : public WindowOrder {
public:
    void ActivateByTitle(const std::string&) override {}
    void SetWindowPos(std::intptr_t, std::uint32_t) override {}
};

class DocumentsFolder : public SpecialFolders {
public:
    std::string ScriptHostFolder(const std::string& key) override {
        return LowerAscii(key) == "mydocuments" ? sim::SimFileSystem::kDocuments : "";
    }
    std::optional<std::string> ShellFolder(int csidl) override {
        if (csidl == 5) return sim::SimFileSystem::kDocuments;
        return std::nullopt;
    }
    std::optional<std::string> ShellPathFolder(const std::string&) override { return std::nullopt; }
};

class AnsweringMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(const std::string& text, const std::string&, MessageButtons buttons, MessageIcon) override {
        return answer(text, buttons);
    }
    std::function<MessageAnswer(const std::string&, MessageButtons)> answer;
};

// Every sleep of a run passes here, so a run that outlives its limit is
// caught in virtual time, wherever it waits.
class BoundedSleeper : public Sleeper {
public:
    explicit BoundedSleeper(sim::VirtualClock& clock) : clock_(clock) {}
    void Sleep(int milliseconds) override {
        if (check) check(milliseconds);
        clock_.Sleep(milliseconds);
    }
    std::function<void(int)> check;

private:
    sim::VirtualClock& clock_;
};

// Read without allocating, so that reading does not move the figure.
long ResidentKb() {
    char text[128] = {};
    const int fd = open("/proc/self/statm", O_RDONLY);
    if (fd < 0) return 0;
    const ssize_t length = read(fd, text, sizeof text - 1);
    close(fd);
    if (length <= 0) return 0;
    long size = 0, resident = 0;
    if (std::sscanf(text, "%ld %ld", &size, &resident) != 2) return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

bool IsCountdown(const std::string& caption) {
    if (caption.empty()) return false;
    const std::vector<std::string> parts = Split(caption.front() == '-' ? caption.substr(1) : caption, ':');
    if (parts.size() != 3 || parts[0].size() < 2 || parts[1].size() != 2 || parts[2].size() != 2) return false;
    for (const std::string& part : parts)
        if (!std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    return true;
}

struct Row {
    std::string line;
    std::vector<std::string> fields;
    const std::string& note() const { return fields[2]; }
    bool AllErrors() const {
        return std::all_of(fields.begin() + 3, fields.end(), [](const std::string& f) { return f == "Error"; });
    }
    bool AnyError() const {
        return std::any_of(fields.begin() + 3, fields.end(), [](const std::string& f) { return f == "Error"; });
    }
};

struct KindStats {
    int runs = 0;
    int done = 0;
    int timedOut = 0;
    int error = 0;
    int stopped = 0;  // no row: the schedule given up over the file
    int secondRows = 0;
    int triggered = 0;  // the fault reached the run
    double longestMs = 0;
    double virtualMs = 0;
    double realMs = 0;
};

class Soak {
public:
    explicit Soak(int runs) : runs_(runs) {
        sim_.pump.OnEachPass([this] { Tick(); });
        sleeper_.check = [this](int ms) { CheckRunLimit(ms); };
        boxes_.answer = [this](const std::string& text, MessageButtons buttons) { return Answer(text, buttons); };
        sites_.Register(edge_);
        // Pages of a second or two, so that many runs cost minutes, not hours.
        edge_.options = {.windowDelayMs = 300, .tabDelayMs = 100, .pageDelayMs = 150, .english = false};
        sites_.fast.settings.measureMs = 1'000;
        sites_.usen.settings.measureMs = 1'500;
        sites_.speed.settings.serverChoiceMs = 300;
        sites_.speed.settings.measureMs = 1'500;
        fastShort_ = sites_.fast.settings;
        usenShort_ = sites_.usen.settings;
        speedShort_ = sites_.speed.settings;
    }

    int Go();

private:
    struct RunState {
        int number = 0;
        Fault fault = Fault::None;
        std::string detail;
        bool viaTestNow = false;
        bool testNowInRun = false;
        double startMs = 0;
        std::chrono::steady_clock::time_point realStart;
        double slot = 0;  // the NextRunTime the run belongs to
        bool holdOn = false;
        bool cancelMode = false;
        int asksBeforeRelease = 1;
        int asks = 0;
        int boxes = 0;
        bool cancelAnswered = false;
        bool startBoxShown = false;
        bool triggered = false;
        std::optional<sim::Call> failedCall;  // reached once the call is made after the fault is set
        std::int64_t callsBeforeFault = 0;
        std::vector<std::weak_ptr<sim::Node>> silenced;
    };

    double Now() const { return sim_.clock.ElapsedMs(); }
    double WaitClock() { return ReadWaitClock(sim_.clock); }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    double Between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(rng_); }

    void Later(double ms, std::function<void()> change);
    Fault DrawFault();
    void Inject();
    void Vanish(int kind);
    void Tick();
    void IdleStep();
    void IdleUntilDue();
    void IdleUntilRun();
    void BeginRun();
    void EndRun();
    void Restore();
    void CheckRows();
    void CheckSchedule(bool stopped);
    void CheckRunLimit(int ms);
    MessageAnswer Answer(const std::string& text, MessageButtons buttons);
    void Failure(const std::string& what);
    [[noreturn]] void Hang(const std::string& what);
    void Summary(double realSeconds, long rssEarly, long rssEnd, int earlyRun, bool leakFree);
    void Watchdog();

    const int runs_;
    std::mt19937 rng_{kSeed};

    sim::SimPlatform sim_;
    sim::SimEdge edge_{sim_.desktop};
    sim::MeasurementSites sites_;
    QuietKeyboard keyboard_{edge_};
    QuietProcessStarter starter_{edge_};
    QuietWindowOrder windowOrder_;
    DocumentsFolder folders_;
    AnsweringMessageBoxes boxes_;
    BoundedSleeper sleeper_{sim_.clock};
    Platform platform_{sim_.clock,
                       sleeper_,
                       sim_.pump,
                       keyboard_,
                       sim_.settings,
                       sim_.instanceLock,
                       boxes_,
                       starter_,
                       sim_.browserLocation,
                       windowOrder_,
                       sim_.beeper,
                       sim_.environment,
                       sim_.locale,
                       sim_.automationFactory,
                       sim_.files,
                       folders_};
    Context context_{platform_};
    Form1 form_{context_};

    sim::FastPage::Settings fastShort_;
    sim::UsenPage::Settings usenShort_;
    sim::SpeedPage::Settings speedShort_;
    const std::string csvPath_ = std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark.csv";

    RunState run_;
    int generation_ = 0;  // what was scheduled for an earlier run does nothing
    bool inRun_ = false;
    bool runEnded_ = false;
    double nextTickMs_ = 0;
    std::size_t csvOffset_ = 0;
    int rowsInFile_ = 0;
    int filesStarted_ = 0;

    int failures_ = 0;
    int rows_ = 0;
    int stops_ = 0;
    int nestedTicks_ = 0;
    int viaStart_ = 0;
    int viaTestNow_ = 0;
    int maxLive_ = 0;
    std::array<KindStats, kFaultKinds> stats_{};
    std::vector<std::pair<int, long>> rssByRun_;

    std::atomic<int> finishedRuns_{0};
    std::atomic<bool> done_{false};
    std::mutex watchMutex_;
    std::condition_variable watchWake_;
};

void Soak::Failure(const std::string& what) {
    if (++failures_ <= 25)
        std::printf("FAIL run %d (seed %u, fault: %s%s%s): %s\n", run_.number, kSeed,
                    kFaultNames[static_cast<std::size_t>(run_.fault)], run_.detail.empty() ? "" : ", ",
                    run_.detail.c_str(), what.c_str());
}

void Soak::Hang(const std::string& what) {
    Failure(what);
    std::printf("status: %s\n", form_.lblTimeRemain.Caption.c_str());
    std::fflush(stdout);
    std::_Exit(2);
}

void Soak::Later(double ms, std::function<void()> change) {
    sim_.desktop.After(ms, [this, generation = generation_, change = std::move(change)] {
        if (generation == generation_) change();
    });
}

Fault Soak::DrawFault() {
    std::discrete_distribution<int> kinds(kFaultWeights.begin(), kFaultWeights.end());
    Fault fault = static_cast<Fault>(kinds(rng_));
    // A file must be there to be held before the run.
    if (fault == Fault::FileHeldAtStart && !sim_.files.FileExists(csvPath_)) fault = Fault::FileHeld;
    return fault;
}

void Soak::Inject() {
    constexpr std::array<HResult, 7> kCodes = {kEFail,
                                               kElementNotAvailable,
                                               kEInvalidArg,
                                               kEAccessDenied,
                                               uia_tree::kInvalidOperation,
                                               kENotImpl,
                                               static_cast<HResult>(0x80010108u)};
    const double at = Between(0, 5'000);
    switch (run_.fault) {
        case Fault::None: break;
        case Fault::Vanish: {
            const int kind = Pick(6);
            run_.detail = "kind " + std::to_string(kind) + " at " + std::to_string(static_cast<int>(at)) + " ms";
            Later(at, [this, kind] { Vanish(kind); });
            break;
        }
        case Fault::ErrorCode: {
            const auto call = static_cast<sim::Call>(Pick(static_cast<int>(sim::kCallCount)));
            HResult code = kCodes[static_cast<std::size_t>(Pick(static_cast<int>(kCodes.size())))];
            const int mode = Pick(10);
            int times = 1 + Pick(5);
            if (mode == 8) times = sim::Desktop::kAlways;
            if (mode == 9) code = kSOk;  // succeeds with an empty reference
            run_.detail = std::string(sim::CallName(call)) + " " + HResultText(code) + " x" +
                          (times < 0 ? std::string("always") : std::to_string(times)) + " at " +
                          std::to_string(static_cast<int>(at)) + " ms";
            Later(at, [this, call, code, times] {
                run_.failedCall = call;
                run_.callsBeforeFault = sim_.desktop.calls(call);
                sim_.desktop.Fail(call, code, times);
            });
            break;
        }
        case Fault::WindowClosed:
            run_.detail = "at " + std::to_string(static_cast<int>(at)) + " ms";
            Later(at, [this] {
                for (const sim::EdgeWindowPtr& window : edge_.windows()) {
                    run_.triggered = true;
                    window->CloseByUser();
                }
            });
            break;
        case Fault::Minimised:
            run_.detail = "at " + std::to_string(static_cast<int>(at)) + " ms";
            Later(at, [this] {
                const auto windows = edge_.windows();
                if (windows.empty()) return;
                run_.triggered = true;
                windows.front()->node()->visualState = uia::visual_state::Minimized;
            });
            break;
        case Fault::NeverFinishes: {
            const int kind = Pick(5);
            run_.triggered = true;
            if (kind == 0) sites_.fast.settings.neverFinishes = true;
            if (kind == 1) sites_.usen.settings.neverFinishes = true;
            if (kind == 2) sites_.speed.settings.measureMs = sim::kForever;
            if (kind == 3) sites_.speed.settings.serverChoiceMs = sim::kForever;
            if (kind == 4) sites_.usen.settings.title = "USEN GATE 02";  // a title the wait never sees
            constexpr std::array<const char*, 5> kWhat = {"FAST", "USEN", "SPEED measurement", "SPEED server",
                                                          "USEN title"};
            run_.detail = kWhat[static_cast<std::size_t>(kind)];
            break;
        }
        case Fault::FileHeld:
        case Fault::FileHeldCancel: {
            run_.cancelMode = run_.fault == Fault::FileHeldCancel;
            run_.asksBeforeRelease = 1 + Pick(3);
            const double holdAt = Between(300, 5'000);
            run_.detail = "from " + std::to_string(static_cast<int>(holdAt)) + " ms";
            Later(holdAt, [this] {
                if (!sim_.files.FileExists(csvPath_)) return;
                sim_.files.HoldByOtherProgram(csvPath_, true);
                run_.holdOn = true;
            });
            break;
        }
        case Fault::FileHeldAtStart:
            sim_.files.HoldByOtherProgram(csvPath_, true);
            run_.holdOn = true;
            run_.triggered = true;
            break;
        case Fault::EdgeFailsToStart: {
            constexpr std::array<HResult, 3> kStartCodes = {kFileNotFound, kEAccessDenied, kEFail};
            const HResult code = kStartCodes[static_cast<std::size_t>(Pick(3))];
            run_.detail = HResultText(code);
            sim_.desktop.RunDue();  // a window still opening from an earlier start would stand in
            for (const sim::EdgeWindowPtr& window : edge_.windows()) window->CloseByUser();
            starter_.FailWith(code);
            run_.triggered = true;
            break;
        }
    }
}

void Soak::Vanish(int kind) {
    const auto windows = edge_.windows();
    if (windows.empty()) return;
    const sim::EdgeWindowPtr& window = windows.front();
    const sim::EdgeTabPtr tab = window->selectedTab();
    const sim::EdgePagePtr page = tab ? tab->page : nullptr;
    const HResult code = Chance(0.5) ? kElementNotAvailable : kEFail;
    const double forMs = Between(100, 3'000);
    auto silence = [&](const sim::NodePtr& node) {
        sim_.desktop.StopAnswering(node, code, forMs);
        run_.silenced.push_back(node);
        run_.triggered = true;
    };
    switch (kind) {
        case 0: {
            if (!page || !page->Showing()) return;
            std::vector<sim::NodePtr> nodes{page->document};
            for (std::size_t i = 0; i < nodes.size(); ++i)
                for (const sim::NodePtr& child : nodes[i]->children()) nodes.push_back(child);
            nodes[static_cast<std::size_t>(Pick(static_cast<int>(nodes.size())))]->Remove();
            run_.triggered = true;
            return;
        }
        case 1: return silence(window->node());
        case 2: return silence(window->browserView());
        case 3: return silence(window->addressEdit());
        case 4:
            window->ReplaceBrowserView();
            run_.triggered = true;
            return;
        default:
            if (!page || !page->Showing()) return;
            page->ReplaceDocument("about:blank");
            run_.triggered = true;
            return;
    }
}

MessageAnswer Soak::Answer(const std::string& text, MessageButtons buttons) {
    if (!inRun_) {
        Failure("a message box outside a run: " + text);
        return MessageAnswer::Ok;
    }
    if (++run_.boxes > kMaxBoxesPerRun) Hang("the same message box over and over");
    if (text == run_text::kFileInUseAsk && buttons == MessageButtons::OkCancel) {
        if (!run_.holdOn) Failure("asked about a file nobody holds");
        ++run_.asks;
        run_.triggered = true;
        if (run_.cancelMode) {
            run_.cancelAnswered = true;
            return MessageAnswer::Cancel;
        }
        if (run_.asks >= run_.asksBeforeRelease) {
            sim_.files.HoldByOtherProgram(csvPath_, false);
            run_.holdOn = false;
        }
        return MessageAnswer::Ok;
    }
    if (text == run_text::kFileInUse && buttons == MessageButtons::Ok) {
        if (!run_.holdOn) Failure("told of a file nobody holds");
        run_.startBoxShown = true;
        return MessageAnswer::Ok;
    }
    Failure("an unexpected message: " + text);
    return MessageAnswer::Ok;
}

void Soak::CheckRunLimit(int ms) {
    if (!inRun_) return;
    if (Now() + ms - run_.startMs > kRunLimitMs)
        Hang("the run went on past " + std::to_string(static_cast<int>(kRunLimitMs / 60'000)) + " virtual minutes");
}

// The window's 500 ms timer, delivered by the message loop as a real one
// is, also inside a run's waits.
void Soak::Tick() {
    if (!form_.tmrProc.Enabled || Now() < nextTickMs_) return;
    nextTickMs_ = Now() + kTickMs;
    if (inRun_) {
        ++nestedTicks_;
        form_.tmrProc_Timer();  // not entered again
        if (run_.testNowInRun) {
            run_.testNowInRun = false;
            form_.cmdTestNow_Click();  // disabled while a run goes on: no effect
        }
        return;
    }
    const double slot = form_.NextRunTime;
    BeginRun();
    run_.slot = slot;
    form_.tmrProc_Timer();
    if (IsCountdown(form_.lblTimeRemain.Caption)) {
        inRun_ = false;  // a tick of the countdown, not a run
        return;
    }
    EndRun();
}

void Soak::IdleStep() {
    sim_.clock.Sleep(kTickMs);
    platform_.pump.DoEvents();
}

// Up to just before the tick that starts the run, so that faults drawn for
// a moment of the run land in it. A missed slot is left to the schedule.
void Soak::IdleUntilDue() {
    const double start = Now();
    for (;;) {
        const double remaining = form_.NextRunTime - WaitClock();
        if (remaining > -0.6 && remaining <= 1.2) return;
        if (run_.viaTestNow && Chance(0.05)) {
            form_.cmdTestNow_Click();
            ++viaTestNow_;
            continue;
        }
        if (Now() - start > kStallLimitMs) Hang("the schedule is on but no run comes");
        IdleStep();
    }
}

void Soak::IdleUntilRun() {
    const double start = Now();
    runEnded_ = false;
    while (!runEnded_) {
        if (Now() - start > kStallLimitMs) Hang("the schedule is on but no run comes");
        IdleStep();
    }
}

void Soak::BeginRun() {
    inRun_ = true;
    run_.startMs = Now();
    run_.realStart = std::chrono::steady_clock::now();
}

void Soak::Restore() {
    if (run_.holdOn && sim_.files.FileExists(csvPath_)) sim_.files.HoldByOtherProgram(csvPath_, false);
    run_.holdOn = false;
    sim_.desktop.ClearFaults();
    starter_.FailWith(kSOk);
    sites_.fast.settings = fastShort_;
    sites_.usen.settings = usenShort_;
    sites_.speed.settings = speedShort_;
    for (const auto& weak : run_.silenced)
        if (const sim::NodePtr node = weak.lock()) sim_.desktop.AnswerAgain(node);
    ++generation_;
}

void Soak::EndRun() {
    inRun_ = false;
    runEnded_ = true;
    Restore();
    const bool stopped = run_.cancelAnswered || run_.startBoxShown;
    if (run_.failedCall && sim_.desktop.calls(*run_.failedCall) > run_.callsBeforeFault) run_.triggered = true;
    KindStats& kind = stats_[static_cast<std::size_t>(run_.fault)];
    ++kind.runs;
    if (run_.triggered) ++kind.triggered;
    const double virtualMs = Now() - run_.startMs;
    kind.virtualMs += virtualMs;
    kind.longestMs = std::max(kind.longestMs, virtualMs);
    kind.realMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - run_.realStart).count();
    if (stopped) {
        ++kind.stopped;
        ++stops_;
    }
    if (run_.fault == Fault::FileHeldAtStart && !run_.startBoxShown)
        Failure("a file held at the start was not reported");

    CheckSchedule(stopped);
    CheckRows();

    const sim::LiveCounts& live = sim_.desktop.live();
    maxLive_ = std::max(maxLive_, live.total());
    if (live.total() > kLiveBetweenRuns)
        Failure("alive after the run: " + std::to_string(live.elements) + " elements, " + std::to_string(live.arrays) +
                " arrays, " + std::to_string(live.conditions) + " conditions, " + std::to_string(live.patterns) +
                " patterns, " + std::to_string(live.walkers) + " walkers, " + std::to_string(live.automations) +
                " automation objects");

    if (rowsInFile_ >= kRowsPerFile) {
        sim_.files.RemoveFile(csvPath_);
        csvOffset_ = 0;
        rowsInFile_ = 0;
    }
    finishedRuns_.store(run_.number);
}

void Soak::CheckSchedule(bool stopped) {
    if (stopped) {
        if (!form_.RunAborted || form_.tmrProc.Enabled || !form_.cmdStart.Enabled || form_.cmdStop.Enabled)
            Failure("the file was given up but the schedule goes on");
        if (form_.lblTimeRemain.Caption != run_text::kFileInUse)
            Failure("status after giving up the file: " + form_.lblTimeRemain.Caption);
        return;
    }
    if (form_.RunAborted || !form_.tmrProc.Enabled || form_.cmdStart.Enabled || !form_.cmdStop.Enabled ||
        !form_.cmdTestNow.Enabled || form_.Frame1.Enabled)
        Failure("the schedule is not armed after the run");
    // From the slot's own time, whatever happened in the run (a TestNow press included).
    const double expected = run_.slot + kIntervalSeconds;
    if (std::abs(form_.NextRunTime - expected) > 1e-6)
        Failure("next run at " + std::to_string(form_.NextRunTime - run_.slot) + " s after the slot, not " +
                std::to_string(kIntervalSeconds));
}

void Soak::CheckRows() {
    const std::string contents = sim_.files.Contents(csvPath_);
    if (contents.size() < csvOffset_) {
        Failure("the result file shrank");
        csvOffset_ = 0;
    }
    const std::string added = contents.substr(csvOffset_);
    const bool freshFile = csvOffset_ == 0 && !added.empty();
    csvOffset_ = contents.size();

    std::vector<std::string> lines;
    for (std::size_t from = 0; from < added.size();) {
        const std::size_t end = added.find("\r\n", from);
        if (end == std::string::npos) {
            Failure("a line without CR LF: " + added.substr(from));
            break;
        }
        lines.push_back(added.substr(from, end - from));
        from = end + 2;
        if (lines.back().find_first_of("\r\n") != std::string::npos) Failure("a stray CR or LF in: " + lines.back());
        if (std::count(lines.back().begin(), lines.back().end(), ',') != 10) Failure("not 11 fields: " + lines.back());
    }
    std::size_t firstRow = 0;
    if (freshFile) {
        ++filesStarted_;
        const std::string header = ResultFileHeader();
        if (added.compare(0, header.size(), header) != 0)
            Failure("a new file without its header");
        else
            firstRow = 2;
    }

    std::vector<Row> rows;
    for (std::size_t i = firstRow; i < lines.size(); ++i) {
        Row row{lines[i], Split(lines[i], ',')};
        if (row.fields.size() != 11) continue;
        const std::string& note = row.note();
        if (row.fields[0] != " " || row.fields[1].size() < 10 ||
            (note != "" && note != run_text::kTimedOutNote && note != run_text::kErrorNote))
            Failure("a malformed row: " + row.line);
        rows.push_back(std::move(row));
    }
    rows_ += static_cast<int>(rows.size());
    rowsInFile_ += static_cast<int>(rows.size());

    KindStats& kind = stats_[static_cast<std::size_t>(run_.fault)];
    const bool stopped = run_.cancelAnswered || run_.startBoxShown;
    const std::size_t expected = stopped ? 0 : 1;
    if (rows.size() == 2 && !stopped && MayAddErrorRow(run_.fault) && rows[0].note() != run_text::kErrorNote &&
        rows[1].note() == run_text::kErrorNote) {
        ++kind.secondRows;
    } else if (rows.size() != expected) {
        std::string shown;
        for (const Row& row : rows) shown += "\n    " + row.line;
        Failure(std::to_string(rows.size()) + " rows, " + std::to_string(expected) +
                " expected; status: " + form_.lblTimeRemain.Caption + shown);
        return;
    }
    if (rows.empty()) return;
    const Row& first = rows.front();
    if (first.note() == run_text::kErrorNote)
        ++kind.error;
    else if (first.note() == run_text::kTimedOutNote)
        ++kind.timedOut;
    else
        ++kind.done;

    if (run_.fault == Fault::None &&
        (first.note() != "" || first.AnyError() || form_.lblTimeRemain.Caption != run_text::kAllDone))
        Failure("a run without a fault did not measure cleanly: " + first.line + " / " + form_.lblTimeRemain.Caption);
    if (run_.fault == Fault::EdgeFailsToStart && (first.note() != run_text::kErrorNote || !first.AllErrors()))
        Failure("Edge not starting is not the error ending: " + first.line);
}

void Soak::Watchdog() {
    int seen = -1;
    auto lastProgress = std::chrono::steady_clock::now();
    std::unique_lock lock(watchMutex_);
    while (!done_) {
        watchWake_.wait_for(lock, std::chrono::seconds(1));
        const int now = finishedRuns_.load();
        if (now != seen) {
            seen = now;
            lastProgress = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastProgress > std::chrono::seconds(kWatchdogSeconds)) {
            std::printf("FAIL (seed %u): no run finished for %d real seconds after run %d\n", kSeed, kWatchdogSeconds,
                        now);
            std::fflush(stdout);
            std::_Exit(3);
        }
    }
}

int Soak::Go() {
    const auto realStart = std::chrono::steady_clock::now();
    if (form_.Form_Load() != ProcessFate::KeepRunning) {
        std::printf("FAIL: Form_Load ended the program\n");
        return 1;
    }
    std::thread watchdog([this] { Watchdog(); });
    form_.IntervalLimitOff = true;
    form_.txtInterval.Text = "1";

    const int earlyRun = runs_ >= 2'000 ? 1'000 : std::max(1, runs_ / 5);
    long rssEarly = ResidentKb();  // the first reading sets up what reading needs
    for (int number = 1; number <= runs_; ++number) {
        run_ = RunState{};
        run_.number = number;
        run_.fault = DrawFault();
        run_.testNowInRun = Chance(0.05);
        if (!form_.tmrProc.Enabled) {
            // The first run, or the schedule given up: the user presses Start again.
            form_.chkCloseEdge.Value = Pick(2);
            ++viaStart_;
            Inject();
            run_.slot = WaitClock();
            BeginRun();
            form_.cmdStart_Click();
            EndRun();
        } else {
            run_.viaTestNow = Chance(0.05);
            IdleUntilDue();
            Inject();
            IdleUntilRun();
        }
        if (number == earlyRun) rssEarly = ResidentKb();
        if (number % std::max(1, runs_ / 10) == 0 || number == runs_) rssByRun_.emplace_back(number, ResidentKb());
    }
    const long rssEnd = ResidentKb();
    const double realSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - realStart).count();

    (void)form_.Form_Unload();
    form_.elmEdgeWindow.reset();
    form_.elmEdgeTab.reset();
    context_.automation = AutomationState{};
    const bool leakFree = sim_.desktop.live().total() == 0;
    if (!leakFree) Failure("references left alive at the end: " + std::to_string(sim_.desktop.live().total()));

    {
        std::lock_guard lock(watchMutex_);
        done_ = true;
    }
    watchWake_.notify_all();
    watchdog.join();

    Summary(realSeconds, rssEarly, rssEnd, earlyRun, leakFree);
    const double growth = rssEarly > 0 ? static_cast<double>(rssEnd - rssEarly) / static_cast<double>(rssEarly) : 0;
    const bool memoryFlat = runs_ < 2'000 || growth <= 0.01;
    if (!memoryFlat)
        std::printf("FAIL: resident size grew %.2f %% from run %d to run %d\n", growth * 100, earlyRun, runs_);
    const bool ok = failures_ == 0 && leakFree && memoryFlat;
    std::printf("%s\n", ok ? "soak passed" : "soak FAILED");
    return ok ? 0 : 1;
}

void Soak::Summary(double realSeconds, long rssEarly, long rssEnd, int earlyRun, bool leakFree) {
    const double virtualHours = Now() / 3'600'000.0;
    std::printf("\nsoak: %d runs, seed %u\n", runs_, kSeed);
    std::printf("rows: %d in %d files (a fresh file every %d rows); schedule given up over the file: %d\n", rows_,
                filesStarted_, kRowsPerFile, stops_);
    std::printf("runs started by Start: %d, by TestNow: %d, ticks inside runs (not entered): %d\n", viaStart_,
                viaTestNow_, nestedTicks_);
    std::printf("virtual time: %.1f h (%.1f days); real time: %.1f s; virtual/real %.0f\n", virtualHours,
                virtualHours / 24, realSeconds, Now() / 1000.0 / realSeconds);
    std::printf("\n%-22s %6s %7s %6s %6s %6s %6s %6s %8s %8s %8s\n", "fault", "runs", "reached", "done", "t/out",
                "error", "given", "2 rows", "avg s", "max s", "real ms");
    for (std::size_t i = 0; i < kFaultKinds; ++i) {
        const KindStats& s = stats_[i];
        if (s.runs == 0) continue;
        std::printf("%-22s %6d %7d %6d %6d %6d %6d %6d %8.1f %8.1f %8.2f\n", kFaultNames[i], s.runs, s.triggered,
                    s.done, s.timedOut, s.error, s.stopped, s.secondRows, s.virtualMs / s.runs / 1000,
                    s.longestMs / 1000, s.realMs / s.runs);
    }
    std::printf("\nresident size (KB) by run:");
    for (const auto& [number, kb] : rssByRun_) std::printf(" %d:%ld", number, kb);
    std::printf("\nresident size at run %d: %ld KB, at run %d: %ld KB (%+.2f %%)%s\n", earlyRun, rssEarly, runs_,
                rssEnd,
                rssEarly > 0 ? 100.0 * static_cast<double>(rssEnd - rssEarly) / static_cast<double>(rssEarly) : 0.0,
                runs_ < 2'000 ? " (not judged below 2000 runs)" : "");
    std::printf("most references alive between runs: %d (limit %d); at the end: %s\n", maxLive_, kLiveBetweenRuns,
                leakFree ? "none" : "some");
    std::printf("failures: %d\n", failures_);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: soak [runs]\n");
        return 2;
    }
    auto soak = std::make_unique<Soak>(runs);
    return soak->Go();
}
