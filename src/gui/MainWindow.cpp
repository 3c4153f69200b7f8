#include "MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "ArrivalPanelForm.h"
#include "AtisPanelForm.h"
#include "DeparturePanelForm.h"
#include "FlightPlanSheetDialog.h"
#include "FormFont.h"
#include "KeyForwarder.h"
#include "ListSelectionForwarder.h"
#include "QtPlatform.h"
#include "ToolTips.h"
#include "TopStripForm.h"
#include "Twips.h"
#include "UiText.h"
#include "app/KeyFilters.h"
#include "app/MainWindowController.h"
#include "window/Connection.h"

namespace corvane {

namespace {

QString nameOf(const std::string& name) {
    return QString::fromStdString(name);
}

}  // namespace

MainWindow::MainWindow(MainWindowController& controller, QtPlatform& platform)
    : QWidget(nullptr, Qt::Window), controller_(controller), platform_(platform) {
    setObjectName(QStringLiteral("MainWindow"));
    setFont(FormFont::standard());
    AtisPanelForm::build(this);
    DeparturePanelForm::build(this);
    ArrivalPanelForm::build(this);
    TopStripForm::build(this);
    ToolTips::apply(this);
    connectTimers();
    binder_ = std::make_unique<ModelBinder>(this);
    platform_.setOwner(this);
    connectButtons();
    connectLists();
    connectCombos();
    connectTextBoxes();
    connectRefresh();
    binder_->refresh(controller_.window());
    applyGeometry();
}

MainWindow::~MainWindow() {
    platform_.setOwner(nullptr);
}

void MainWindow::start() {
    controller_.start();
    if (!controller_.state().running) {
        endProgram();
        return;
    }
    afterAction(Focus::FromModel);
    show();
    raise();
    activateWindow();
    applyFocus();
}

void MainWindow::connectButtons() {
    for (const Button* button : controller_.window().buttons()) {
        auto* push = qobject_cast<QPushButton*>(control(nameOf(button->name)));
        if (push == nullptr) {
            continue;
        }
        const std::string name = button->name;
        connect(push, &QPushButton::clicked, this, [this, name] {
            post([this, name] { controller_.click(name); }, Focus::FromModel);
        });
    }
}

void MainWindow::connectLists() {
    for (const ListBox* box : controller_.window().lists()) {
        auto* list = qobject_cast<QListWidget*>(control(nameOf(box->name)));
        if (list == nullptr) {
            continue;
        }
        auto* forwarder =
            new ListSelectionForwarder(list, [this] { return binder_ && binder_->refreshing(); });
        const std::string name = box->name;
        connect(forwarder, &ListSelectionForwarder::chosen, this, [this, name](int row) {
            post([this, name, row] { controller_.select(name, row); }, Focus::Keep);
        });
    }
}

void MainWindow::connectCombos() {
    for (const ComboBox* box : controller_.window().combos()) {
        auto* combo = qobject_cast<QComboBox*>(control(nameOf(box->name)));
        if (combo == nullptr) {
            continue;
        }
        const std::string name = box->name;
        connect(combo, &QComboBox::activated, this, [this, name](int index) {
            post([this, name, index] { controller_.select(name, index); }, Focus::Keep);
        });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
            post([this, name, text] { controller_.paste(name, UiText::toModel(text)); },
                 Focus::Keep);
        });
    }
}

void MainWindow::connectTextBoxes() {
    for (const TextBox* box : controller_.window().textBoxes()) {
        auto* line = qobject_cast<QLineEdit*>(control(nameOf(box->name)));
        if (line == nullptr) {
            continue;
        }
        const std::string name = box->name;
        if (KeyFilters::hasFilter(name)) {
            auto* keys = new KeyForwarder(line);
            line->installEventFilter(keys);
            connect(keys, &KeyForwarder::typed, this, [this, name](char32_t code) {
                controller_.keyPress(name, code);
                afterAction(Focus::Keep);
            });
            connect(keys, &KeyForwarder::entered, this, [this, name] { pressDefaultButton(name); });
        }
        // Whatever reaches the text past the key filter (a paste, a cut, an undo) is a paste.
        connect(line, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            controller_.paste(name, UiText::toModel(text));
            afterAction(Focus::Keep);
        });
    }
}

void MainWindow::pressDefaultButton(const std::string& textBox) {
    // Enter in the account box connects, as the button beside it does.
    if (textBox != controller_.window().topStrip.account.name) {
        return;
    }
    auto* button =
        qobject_cast<QPushButton*>(control(nameOf(controller_.window().topStrip.connect.name)));
    if (button != nullptr && button->isEnabled()) {
        button->click();
    }
}

void MainWindow::connectTimers() {
    const std::pair<QTimer*, std::string> timers[] = {{&timer1_, "Timer1"}, {&timer2_, "Timer2"}};
    for (const auto& [timer, name] : timers) {
        // Children of the window, so that the binder finds them as it finds the widgets.
        timer->setParent(this);
        timer->setObjectName(nameOf(name));
        connect(timer, &QTimer::timeout, this, [this, name = name] {
            controller_.tick(name);
            afterAction(Focus::Keep);
        });
    }
}

void MainWindow::connectRefresh() {
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this,
            [this] { post([this] { refreshNow(); }, Focus::Keep); });
    connect(&follower_, &SnapshotFollower::refreshDue, this,
            [this] { post([this] { refreshNow(); }, Focus::Keep); });
    // The QNH fields take a click: the controller has seen the new QNH.
    for (const char* name : {"lblQNH", "lblPollici"}) {
        if (QWidget* field = control(QString::fromLatin1(name))) {
            field->installEventFilter(this);
        }
    }
}

void MainWindow::setFollowing(bool on) {
    following_ = on;
    followSnapshot();
}

void MainWindow::refreshNow() {
    if (controller_.refresh() == ActionResult::Done) {
        ++refreshes_;
    }
    follower_.refreshed();
}

void MainWindow::followSnapshot() {
    const ProgramState& state = controller_.state();
    const bool connected = Connection::connected(controller_.window(), state) && state.running;
    follower_.watch(following_ && connected ? QString::fromStdString(state.SnapshotPath)
                                            : QString());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const std::string name = watched->objectName().toStdString();
        post([this, name] { controller_.click(name); }, Focus::Keep);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::post(std::function<void()> action, Focus focus) {
    QMetaObject::invokeMethod(
        this,
        [this, action = std::move(action), focus] {
            if (ended_) {
                return;
            }
            action();
            afterAction(focus);
        },
        Qt::QueuedConnection);
}

void MainWindow::afterAction(Focus focus) {
    if (ended_) {
        return;
    }
    if (!controller_.state().running) {
        endProgram();
        return;
    }
    binder_->refresh(controller_.window());
    applyGeometry();
    syncTimers();
    followSnapshot();
    if (focus == Focus::FromModel) {
        applyFocus();
    }
    openSheetWhenAsked();
}

void MainWindow::applyGeometry() {
    const MainWindowModel& model = controller_.window();
    setWindowTitle(UiText::show(model.caption));
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != model.topMost) {
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, model.topMost);
        if (shown) {
            show();
        }
    }
    setFixedSize(Twips::toPixels(model.width), Twips::clientHeight(model.height));
    move(Twips::toPixels(model.left), Twips::toPixels(model.top));
}

void MainWindow::applyFocus() {
    QWidget* target = control(nameOf(controller_.window().focus));
    if (target != nullptr && target->isEnabled()) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::syncTimers() {
    const MainWindowModel& model = controller_.window();
    const std::pair<QTimer*, const BlinkTimer*> timers[] = {
        {&timer1_, &model.departure.messageBlink}, {&timer2_, &model.arrival.messageBlink}};
    for (const auto& [timer, blink] : timers) {
        timer->setInterval(blink->intervalMs);
        if (blink->enabled && !timer->isActive()) {
            timer->start();
        } else if (!blink->enabled) {
            timer->stop();
        }
    }
}

void MainWindow::openSheetWhenAsked() {
    const auto& sheetValues = controller_.state().Sheet;
    if (!sheetValues.has_value() || sheet_ != nullptr) {
        return;
    }
    auto* sheet = new FlightPlanSheetDialog(*sheetValues, this);
    sheet_ = sheet;
    connect(sheet, &QDialog::finished, this, [this, sheet] {
        sheet_ = nullptr;
        sheet->deleteLater();
        if (ended_) {
            return;
        }
        controller_.closeSheet();
        // Back from the sheet the main window is the active window again.
        controller_.activate();
        afterAction(Focus::FromModel);
    });
    sheet->open();
}

void MainWindow::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    timer1_.stop();
    timer2_.stop();
    follower_.watch(QString());
    if (sheet_ != nullptr) {
        sheet_->close();
    }
    hide();
    emit programEnded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    if (!controller_.requestClose()) {
        event->ignore();
        afterAction(Focus::Keep);
        return;
    }
    event->accept();
    endProgram();
}

}  // namespace corvane
