#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace velox::win {

// Buttons of a message box and the answers it returns.
enum MsgBoxButtons : int { vbOKOnly = 0, vbOKCancel = 1, vbYesNo = 4 };
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The title shown when a message box has none of its own.
inline constexpr const char* programTitle = "VeloxCD";

struct MessageBoxRequest {
    std::optional<QString> title; // none: the program's own title
    QString text;
    int buttons = vbOKOnly;
};

// The one seam through which every message box goes. The program shows real
// dialogs; tests install ScriptedMessageBoxes.
class MessageBoxSeam {
public:
    virtual ~MessageBoxSeam() = default;
    virtual int show(const MessageBoxRequest& request) = 0;
};

// Shows a modal message box and returns the answer (vbOK, vbCancel, vbYes, vbNo).
int MsgBox(const QString& prompt, int buttons = vbOKOnly,
           const std::optional<QString>& title = std::nullopt);

// Installs a seam for MsgBox; nullptr restores the real dialogs.
void setMessageBoxSeam(MessageBoxSeam* seam);

// A seam for tests: answers from a script, records what was shown. It installs
// itself for its lifetime. A box without a scripted answer gets its last button
// (OK, Cancel or No), so a loop that asks again always ends.
class ScriptedMessageBoxes : public MessageBoxSeam {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void answerNext(int answer);
    [[nodiscard]] const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

    int show(const MessageBoxRequest& request) override;

private:
    std::vector<int> answers_;
    std::vector<MessageBoxRequest> shown_;
};

} // namespace velox::win
