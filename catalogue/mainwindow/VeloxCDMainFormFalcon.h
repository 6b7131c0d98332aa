#pragma once

#include "catalogue/mainwindow/LayoutTable.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace velox::win {
class CommandButton;
class FileListBox;
class Frame;
class HScrollBar;
class ImageBox;
class Label;
class ListBox;
class MultiLineTextBox;
class TextBox;
class TwipsControl;
} // namespace velox::win

namespace veloxcd {

class LinkControlHost;
class TextFileBox;
struct ControlDesign;

// The main window: a photo of the chosen handheld whose display shows the
// catalogue's current screen. Its controls are declared in one table
// (MainWindowControls.cpp) and reached as members named like the controls; its
// handlers live in one file per subsystem and are wired to the controls' signals
// in one place (HandlerWiring.cpp).
class VeloxCDMainFormFalcon : public QWidget {
    Q_OBJECT

public:
    explicit VeloxCDMainFormFalcon(QWidget* parent = nullptr);
    ~VeloxCDMainFormFalcon() override;
    VeloxCDMainFormFalcon(const VeloxCDMainFormFalcon&) = delete;
    VeloxCDMainFormFalcon& operator=(const VeloxCDMainFormFalcon&) = delete;

    // Load and unload (LoadUnload.cpp). Unloading ends the program.
    void Form_Load();
    void Form_Unload();

    // Screen modes (Screens.cpp).
    void LoadMainScreen();
    void LoadAudioScreen();
    void changeMachineInvisible();
    void changeLanguageInvisible();
    void chMachine_Click();
    void BtnMenu_Click();
    void BtnCopy_MouseMove();
    void BtnMenu_MouseMove();
    void chMachine_MouseMove();

    // Catalogue browsing: the category buttons (CategoryListing.cpp), the
    // program details (ProgramDetails.cpp) and the search (Search.cpp).
    void Kategorie_Click(int index);
    void Kategorie_MouseMove(int index);
    void lstPrograms_Click();
    void Search_Click();
    void Search_MouseMove();
    void txtSearch_KeyPress(int keyAscii);

    // Readme viewer, links, logos and exit (ReadmeAndLinks.cpp).
    void Imgreadme_Click();
    void FileListing_DblClick();
    void detframe_Click();
    void printBtn_Click();
    void Imgemail_Click();
    void Imghomepage_Click();
    void Velox_Click();
    void imgVelox_Click();
    void Otter_Click();
    void Otter_MouseMove();
    void imgExit_Click();

    // Layout (Layout.cpp).
    void SetButtonPosition();

    // What assistive tools call the controls, in the interface language
    // (AccessibleNames.cpp); set again when the language or the screen changes.
    void setAccessibleNames();

    // Machine and language (MachineAndLanguage.cpp).
    void mnuVeloxWren_Click();
    void mnuVeloxFalcon_Click();
    void mnuVeloxMerlin_Click();
    void mnuEnglish_Click();
    void mnuDeutsch_Click();
    void SetMachine();
    void SetLanguage();
    void setFormLanguage();
    void setLanguagePics();
    void setWaveCaptions();

    // Device transfer (DeviceTransfer.cpp): installing a program and copying
    // alarm sounds to the handheld.
    void BtnCopy_Click();
    void lstPrograms_DblClick();
    void waveList_Click();
    void scrVolume_Change();
    void scrRepeat_Change();
    void setWave(const QString& path);
    void Tandem_OnConnect(qint32 error);
    void Tandem_OnGetFileInfo(qint32 error);
    void Tandem_OnCopyProgress(qint16 percent, bool& cancel);
    void Tandem_OnCopyFile(qint32 error);
    void Tandem_OnDisconnect(qint32 error);
    // The maker's installer in the program folder.
    static QString installerPath();
    // The working copy of the sound being copied to the handheld.
    QString waveWorkPath;

    // The controls, in the window's control order.
    [[nodiscard]] const std::vector<velox::win::TwipsControl*>& Controls() const {
        return controls_;
    }
    // A control by name (and index in its control array), or nullptr.
    [[nodiscard]] velox::win::TwipsControl* control(const QString& name, int index = -1) const;
    // The position a control has in the window's design.
    [[nodiscard]] TwipsRect designRect(const velox::win::TwipsControl& control) const;

    // The window's inner area in twips as it is shown.
    [[nodiscard]] double ScaleWidth() const;
    [[nodiscard]] double ScaleHeight() const;

    // Controls of the window.
    velox::win::ImageBox* imgVelox = nullptr;
    velox::win::ImageBox* MainScreenFalcon = nullptr;
    TextFileBox* txtReadme = nullptr;
    velox::win::FileListBox* FileListing = nullptr;
    velox::win::ImageBox* printBtn = nullptr;
    velox::win::ImageBox* Velox = nullptr;
    velox::win::ImageBox* BtnMenu = nullptr;
    velox::win::Label* mnuEnglish = nullptr;
    velox::win::Label* mnuDeutsch = nullptr;
    velox::win::ImageBox* chMachine = nullptr;
    velox::win::Label* mnuVeloxFalcon = nullptr;
    velox::win::Label* mnuVeloxMerlin = nullptr;
    velox::win::Label* mnuVeloxWren = nullptr;
    velox::win::ImageBox* BtnCopy = nullptr;
    velox::win::ImageBox* Search = nullptr;
    velox::win::TextBox* txtSearch = nullptr;
    velox::win::ImageBox* katFalconger = nullptr;
    velox::win::ImageBox* katMerlinger = nullptr;
    velox::win::ImageBox* katWrenger = nullptr;
    velox::win::ImageBox* Otter = nullptr;
    std::array<velox::win::ImageBox*, 8> Kategorie{};
    velox::win::ImageBox* imgExit = nullptr;
    velox::win::CommandButton* Command2 = nullptr;
    velox::win::ListBox* lstPrograms = nullptr;
    velox::win::FileListBox* waveList = nullptr;

    // The details frame and what it holds.
    velox::win::Frame* detframe = nullptr;
    velox::win::TextBox* Zusatz = nullptr;
    velox::win::MultiLineTextBox* description = nullptr;
    velox::win::Label* lblSize = nullptr;
    velox::win::Label* lblLanguage = nullptr;
    velox::win::Label* lblDescription = nullptr;
    velox::win::Label* Groesze = nullptr;
    velox::win::Label* Author = nullptr;
    velox::win::Label* Programmname = nullptr;
    velox::win::ImageBox* Imgemail = nullptr;
    velox::win::ImageBox* Imghomepage = nullptr;
    velox::win::ImageBox* Imgreadme = nullptr;
    velox::win::Label* lang = nullptr;

    // The alarm-sound frame and what it holds.
    velox::win::Frame* frmWaves = nullptr;
    velox::win::Label* lblfrmWaveHL = nullptr;
    velox::win::Label* lblVolumeTitle = nullptr;
    velox::win::HScrollBar* scrVolume = nullptr;
    velox::win::Label* lblVolume = nullptr;
    velox::win::Label* lblRepeatTitle = nullptr;
    velox::win::HScrollBar* scrRepeat = nullptr;
    velox::win::Label* lblRepeat = nullptr;
    velox::win::Label* lblFileInfo = nullptr;
    velox::win::Label* gaugeMain = nullptr;
    velox::win::Label* GaugeValue = nullptr;

    // The device-link control, created by class id at its first use or once
    // the window has been drawn, and released with the window.
    std::unique_ptr<LinkControlHost> Tandem;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Once the window is on the screen, what its first drawing did not need
    // is done.
    void paintEvent(QPaintEvent* event) override;
    // Tab, Shift+Tab and Esc (KeyboardAccess.cpp).
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Q_INVOKABLE void createLinkControl();

    // The controls in the window's control order (MainWindowControls.cpp).
    void createControls();
    void addLinkControl();
    void setDesignProperties();
    void wireHandlers();
    void setUpKeyboardAccess();
    // The controls Tab goes through, in the order the eye reads them.
    [[nodiscard]] std::vector<QWidget*> focusOrder() const;

    void listCategory(int category);
    void showAlarmSounds();
    std::optional<qint32> showProgramRecord();
    void showProgramFiles(qint32 authorId);
    void searchCatalogue();

    void chooseMachine(qint16 code);
    void chooseLanguage(qint16 code);
    void loadScreenPicture(const char* screen);
    void fontPass();
    void centreOnScreen();
    void installProgram();
    void copyAlarmSound();
    bool startLinkChain();
    bool linkAvailable();
    void initLink();
    void endLinkChain(bool lastAnswer);

    QString alarmTarget_; // the handheld file of the sound being copied
    // Copies whose link answers are still to come: while one runs, opening
    // the alarm screen keeps the engine it runs on.
    int linkChainsRunning_ = 0;
    // What the last Init of the link control answered, if it was called.
    std::optional<qint32> linkInitCode_;
    // A missing link control or engine is told once per run.
    bool linkMissingTold_ = false;

    template <class Control>
    Control* add(Control*& member, const char* name, int index, QWidget* container,
                 const ControlDesign& design);

    std::vector<velox::win::TwipsControl*> controls_;
    std::vector<TwipsRect> designRects_;
    QPointer<QWidget> lastFocused_; // where Tab goes on from
    bool drawn_ = false;
};

} // namespace veloxcd
