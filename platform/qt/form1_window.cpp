#include "qt/form1_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "app/form1_layout.h"
#include "qt/focus_leave_validator.h"
#include "qt/window_metrics.h"

namespace tidemark::qt {

namespace {
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <class Widget>
Widget* As(QWidget* widget) {
    auto* typed = qobject_cast<Widget*>(widget);
    Q_ASSERT(typed != nullptr);
    return typed;
}

// The window is synced at every pass of the program's message loop: a widget
// is touched only when its state differs, as setting one costs even when unchanged.
void ShowEnabled(QWidget* widget, bool enabled) {
    if (widget->testAttribute(Qt::WA_ForceDisabled) == enabled) widget->setEnabled(enabled);
}

void ShowText(QLineEdit* field, const TextBox& state) {
    const QString text = QString::fromStdString(state.Text);
    if (field->text() != text) {
        const QSignalBlocker quiet(field);
        field->setText(text);
    }
    ShowEnabled(field, state.Enabled);
}

void ShowCheck(QCheckBox* box, const CheckBox& state) {
    if (box->isChecked() != (state.Value == 1)) {
        const QSignalBlocker quiet(box);
        box->setChecked(state.Value == 1);
    }
    ShowEnabled(box, state.Enabled);
}
}  // namespace

Form1Window::Form1Window(Form1& form, std::function<void()> endProcess)
    : form_(form), endProcess_(std::move(endProcess)) {
    Build();
    Connect();
    SyncFromForm();
}

Form1Window::~Form1Window() = default;

void Form1Window::Build() {
    const FormDescription& description = Form1Description();
    setWindowTitle(Q(description.caption));
    setFont(WindowFont(description.fontName, description.fontPoints));
    const TwipScale scale(screen() != nullptr ? screen()->logicalDotsPerInch() : 96.0);
    setFixedSize(scale.Pixels(description.clientWidth), scale.Pixels(description.clientHeight));

    // The frame first, so the controls inside it have their parent.
    const ControlDescription& frame = Form1Control("Frame1");
    Frame1_ = Create(frame, this);
    Frame1_->setGeometry(scale.Rect(frame.position));
    QWidget* previousInTabOrder = nullptr;
    for (const ControlDescription& control : Form1Controls()) {
        if (control.kind == ControlKind::Timer || control.kind == ControlKind::Frame) continue;
        QWidget* widget = Create(control, control.container == "Frame1" ? Frame1_ : this);
        widget->setGeometry(scale.Rect(control.position));
        if (control.fontPoints > 0.0) {
            QFont font = widget->font();
            font.setPointSizeF(control.fontPoints);
            widget->setFont(font);
        }
        if (control.kind == ControlKind::Label)
            widget->setFont(NarrowedToFit(widget->font(), Q(control.caption), widget->width()));
        if (!control.toolTip.empty()) widget->setToolTip(Q(control.toolTip));
        if (control.tabIndex >= 0) {
            if (previousInTabOrder != nullptr) setTabOrder(previousInTabOrder, widget);
            previousInTabOrder = widget;
        }
    }
    chkFAST_ = As<QCheckBox>(Control("chkFAST"));
    chkUSEN_ = As<QCheckBox>(Control("chkUSEN"));
    chkSPEED_ = As<QCheckBox>(Control("chkSPEED"));
    chkCloseEdge_ = As<QCheckBox>(Control("chkCloseEdge"));
    txtFileName_ = As<QLineEdit>(Control("txtFileName"));
    txtInterval_ = As<QLineEdit>(Control("txtInterval"));
    cmdStop_ = As<QPushButton>(Control("cmdStop"));
    cmdTestNow_ = As<QPushButton>(Control("cmdTestNow"));
    cmdStart_ = As<QPushButton>(Control("cmdStart"));
    cmdReport_ = As<QPushButton>(Control("cmdReport"));
    lblTimeRemain_ = As<QLabel>(Control("lblTimeRemain"));
    chkFAST_->setFocus(Qt::OtherFocusReason);
}

QWidget* Form1Window::Create(const ControlDescription& control, QWidget* container) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::CheckBox: widget = new QCheckBox(Q(control.caption), container); break;
        case ControlKind::TextBox: widget = new QLineEdit(Q(control.caption), container); break;
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(Q(control.caption), container);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(container);
            frame->setFocusPolicy(Qt::NoFocus);
            widget = frame;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(Q(control.caption), container);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::Timer: break;
    }
    const std::string name(control.name);
    widget->setObjectName(control.index < 0 ? Q(name) : Q(name + "_" + std::to_string(control.index)));
    if (control.tabIndex >= 0) widget->setFocusPolicy(Qt::StrongFocus);
    widgets_[{name, control.index}] = widget;
    return widget;
}

void Form1Window::Connect() {
    ConnectServiceBox(chkFAST_, form_.chkFAST, [this] { form_.chkFAST_Click(); });
    ConnectServiceBox(chkUSEN_, form_.chkUSEN, [this] { form_.chkUSEN_Click(); });
    ConnectServiceBox(chkSPEED_, form_.chkSPEED, [this] { form_.chkSPEED_Click(); });
    connect(chkCloseEdge_, &QCheckBox::clicked, this,
            [this](bool checked) { form_.chkCloseEdge.Value = checked ? 1 : 0; });
    connect(txtFileName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { form_.txtFileName.Text = text.toStdString(); });
    connect(txtInterval_, &QLineEdit::textChanged, this,
            [this](const QString& text) { form_.txtInterval.Text = text.toStdString(); });
    ConnectButton(cmdStart_, [this] { form_.cmdStart_Click(); });
    ConnectButton(cmdStop_, [this] { form_.cmdStop_Click(); });
    ConnectButton(cmdTestNow_, [this] { form_.cmdTestNow_Click(); });
    ConnectButton(cmdReport_, [this] { form_.cmdReport_Click(); });
    connect(&tmrProc_, &QTimer::timeout, this, &Form1Window::Tick);

    validator_ = new FocusLeaveValidator(this);
    validator_->Guard(txtFileName_, [this] {
        bool cancel = false;
        form_.txtFileName_Validate(cancel);
        SyncFromForm();
        return cancel;
    });
    validator_->Guard(txtInterval_, [this] {
        bool cancel = false;
        form_.txtInterval_Validate(cancel);
        SyncFromForm();
        return cancel;
    });
    for (QWidget* control :
         {static_cast<QWidget*>(chkFAST_), static_cast<QWidget*>(chkUSEN_), static_cast<QWidget*>(chkSPEED_),
          static_cast<QWidget*>(chkCloseEdge_), static_cast<QWidget*>(cmdStop_), static_cast<QWidget*>(cmdTestNow_),
          static_cast<QWidget*>(cmdStart_), static_cast<QWidget*>(cmdReport_)})
        validator_->Watch(control);
}

void Form1Window::ConnectServiceBox(QCheckBox* box, CheckBox& state, std::function<void()> click) {
    connect(box, &QCheckBox::clicked, this, [this, &state, click = std::move(click)](bool checked) {
        state.Value = checked ? 1 : 0;
        click();
        SyncFromForm();
    });
}

void Form1Window::ConnectButton(QPushButton* button, std::function<void()> click) {
    connect(button, &QPushButton::clicked, this, [this, click = std::move(click)](bool) {
        click();
        SyncFromForm();
    });
}

// A tick that falls inside a run that an earlier tick started is not delivered.
void Form1Window::Tick() {
    if (inTick_) return;
    inTick_ = true;
    form_.tmrProc_Timer();
    inTick_ = false;
    SyncFromForm();
}

void Form1Window::SyncFromForm() {
    ShowCheck(chkFAST_, form_.chkFAST);
    ShowCheck(chkUSEN_, form_.chkUSEN);
    ShowCheck(chkSPEED_, form_.chkSPEED);
    ShowCheck(chkCloseEdge_, form_.chkCloseEdge);
    ShowText(txtFileName_, form_.txtFileName);
    ShowText(txtInterval_, form_.txtInterval);
    ShowEnabled(cmdStop_, form_.cmdStop.Enabled);
    ShowEnabled(cmdTestNow_, form_.cmdTestNow.Enabled);
    ShowEnabled(cmdStart_, form_.cmdStart.Enabled);
    ShowEnabled(cmdReport_, form_.cmdReport.Enabled);
    ShowEnabled(Frame1_, form_.Frame1.Enabled);
    if (shownTimeRemain_ != form_.lblTimeRemain.Caption) {
        shownTimeRemain_ = form_.lblTimeRemain.Caption;
        lblTimeRemain_->setText(QString::fromStdString(*shownTimeRemain_));
    }
    if (tmrProc_.interval() != form_.tmrProc.Interval) tmrProc_.setInterval(form_.tmrProc.Interval);
    if (form_.tmrProc.Enabled && !tmrProc_.isActive()) tmrProc_.start();
    if (!form_.tmrProc.Enabled && tmrProc_.isActive()) tmrProc_.stop();
}

QWidget* Form1Window::Control(const std::string& name, int index) const {
    const auto found = widgets_.find({name, index});
    return found == widgets_.end() ? nullptr : found->second;
}

// Closing cannot be refused: the settings are saved and the process ends.
void Form1Window::closeEvent(QCloseEvent* event) {
    event->accept();
    if (form_.Form_Unload() == ProcessFate::EndAtOnce && endProcess_) endProcess_();
}

}  // namespace tidemark::qt
