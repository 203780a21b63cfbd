#include "qt/form1_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/form1_layout.h"
#include "app/form_validation.h"
#include "qt/qt_message_boxes.h"
#include "report/memory_record_files.h"
#include "sim/sim_test.h"

namespace tidemark::qt {
namespace {

class Form1WindowTest : public test::SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ASSERT_EQ(form.Form_Load(), ProcessFate::KeepRunning);
        window.SyncFromForm();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class Widget>
    Widget* W(const std::string& name, int index = -1) {
        auto* widget = qobject_cast<Widget*>(window.Control(name, index));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void TypeInto(QLineEdit* field, const QString& text) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    std::size_t MessageCount() const { return sim.messageBoxes.shown().size(); }
    std::string LastMessage() const {
        return sim.messageBoxes.shown().empty() ? "" : sim.messageBoxes.shown().back().text;
    }
    std::optional<std::string> Stored(const std::string& key) { return sim.settings.Get("Tidemark", "Setting", key); }

    Form1 form{context};
    int endProcessCalls = 0;
    Form1Window window{form, [this] { ++endProcessCalls; }};
};

TEST_F(Form1WindowTest, ARefusedIntervalKeepsTheFocusAndSwallowsTheClickOnStart) {
    auto* interval = W<QLineEdit>("txtInterval");
    auto* start = W<QPushButton>("cmdStart");
    QSignalSpy startClicks(start, &QPushButton::clicked);

    TypeInto(interval, "2");
    EXPECT_EQ(form.txtInterval.Text, "2");
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(MessageCount(), 1u);
    EXPECT_EQ(LastMessage(), kIntervalMinimumMessage);
    EXPECT_EQ(QApplication::focusWidget(), interval);
    EXPECT_EQ(startClicks.count(), 0);
    EXPECT_FALSE(start->isDown());

    QTest::keyClick(interval, Qt::Key_Tab);
    EXPECT_EQ(MessageCount(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), interval);

    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);  // Start's access key
    EXPECT_TRUE(QTest::qWaitFor([&] { return MessageCount() == 3u; }));
    // An access key presses its button at once and clicks it a moment later.
    EXPECT_FALSE(start->isDown());
    EXPECT_EQ(startClicks.count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), interval);

    // A number that is no number keeps the focus without a word.
    TypeInto(interval, "abc");
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(MessageCount(), 3u);
    EXPECT_EQ(QApplication::focusWidget(), interval);
    EXPECT_EQ(startClicks.count(), 0);

    TypeInto(interval, "5");
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(MessageCount(), 3u);
    EXPECT_EQ(startClicks.count(), 1);
    window.SyncFromForm();
    EXPECT_FALSE(start->isEnabled()) << "the click went through: the schedule is armed";
}

TEST_F(Form1WindowTest, AltROpensTheReportOfTheFileNamedInTheWindow) {
    test::MemoryRecordFiles files;
    test::RecordingViewer viewer;
    RecordServices records{files, viewer};
    context.records = &records;
    files.files[std::string(sim::SimFileSystem::kDocuments) + "\\Line.csv"] =
        " ,2024/01/05 9:03:07,,95Mbps,----,----,----,----,----,----,----\r\n";
    TypeInto(W<QLineEdit>("txtFileName"), "Line");
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    // An access key clicks after a short delay of Qt's own.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !viewer.shown.empty(); })) << LastMessage();
    ASSERT_EQ(viewer.shown.size(), 1u);
    EXPECT_EQ(viewer.shown[0], std::string(test::MemoryRecordFiles::kFolder) + "Line.html");
    EXPECT_NE(files.Contents(viewer.shown[0]).find("1 runs from 2024-01-05 09:03"), std::string::npos);
    EXPECT_EQ(MessageCount(), 0u);
    context.records = nullptr;
}

// The real box runs its own event loop inside the focus change.
TEST(Form1WindowWithQtMessageBox, TheRefusalStillKeepsTheFocusAndSwallowsTheClick) {
    QtMessageBoxes boxes;
    sim::SimPlatform sim;
    Platform platform = sim.PlatformWith({.messageBoxes = &boxes});
    Context context(platform);
    Form1 form(context);
    ASSERT_EQ(form.Form_Load(), ProcessFate::KeepRunning);
    Form1Window window(form, [] {});
    boxes.SetOwner(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int shown = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++shown;
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(10);

    auto* interval = qobject_cast<QLineEdit*>(window.Control("txtInterval"));
    auto* start = qobject_cast<QPushButton*>(window.Control("cmdStart"));
    QSignalSpy startClicks(start, &QPushButton::clicked);
    interval->setFocus(Qt::OtherFocusReason);
    interval->selectAll();
    QTest::keyClicks(interval, "2");
    // Closing the box gives the window its activation and the field its focus back a moment later.
    const auto backInTheField = [&] {
        return QApplication::activeWindow() == &window && QApplication::focusWidget() == interval;
    };
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown == 1 && backInTheField(); })) << shown << " boxes shown";
    EXPECT_EQ(startClicks.count(), 0);

    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown == 2 && backInTheField(); })) << shown << " boxes shown";
    EXPECT_FALSE(start->isDown());
    EXPECT_EQ(startClicks.count(), 0);
}

TEST_F(Form1WindowTest, ARefusedFileNameKeepsACheckBoxFromChanging) {
    auto* fileName = W<QLineEdit>("txtFileName");
    auto* usen = W<QCheckBox>("chkUSEN");
    TypeInto(fileName, "CON");
    QTest::mouseClick(usen, Qt::LeftButton);
    EXPECT_EQ(LastMessage(), kInvalidFileNameMessage);
    EXPECT_TRUE(usen->isChecked());
    EXPECT_EQ(form.chkUSEN.Value, 1);
    EXPECT_EQ(QApplication::focusWidget(), fileName);

    TypeInto(fileName, "home line");
    QTest::mouseClick(usen, Qt::LeftButton);
    EXPECT_FALSE(usen->isChecked());
    EXPECT_EQ(form.chkUSEN.Value, 0);
    EXPECT_EQ(form.txtFileName.Text, "home line");
    EXPECT_EQ(MessageCount(), 1u);
}

TEST_F(Form1WindowTest, ClicksAndTypingReachTheFormAndClosingSavesThem) {
    auto* start = W<QPushButton>("cmdStart");
    for (const char* box : {"chkFAST", "chkUSEN", "chkSPEED"}) QTest::mouseClick(W<QCheckBox>(box), Qt::LeftButton);
    EXPECT_FALSE(start->isEnabled());
    QTest::mouseClick(W<QCheckBox>("chkSPEED"), Qt::LeftButton);
    EXPECT_TRUE(start->isEnabled());
    TypeInto(W<QLineEdit>("txtInterval"), "2");

    window.close();
    EXPECT_EQ(endProcessCalls, 1);
    EXPECT_EQ(sim.settings.writtenKeys().size(), 6u);
    EXPECT_EQ(Stored("chkFAST"), "0");
    EXPECT_EQ(Stored("chkSPEED"), "1");
    EXPECT_EQ(Stored("txtInterval"), "2");
}

TEST_F(Form1WindowTest, ControlsSitAtTheirTwipPositionsInTabOrder) {
    EXPECT_EQ(window.size(), QSize(217, 189));  // 3255 x 2835 twips at 96 dpi
    for (const ControlDescription& control : Form1Controls()) {
        if (control.kind == ControlKind::Timer) continue;
        QWidget* widget = window.Control(std::string(control.name), control.index);
        ASSERT_NE(widget, nullptr) << control.name;
        const QRect expected(control.position.left / 15, control.position.top / 15, control.position.width / 15,
                             control.position.height / 15);
        EXPECT_LE((widget->geometry().topLeft() - expected.topLeft()).manhattanLength(), 1) << control.name;
        EXPECT_LE(std::abs(widget->width() - expected.width()) + std::abs(widget->height() - expected.height()), 2)
            << control.name;
        EXPECT_EQ(widget->parentWidget() == &window, control.container.empty()) << control.name;
        if (!control.toolTip.empty()) {
            EXPECT_EQ(widget->toolTip().toStdString(), control.toolTip) << control.name;
        }
    }
    EXPECT_DOUBLE_EQ(window.Control("cmdTestNow")->font().pointSizeF(), 9.0);
    EXPECT_DOUBLE_EQ(window.Control("chkFAST")->font().pointSizeF(), 11.25);
    EXPECT_EQ(window.font().family(), "IPAPGothic");  // no MS PGothic here; fonts-ipafont-gothic is

    QWidget* focus = W<QCheckBox>("chkFAST");
    for (const char* next : {"chkUSEN", "chkSPEED", "txtFileName", "txtInterval", "chkCloseEdge", "cmdStop",
                             "cmdTestNow", "cmdStart", "cmdReport"}) {
        do focus = focus->nextInFocusChain();
        while (focus->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(focus, window.Control(next)) << next;
    }
}

// Pictures for a reviewer: the idle window, and the frame locking the settings while armed.
TEST_F(Form1WindowTest, ScreenshotsOfTheWindowIdleAndArmed) {
    const QString folder = QStringLiteral(TIDEMARK_TEST_OUTPUT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap idle = window.grab();
    EXPECT_EQ(idle.size(), QSize(217, 189));
    EXPECT_TRUE(idle.save(folder + "/tidemark-window.png"));

    form.Frame1.Enabled = false;
    form.cmdStart.Enabled = false;
    form.cmdStop.Enabled = true;
    form.cmdTestNow.Enabled = true;
    form.lblTimeRemain.Caption = "00:29:58";
    window.SyncFromForm();
    for (const char* setting : {"chkFAST", "chkUSEN", "chkSPEED", "txtFileName", "txtInterval", "chkCloseEdge"})
        EXPECT_FALSE(window.Control(setting)->isEnabled()) << setting;
    EXPECT_TRUE(W<QPushButton>("cmdStop")->isEnabled());
    EXPECT_EQ(W<QLabel>("lblTimeRemain")->text(), "00:29:58");
    EXPECT_TRUE(window.grab().save(folder + "/tidemark-window-armed.png"));
}

}  // namespace
}  // namespace tidemark::qt
