#include "platform/win/ListBox.h"

#include "platform/win/RuntimeError.h"

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
    connect(this, &QListWidget::currentRowChanged, this, [this](int current) {
        if (current >= 0) {
            emit Click();
        }
    });
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

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && currentRow() >= 0) {
        emit DblClick();
    }
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    emit MouseMove();
}

} // namespace velox::win
