#pragma once

#include <QObject>
#include <functional>

class QListWidget;

namespace corvane {

/// Turns the clicks and the keyboard moves of a list box into one `chosen` per choice, as the
/// list's Click event had it: a click on an item (even the selected one), or a move of the
/// selection with the keys. A click that also moves the selection counts once.
class ListSelectionForwarder : public QObject {
    Q_OBJECT
public:
    /// Watches `list`; `isRefreshing` tells changes made by the window's own refresh.
    ListSelectionForwarder(QListWidget* list, std::function<bool()> isRefreshing);

signals:
    void chosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void currentRowChanged(int row);
    void itemClicked(int row);

    QListWidget* list_;
    std::function<bool()> isRefreshing_;
    bool pressing_ = false;
    bool clickTaken_ = false;
};

}  // namespace corvane
