// Every signal of the main window's controls that a handler answers, in one
// place.
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/FileListBox.h"
#include "platform/win/HScrollBar.h"
#include "platform/win/ImageBox.h"
#include "platform/win/Label.h"

namespace veloxcd {

using velox::win::HScrollBar;
using velox::win::ImageBox;
using velox::win::Label;
using velox::win::ListBox;

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
    Tandem->adviseEvents(std::move(link));

    // Machine and language.
    connect(mnuVeloxWren, &Label::Click, this, &Form::mnuVeloxWren_Click);
    connect(mnuVeloxFalcon, &Label::Click, this, &Form::mnuVeloxFalcon_Click);
    connect(mnuVeloxMerlin, &Label::Click, this, &Form::mnuVeloxMerlin_Click);
    connect(mnuEnglish, &Label::Click, this, &Form::mnuEnglish_Click);
    connect(mnuDeutsch, &Label::Click, this, &Form::mnuDeutsch_Click);
}

} // namespace veloxcd
