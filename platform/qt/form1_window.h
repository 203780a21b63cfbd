#pragma once

#include <functional>
#include <optional>
#include <map>
#include <string>
#include <utility>

#include <QTimer>
#include <QWidget>

#include "app/form1.h"
#include "app/form1_layout.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tidemark::qt {

class FocusLeaveValidator;

// Form1 drawn with Qt Widgets at its twip positions. The widgets show the
// form's state and hand every user event to the form's handlers.
class Form1Window : public QWidget {
    Q_OBJECT
public:
    // endProcess is called once Form_Unload has run.
    Form1Window(Form1& form, std::function<void()> endProcess);
    ~Form1Window() override;

    // Draws the form's current state: values, texts, enabled flags, status line, timer.
    void SyncFromForm();

    // The widget drawing a control of the layout table, for tests and screenshots.
    QWidget* Control(const std::string& name, int index = -1) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();
    QWidget* Create(const ControlDescription& control, QWidget* container);
    void Connect();
    void ConnectServiceBox(QCheckBox* box, CheckBox& state, std::function<void()> click);
    void ConnectButton(QPushButton* button, std::function<void()> click);
    void Tick();

    Form1& form_;
    std::function<void()> endProcess_;
    std::map<std::pair<std::string, int>, QWidget*> widgets_;
    QCheckBox* chkFAST_ = nullptr;
    QCheckBox* chkUSEN_ = nullptr;
    QCheckBox* chkSPEED_ = nullptr;
    QCheckBox* chkCloseEdge_ = nullptr;
    QLineEdit* txtFileName_ = nullptr;
    QLineEdit* txtInterval_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QPushButton* cmdTestNow_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdReport_ = nullptr;
    QWidget* Frame1_ = nullptr;
    QLabel* lblTimeRemain_ = nullptr;
    std::optional<std::string> shownTimeRemain_;  // empty until first shown
    QTimer tmrProc_;
    FocusLeaveValidator* validator_ = nullptr;
    bool inTick_ = false;
};

}  // namespace tidemark::qt
