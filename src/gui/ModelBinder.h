#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace corvane {

class MainWindowModel;

/// Shows the view model in the window's widgets, matched by control name (objectName): texts,
/// list items and selections, enabled and visible states, the warning fields' colour and size.
class ModelBinder {
public:
    /// Collects the named widgets and timers under `window`.
    explicit ModelBinder(QWidget* window);

    /// Writes every control of `model` into its widget.
    void refresh(const MainWindowModel& model);
    /// Null when there is none.
    QWidget* widget(const QString& name) const;
    /// The controls of `model` with no widget (or timer) of their kind under the window, which
    /// a refresh would skip: empty for a window that shows the whole model.
    QStringList unboundControls(const MainWindowModel& model) const;
    /// True while `refresh` writes widgets, so their change signals are not user actions.
    bool refreshing() const { return refreshing_; }

private:
    void refreshLabels(const MainWindowModel& model);
    void refreshTextBoxes(const MainWindowModel& model);
    void refreshLists(const MainWindowModel& model);
    void refreshCombos(const MainWindowModel& model);
    void refreshButtonsAndFrames(const MainWindowModel& model);

    QHash<QString, QObject*> objects_;
    bool refreshing_ = false;
};

}  // namespace corvane
