#include "platform/win/dialogs/ModalForms.h"

#include <QDialog>
#include <utility>

namespace velox::win {
namespace {

class RealModalForms : public ModalFormSeam {
public:
    void showModal(QDialog& form) override { form.exec(); }
};

RealModalForms realForms;
ModalFormSeam* current = &realForms;

} // namespace

void showModal(QDialog& form) {
    current->showModal(form);
}

void setModalFormSeam(ModalFormSeam* seam) {
    current = seam != nullptr ? seam : &realForms;
}

ScriptedModalForms::ScriptedModalForms() {
    setModalFormSeam(this);
}

ScriptedModalForms::~ScriptedModalForms() {
    setModalFormSeam(nullptr);
}

void ScriptedModalForms::onNext(Action action) {
    actions_.push_back(std::move(action));
}

void ScriptedModalForms::showModal(QDialog& form) {
    shown_.push_back(form.objectName());
    form.show();
    if (!actions_.empty()) {
        Action action = std::move(actions_.front());
        actions_.erase(actions_.begin());
        if (action) {
            action(form);
        }
    }
    closedByItself_.push_back(!form.isVisible());
    if (form.isVisible()) {
        form.close();
    }
}

} // namespace velox::win
