// Every signal of the main window's controls that a handler answers, in one
// place.
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/runtime/EventBoundary.h"

namespace veloxcd {

using velox::win::HScrollBar;
using velox::win::ImageBox;
using velox::win::Label;
using velox::win::ListBox;
using velox::win::TextBox;

void VeloxCDMainFormFalcon::wireHandlers() {
    using Form = VeloxCDMainFormFalcon;

    // Screens.
    connect(chMachine, &ImageBox::Click, this, &Form::chMachine_Click);
    connect(chMachine, &ImageBox::MouseMove, this, &Form::chMachine_MouseMove);
    connect(BtnMenu, &ImageBox::Click, this, &Form::BtnMenu_Click);
    connect(BtnMenu, &ImageBox::MouseMove, this, &Form::BtnMenu_MouseMove);
    connect(BtnCopy, &ImageBox::MouseMove, this, &Form::BtnCopy_MouseMove);

    // Device transfer.
    connect(BtnCopy, &ImageBox::Click, this, &Form::BtnCopy_Click);
    connect(lstPrograms, &ListBox::DblClick, this, &Form::lstPrograms_DblClick);
    connect(waveList, &ListBox::Click, this, &Form::waveList_Click);
    connect(scrVolume, &HScrollBar::Change, this, &Form::scrVolume_Change);
    connect(scrRepeat, &HScrollBar::Change, this, &Form::scrRepeat_Change);
    LinkEventHandlers link;
    link.onConnect = [this](qint32 error) { Tandem_OnConnect(error); };
    link.onDisconnect = [this](qint32 error) { Tandem_OnDisconnect(error); };
    link.onGetFileInfo = [this](qint32 error) { Tandem_OnGetFileInfo(error); };
    link.onCopyFile = [this](qint32 error) { Tandem_OnCopyFile(error); };
    link.onCopyProgress = [this](qint16 percent, bool& cancel) {
        Tandem_OnCopyProgress(percent, cancel);
    };
    Tandem->adviseEventsOnceCreated(std::move(link));

    // Catalogue browsing.
    for (int i = 0; i < static_cast<int>(Kategorie.size()); ++i) {
        ImageBox* button = Kategorie.at(static_cast<std::size_t>(i));
        connect(button, &ImageBox::Click, this, [this, i] { Kategorie_Click(i); });
        connect(button, &ImageBox::MouseMove, this, [this, i] { Kategorie_MouseMove(i); });
    }
    connect(lstPrograms, &ListBox::Click, this, &Form::lstPrograms_Click);
    connect(Search, &ImageBox::Click, this, &Form::Search_Click);
    connect(Search, &ImageBox::MouseMove, this, &Form::Search_MouseMove);
    connect(txtSearch, &TextBox::KeyPress, this, &Form::txtSearch_KeyPress);

    // Readme viewer, links, logos and exit. The readme and print handlers trap
    // no errors of their own: what they leave untrapped is shown at the event's
    // end, as the run-time shows it, and the program goes on.
    const auto untrappedEvent = [this](void (Form::*handler)()) {
        return [this, handler] { velox::win::runEvent([this, handler] { (this->*handler)(); }); };
    };
    connect(Imgreadme, &ImageBox::Click, this, untrappedEvent(&Form::Imgreadme_Click));
    connect(FileListing, &ListBox::DblClick, this, untrappedEvent(&Form::FileListing_DblClick));
    connect(detframe, &velox::win::Frame::Click, this, &Form::detframe_Click);
    connect(printBtn, &ImageBox::Click, this, untrappedEvent(&Form::printBtn_Click));
    connect(Imgemail, &ImageBox::Click, this, &Form::Imgemail_Click);
    connect(Imghomepage, &ImageBox::Click, this, &Form::Imghomepage_Click);
    connect(Velox, &ImageBox::Click, this, &Form::Velox_Click);
    connect(imgVelox, &ImageBox::Click, this, &Form::imgVelox_Click);
    connect(Otter, &ImageBox::Click, this, untrappedEvent(&Form::Otter_Click));
    connect(Otter, &ImageBox::MouseMove, this, &Form::Otter_MouseMove);
    connect(imgExit, &ImageBox::Click, this, &Form::imgExit_Click);

    // Machine and language.
    connect(mnuVeloxWren, &Label::Click, this, &Form::mnuVeloxWren_Click);
    connect(mnuVeloxFalcon, &Label::Click, this, &Form::mnuVeloxFalcon_Click);
    connect(mnuVeloxMerlin, &Label::Click, this, &Form::mnuVeloxMerlin_Click);
    connect(mnuEnglish, &Label::Click, this, &Form::mnuEnglish_Click);
    connect(mnuDeutsch, &Label::Click, this, &Form::mnuDeutsch_Click);
}

} // namespace veloxcd
