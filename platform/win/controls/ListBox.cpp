#include "platform/win/controls/ListBox.h"

#include "platform/win/runtime/RuntimeError.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velox::win {
namespace {
constexpr int invalidPropertyArrayIndex = 381;
constexpr int itemDataRole = Qt::UserRole;
} // namespace

ListBox::ListBox(const QString& name, int index, QWidget* parent)
    : QListWidget(parent), TwipsControl(this, name, index) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
}

void ListBox::setListIndex(int row) {
    setCurrentRow(row);
    if (row >= 0 && currentRow() == row) {
        emit Click();
    }
}

void ListBox::AddItem(const QString& text) {
    auto* item = new QListWidgetItem(text);
    item->setData(itemDataRole, 0);
    addItem(item);
    newIndex_ = count() - 1;
}

void ListBox::Clear() {
    clear();
    newIndex_ = -1;
}

QString ListBox::List(int index) const {
    return row(index)->text();
}

qint32 ListBox::ItemData(int index) const {
    return row(index)->data(itemDataRole).toInt();
}

void ListBox::setItemData(int index, qint32 value) {
    row(index)->setData(itemDataRole, value);
}

QListWidgetItem* ListBox::row(int index) const {
    QListWidgetItem* found = item(index);
    if (found == nullptr) {
        raiseError(invalidPropertyArrayIndex, objectName());
    }
    return found;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    // Every click on a row counts, the one on the row already selected too.
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr &&
        currentRow() >= 0) {
        emit Click();
    }
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    // Enter on the current row does what a double-click does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == 0 && currentRow() >= 0) {
        event->accept();
        emit DblClick();
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() >= 0 && currentRow() != before) {
        emit Click();
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    // The item view makes the first row current when focus arrives; a list
    // box selects nothing until the user picks a row.
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid() && selectedItems().isEmpty()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && currentRow() >= 0) {
        emit DblClick();
    }
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    const int before = currentRow();
    QListWidget::mouseMoveEvent(event);
    // Dragging with the button down moves the selection from row to row.
    if ((event->buttons() & Qt::LeftButton) != 0 && currentRow() >= 0 && currentRow() != before) {
        emit Click();
    }
    emit MouseMove();
}

} // namespace velox::win
