#include "ListSelectionForwarder.h"

#include <QEvent>
#include <QListWidget>

namespace corvane {

ListSelectionForwarder::ListSelectionForwarder(QListWidget* list,
                                               std::function<bool()> isRefreshing)
    : QObject(list), list_(list), isRefreshing_(std::move(isRefreshing)) {
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::currentRowChanged, this,
            &ListSelectionForwarder::currentRowChanged);
    connect(list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { itemClicked(list_->row(item)); });
}

bool ListSelectionForwarder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        pressing_ = true;
        clickTaken_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressing_ = false;
    }
    return QObject::eventFilter(watched, event);
}

void ListSelectionForwarder::currentRowChanged(int row) {
    if (isRefreshing_() || row < 0) {
        return;
    }
    if (pressing_) {
        clickTaken_ = true;  // the release's itemClicked is the same choice
    }
    emit chosen(row);
}

void ListSelectionForwarder::itemClicked(int row) {
    if (clickTaken_) {
        clickTaken_ = false;
        return;
    }
    if (row >= 0) {
        emit chosen(row);
    }
}

}  // namespace corvane
