#include "tanlink/CTanlinkPropPage.h"

#include "tanlink/ModuleLock.h"
#include "tanlink/TanlinkResources.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velox::tanlink {

using namespace com;

CTanlinkPropPage::CTanlinkPropPage() {
    moduleLock().lock();
}

CTanlinkPropPage::~CTanlinkPropPage() {
    moduleLock().unlock();
}

HRESULT CTanlinkPropPage::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown) {
        *object = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CTanlinkPropPage::AddRef() {
    return refs_.fetch_add(1, std::memory_order_relaxed) + 1;
}

ULONG CTanlinkPropPage::Release() {
    const ULONG left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) {
        delete this;
    }
    return left;
}

QString CTanlinkPropPage::caption() {
    return resourceString(IDS_TANLINK_PPG_CAPTION);
}

QWidget* CTanlinkPropPage::createPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("IDD_PROPPAGE_TANLINK"));
    page->setWindowTitle(caption());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        new QLabel(QStringLiteral("The Tandem Engine control has no properties to set.")));
    layout->addStretch();
    return page;
}

} // namespace velox::tanlink
