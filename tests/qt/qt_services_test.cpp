#include <stdlib.h>
#include <time.h>

#include <gtest/gtest.h>

#include <string>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "app/form1.h"
#include "qt/qt_instance_lock.h"
#include "qt/qt_message_boxes.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_system_services.h"
#include "sim/sim_platform.h"

namespace tidemark::qt {
namespace {

TEST(QtSettingsStore, KeepsTheWindowsSettingsInQSettingsBetweenStarts) {
    QtSettingsStore store;
    EXPECT_EQ(store.Get("Tidemark", "Setting", "txtFileName"), std::nullopt);
    sim::SimPlatform sim;
    Platform platform = sim.PlatformWith({.settings = &store});
    Context context(platform);
    {
        Form1 first(context);
        ASSERT_EQ(first.Form_Load(), ProcessFate::KeepRunning);
        first.txtFileName.Text = "回線 ログ";
        first.txtInterval.Text = "2.5";
        first.chkSPEED.Value = 0;
        EXPECT_EQ(first.Form_Unload(), ProcessFate::EndAtOnce);
    }
    Form1 second(context);
    ASSERT_EQ(second.Form_Load(), ProcessFate::KeepRunning);
    EXPECT_EQ(second.txtFileName.Text, "回線 ログ");
    EXPECT_EQ(second.txtInterval.Text, "2.5");
    EXPECT_EQ(second.chkSPEED.Value, 0);
    EXPECT_EQ(second.chkCloseEdge.Value, 1);

    const QSettings settings("Tidemark", "Tidemark");
    EXPECT_TRUE(settings.fileName().endsWith("/Tidemark/Tidemark.conf")) << settings.fileName().toStdString();
    EXPECT_EQ(settings.childGroups(), QStringList{"Setting"});
    EXPECT_EQ(settings.value("Setting/chkSPEED").toString(), "0");
}

TEST(QtInstanceLock, OnlyOneHolderUntilItIsReleasedOrDies) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Tidemark.lock");
    {
        QtInstanceLock first(path);
        QtInstanceLock second(path);
        EXPECT_TRUE(first.TryAcquire());
        EXPECT_FALSE(second.TryAcquire());
        EXPECT_TRUE(first.TryAcquire()) << "the holder still holds it";
        first.Release();
        EXPECT_TRUE(second.TryAcquire());
    }
    // A copy that died holding the lock leaves the file behind, naming a process that is gone.
    QFile leftOver(path);
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.write("2147483000\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
    leftOver.close();
    QtInstanceLock afterCrash(path);
    EXPECT_TRUE(afterCrash.TryAcquire());
}

TEST(QtMessageBoxes, ShowTheInformationIconOkAndNoTitle) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title = "unseen";
    qsizetype buttons = 0;
    const QString picture = QStringLiteral(TIDEMARK_TEST_OUTPUT_DIR "/tidemark-message.png");
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(TIDEMARK_TEST_OUTPUT_DIR)));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll.stop();
        icon = box->icon();
        title = box->windowTitle();
        buttons = box->buttons().size();
        box->grab().save(picture);
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.Show("UI Automation could not be started (error 0x80040154).", "", MessageButtons::Ok,
                         MessageIcon::Information),
              MessageAnswer::Ok);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(title, "");
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(QFile::exists(picture));
}

// The clock looks the zone's offset up once a second; what it reads must still
// be the local time of a zone east or west of UTC, on either side of a DST change.
TEST(QtClock, ReadsTheLocalTimeOfTheZone) {
    const char* const old = std::getenv("TZ");
    const std::string kept = old == nullptr ? "" : old;
    for (const char* zone : {"Asia/Tokyo", "America/Los_Angeles", "UTC"}) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        QtClock clock;
        const LocalDateTime read = clock.Now();
        const QDateTime expected = QDateTime::currentDateTime();
        const double expectedSeconds = expected.time().msecsSinceStartOfDay() / 1000.0;
        EXPECT_EQ(read.day, expected.date().day()) << zone;
        EXPECT_NEAR(read.secondsSinceMidnight, expectedSeconds, 1.0) << zone;
    }
    if (old == nullptr) {
        ::unsetenv("TZ");
    } else {
        ::setenv("TZ", kept.c_str(), 1);
    }
    ::tzset();
}

}  // namespace
}  // namespace tidemark::qt
