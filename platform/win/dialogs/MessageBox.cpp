#include "platform/win/dialogs/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace velox::win {
namespace {

class QtMessageBoxes : public MessageBoxSeam {
public:
    int show(const MessageBoxRequest& request) override {
        QMessageBox box;
        box.setWindowTitle(request.title.value_or(QString::fromLatin1(programTitle)));
        box.setText(request.text);
        switch (request.buttons) {
        case vbOKCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case vbYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Cancel:
            return vbCancel;
        case QMessageBox::Yes:
            return vbYes;
        case QMessageBox::No:
            return vbNo;
        default:
            return vbOK;
        }
    }
};

MessageBoxSeam*& installedSeam() {
    static MessageBoxSeam* seam = nullptr;
    return seam;
}

int lastButtonOf(int buttons) {
    switch (buttons) {
    case vbOKCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    default:
        return vbOK;
    }
}

} // namespace

int MsgBox(const QString& prompt, int buttons, const std::optional<QString>& title) {
    const MessageBoxRequest request{title, prompt, buttons};
    if (installedSeam() != nullptr) {
        return installedSeam()->show(request);
    }
    QtMessageBoxes real;
    return real.show(request);
}

void setMessageBoxSeam(MessageBoxSeam* seam) {
    installedSeam() = seam;
}

ScriptedMessageBoxes::ScriptedMessageBoxes() {
    setMessageBoxSeam(this);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    setMessageBoxSeam(nullptr);
}

void ScriptedMessageBoxes::answerNext(int answer) {
    answers_.push_back(answer);
}

int ScriptedMessageBoxes::show(const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (answers_.empty()) {
        return lastButtonOf(request.buttons);
    }
    const int answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
}

} // namespace velox::win
