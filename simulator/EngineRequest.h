#pragma once

#include "simulator/EngineCore.h"

namespace velox::simulator {

// One request at work: the core, the callback, whether it was cancelled, and
// the progress functions that report through the callback.
template <typename Callback> struct EngineRequest {
    EngineCore& core;
    Callback& callback;
    CancelCheck cancelled;

    // Reports percent through `report`; stops on the receiver's answer or a
    // cancellation.
    PercentProgress percent(LONG (Callback::*report)(SHORT, com::BOOL*)) {
        return [this, report](int value) {
            com::BOOL cancel = com::FALSE;
            (callback.*report)(static_cast<SHORT>(value), &cancel);
            return cancel != com::FALSE || cancelled();
        };
    }
    FileProgress folderProgress() {
        return
            [this](const QByteArray& name) { callback.OnCopyDirectoryProgress(name.constData()); };
    }
    CloseProgress closeProgress() {
        return [this](const QByteArray& application, const QByteArray& file) {
            callback.OnCloseProgramProgress(application.constData(), file.constData());
        };
    }
};

} // namespace velox::simulator
