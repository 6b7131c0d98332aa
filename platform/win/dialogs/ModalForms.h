#pragma once

#include <QString>
#include <functional>
#include <vector>

class QDialog;

namespace velox::win {

// The one seam through which every form is shown modally. The program runs the
// form's own modal loop; tests install ScriptedModalForms, so that nothing waits
// on a person.
class ModalFormSeam {
public:
    virtual ~ModalFormSeam() = default;
    // Shows the form and returns when it has closed.
    virtual void showModal(QDialog& form) = 0;
};

// Shows a loaded form modally and returns when it has closed.
void showModal(QDialog& form);

// Installs a seam for showModal; nullptr restores the real modal loop.
void setModalFormSeam(ModalFormSeam* seam);

// A seam for tests: shows the form without a modal loop, runs the next scripted
// action on it (a person typing or clicking), and closes it if it is still open
// afterwards. Records the object name of every form shown. It installs itself
// for its lifetime.
class ScriptedModalForms : public ModalFormSeam {
public:
    using Action = std::function<void(QDialog&)>;

    ScriptedModalForms();
    ~ScriptedModalForms() override;
    ScriptedModalForms(const ScriptedModalForms&) = delete;
    ScriptedModalForms& operator=(const ScriptedModalForms&) = delete;

    void onNext(Action action);
    [[nodiscard]] const std::vector<QString>& shown() const { return shown_; }
    // Whether each form shown had closed itself before the seam closed it.
    [[nodiscard]] const std::vector<bool>& closedByItself() const { return closedByItself_; }

    void showModal(QDialog& form) override;

private:
    std::vector<Action> actions_;
    std::vector<QString> shown_;
    std::vector<bool> closedByItself_;
};

} // namespace velox::win
