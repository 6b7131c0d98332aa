#include "tanlink/AboutBox.h"

#include "tanlink/TanlinkResources.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <atomic>

namespace velox::tanlink {

namespace {

std::atomic<AboutBoxSeam*> installedSeam{nullptr};

void showDialog(const AboutBoxContent& content) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("IDD_ABOUTBOX_TANLINK"));
    dialog.setWindowTitle(content.title);
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap::fromImage(content.icon));
    auto* text = new QLabel(content.text);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(content.button, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace

AboutBoxContent tanlinkAboutBox() {
    return AboutBoxContent{QStringLiteral("About Tanlink Control"),
                           QStringLiteral("Tandem Engine Custom control, Version 1.0"),
                           QStringLiteral("OK"), resourceIcon(IDI_ABOUTDLL)};
}

void showAboutBox(const AboutBoxContent& content) {
    if (AboutBoxSeam* seam = installedSeam.load()) {
        seam->show(content);
        return;
    }
    showDialog(content);
}

void setAboutBoxSeam(AboutBoxSeam* seam) {
    installedSeam.store(seam);
}

RecordedAboutBoxes::RecordedAboutBoxes() {
    setAboutBoxSeam(this);
}

RecordedAboutBoxes::~RecordedAboutBoxes() {
    setAboutBoxSeam(nullptr);
}

} // namespace velox::tanlink
