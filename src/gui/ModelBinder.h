#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace corvane {

class MainWindowModel;

/// Shows the view model in the window's widgets, matched by control name (objectName): texts,
/// list items and selections, enabled and visible states, the warning fields' colour and size.
class ModelBinder {
public:
    /// Collects the named widgets under `window`.
    explicit ModelBinder(QWidget* window);

    /// Writes every control of `model` into its widget.
    void refresh(const MainWindowModel& model);
    /// The widget named `name`, or null.
    QWidget* widget(const QString& name) const { return widgets_.value(name, nullptr); }
    /// True while `refresh` writes widgets, so their change signals are not user actions.
    bool refreshing() const { return refreshing_; }

private:
    void refreshLabels(const MainWindowModel& model);
    void refreshTextBoxes(const MainWindowModel& model);
    void refreshLists(const MainWindowModel& model);
    void refreshCombos(const MainWindowModel& model);
    void refreshButtonsAndFrames(const MainWindowModel& model);

    QHash<QString, QWidget*> widgets_;
    bool refreshing_ = false;
};

}  // namespace corvane
