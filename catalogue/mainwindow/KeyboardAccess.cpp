// The main window for the keyboard: Tab and Shift+Tab go through the controls
// that are visible in the order the eye reads them, Esc returns to the main
// screen as a click on the photo does. The click areas are keyboard buttons
// (Space and Enter click them); the mouse moves no focus to them, so for the
// mouse everything stays as it was.
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/KeyboardButton.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace veloxcd {

using velox::win::makeKeyboardButton;

void VeloxCDMainFormFalcon::setUpKeyboardAccess() {
    for (QWidget* button : std::initializer_list<QWidget*>{
             imgVelox, printBtn, Velox, BtnMenu, chMachine, BtnCopy, Search, Otter, imgExit,
             Imgemail, Imghomepage, Imgreadme, mnuEnglish, mnuDeutsch, mnuVeloxFalcon,
             mnuVeloxMerlin, mnuVeloxWren}) {
        makeKeyboardButton(button);
    }
    for (velox::win::ImageBox* category : Kategorie) {
        makeKeyboardButton(category);
    }
    // No control holds the focus until the keyboard moves it: a key pressed
    // before that reaches the window alone.
    setFocus(Qt::OtherFocusReason);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        const std::vector<QWidget*> order = focusOrder();
        for (QWidget* each = now; each != nullptr && each != this; each = each->parentWidget()) {
            if (std::find(order.begin(), order.end(), each) != order.end()) {
                lastFocused_ = each;
                return;
            }
        }
    });
}

std::vector<QWidget*> VeloxCDMainFormFalcon::focusOrder() const {
    std::vector<QWidget*> order{BtnMenu, chMachine, BtnCopy, Search, Otter, imgExit};
    order.insert(order.end(), Kategorie.begin(), Kategorie.end());
    order.insert(order.end(),
                 {mnuEnglish, mnuDeutsch,  mnuVeloxFalcon, mnuVeloxMerlin, mnuVeloxWren,
                  txtSearch,  FileListing, txtReadme,      printBtn,       lstPrograms,
                  waveList,   description, Zusatz,         Imgemail,       Imghomepage,
                  Imgreadme,  scrVolume,   scrRepeat,      Velox,          imgVelox});
    return order;
}

// A control that the window hides while it holds the focus hands the focus to
// the window, not to the next control: the move is not the user's, and no frame
// appears. The next Tab goes on from where that control stood.
bool VeloxCDMainFormFalcon::focusNextPrevChild(bool next) {
    const std::vector<QWidget*> order = focusOrder();
    QWidget* current = QApplication::focusWidget();
    if (current != nullptr && current != this && isAncestorOf(current) &&
        (!current->isVisible() || !current->isEnabled())) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    auto from = order.end();
    for (QWidget* each = current; each != nullptr && from == order.end();
         each = each->parentWidget()) {
        from = std::find(order.begin(), order.end(), each);
    }
    if (from == order.end()) {
        from = std::find(order.begin(), order.end(), lastFocused_.data());
    }
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t at = from == order.end() ? (next ? -1 : count) : from - order.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = (at + (next ? 1 : -1) + count) % count;
        QWidget* candidate = order.at(static_cast<std::size_t>(at));
        if (candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void VeloxCDMainFormFalcon::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        imgVelox_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace veloxcd
