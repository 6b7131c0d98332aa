#pragma once

#include "platform/win/controls/TwipsControl.h"

#include <QListWidget>

namespace velox::win {

// A list box whose rows each carry a 32-bit number besides their text.
class ListBox : public QListWidget, public TwipsControl {
    Q_OBJECT

public:
    ListBox(const QString& name, int index, QWidget* parent);

    // Appends a row at the end; NewIndex is then its index.
    void AddItem(const QString& text);
    [[nodiscard]] int NewIndex() const { return newIndex_; }
    void Clear();
    [[nodiscard]] int ListCount() const { return count(); }
    // The selected row, or -1. Setting a row clicks it, as a user would.
    [[nodiscard]] int ListIndex() const { return currentRow(); }
    void setListIndex(int row);
    [[nodiscard]] QString List(int row) const;

    // Raises 381 (invalid property array index) for a row that does not exist.
    [[nodiscard]] qint32 ItemData(int row) const;
    void setItemData(int row, qint32 value);

signals:
    // A row was clicked (the selected one too), or the keyboard moved the
    // selection, or the program set ListIndex. Focus alone selects nothing.
    void Click();
    // A double-click on a row, or Enter on the current row.
    void DblClick();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] QListWidgetItem* row(int index) const;

    int newIndex_ = -1;
};

} // namespace velox::win
