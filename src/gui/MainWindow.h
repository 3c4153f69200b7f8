#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ModelBinder.h"
#include "SnapshotFollower.h"

namespace corvane {

class MainWindowController;
class QtPlatform;

/// The main window "APPROACH CORVANE": shows the view model and hands every user action to
/// the controller. It holds no logic of its own: after each action and each timer tick it
/// refreshes itself from the model.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(MainWindowController& controller, QtPlatform& platform);
    ~MainWindow() override;

    /// Creates the window as the program does: the start-up sequence, then the window is
    /// shown and gets its first activation. Emits `programEnded` when the start-up ends it.
    void start();
    /// The widget named `name` (a control name such as "Command3(0)"), or null.
    QWidget* control(const QString& name) const { return binder_->widget(name); }
    /// Null while no sheet is open.
    QWidget* sheet() const { return sheet_; }
    /// Follow mode: while connected, a change of the snapshot refreshes the window (at most
    /// once a second). F5 refreshes it once whether following or not.
    void setFollowing(bool on);
    /// How many refreshes have run since the window was made.
    int refreshCount() const { return refreshes_; }

signals:
    /// The program has ended (exit, granted close request, screen check).
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Focus { Keep, FromModel };

    void connectButtons();
    void connectLists();
    void connectCombos();
    void connectTextBoxes();
    void connectTimers();
    /// Enter in `textBox`: presses the button it belongs to, when that is enabled.
    void pressDefaultButton(const std::string& textBox);
    void connectRefresh();
    void refreshNow();
    void followSnapshot();

    /// Runs `action` later from the event loop, so no widget is rebuilt inside its own signal.
    void post(std::function<void()> action, Focus focus);
    /// Refreshes the window after an action, opens the sheet when one was asked for, ends the
    /// program when the logic ended it.
    void afterAction(Focus focus);
    void applyGeometry();
    void applyFocus();
    void syncTimers();
    void openSheetWhenAsked();
    void endProgram();

    MainWindowController& controller_;
    QtPlatform& platform_;
    std::unique_ptr<ModelBinder> binder_;
    QTimer timer1_;
    QTimer timer2_;
    QWidget* sheet_ = nullptr;
    bool ended_ = false;
    SnapshotFollower follower_;
    bool following_ = false;
    int refreshes_ = 0;
};

}  // namespace corvane
