#pragma once

#include "catalogue/mainwindow/LinkEventSink.h"
#include "platform/win/controls/TwipsControl.h"

#include <QString>
#include <QVariantList>
#include <memory>

namespace velox::com {
struct IDispatch;
}

namespace veloxcd {

// The two sides of a link operation as the control's methods number them
// (Connect, GetFileInfo, CopyFile...): not machine model codes.
inline constexpr int linkPc = 1;
inline constexpr int linkHandheld = 2;

// What a call of the link control gave: whether it reached the control, and
// the number it returned (0 for a method that returns an object or nothing).
struct LinkCallResult {
    bool reached = false;
    qint32 code = 0;

    // Reached, and the control answered 0.
    [[nodiscard]] bool succeeded() const { return reached && code == 0; }
    explicit operator bool() const { return reached; }
};

// The window's device-link control `Tandem`: created by class id through the
// COM runtime and released with the window, and called by name (late
// binding). It is created when it is first used, or when the window asks for
// it once it is on the screen: loading the control's module and reading its
// registration is no part of drawing the window. It has no picture at run time
// but keeps its place on the form like any control. When the class is not
// registered there is no control, and every call fails quietly.
class LinkControlHost : public velox::win::TwipsControl {
public:
    static constexpr const char* classId = "{3C476933-F450-11CF-885E-0020AFC04E78}";

    LinkControlHost();
    ~LinkControlHost() override;
    LinkControlHost(const LinkControlHost&) = delete;
    LinkControlHost& operator=(const LinkControlHost&) = delete;

    // Creates the control unless that was done (or tried) before.
    void create();
    // Whether the control was created (it is created now if it was not yet).
    [[nodiscard]] bool created();

    // Calls a method of the control by name, with the arguments in their
    // written order (whole numbers, texts, booleans). Not reached when there
    // is no control or the call itself failed.
    LinkCallResult call(const QString& name, const QVariantList& args = {});

    // The control's dispatch interface (borrowed), or null.
    [[nodiscard]] velox::com::IDispatch* dispatch();

    // Receives the control's events from now on: each runs on this thread
    // with the firing thread waiting for it. False when there is no control
    // or it has no events to give.
    bool adviseEvents(LinkEventHandlers handlers);
    // The same, without creating the control: when it is not created yet the
    // handlers are advised the moment it is.
    void adviseEventsOnceCreated(LinkEventHandlers handlers);
    // No event reaches the handlers any more, and a firing waiting for them is
    // let go. The host does it itself before it releases the control.
    void stopEvents();

    [[nodiscard]] bool hasFont() const override { return false; }

private:
    struct Control;
    std::unique_ptr<Control> control_;
};

} // namespace veloxcd
