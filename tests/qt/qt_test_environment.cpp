// The one QApplication the Qt tests share, with the per-user settings moved
// to a temporary folder so no test touches the real ones.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
        settingsFolder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(settingsFolder_->isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_->path());
    }

    void TearDown() override {
        settingsFolder_.reset();
        application_.reset();
    }

private:
    int argc_ = 1;
    char name_[18] = "tidemark_qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QTemporaryDir> settingsFolder_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace
