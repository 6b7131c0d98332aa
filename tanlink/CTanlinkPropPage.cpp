#include "tanlink/CTanlinkPropPage.h"

#include "platform/com/Memory.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/TanlinkResources.h"

#include <QLabel>
#include <QVBoxLayout>
#include <cstring>

namespace velox::tanlink {

using namespace com;

namespace {

// The page's size in pixels.
constexpr LONG kPageWidth = 250;
constexpr LONG kPageHeight = 62;

QRect rectOf(const RECT& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace

CTanlinkPropPage::CTanlinkPropPage() {
    moduleLock().lock();
}

CTanlinkPropPage::~CTanlinkPropPage() {
    Deactivate();
    SetPageSite(nullptr);
    moduleLock().unlock();
}

HRESULT CTanlinkPropPage::SetPageSite(IPropertyPageSite* site) {
    if (site != nullptr) {
        site->AddRef();
    }
    if (site_ != nullptr) {
        site_->Release();
    }
    site_ = site;
    return S_OK;
}

HRESULT CTanlinkPropPage::Activate(QWidget* parent, const RECT* position, BOOL /*modal*/) {
    Deactivate();
    page_ = createPage(parent);
    if (position != nullptr) {
        page_->setGeometry(rectOf(*position));
    }
    return S_OK;
}

HRESULT CTanlinkPropPage::Deactivate() {
    delete page_.data();
    page_.clear();
    return S_OK;
}

HRESULT CTanlinkPropPage::GetPageInfo(PROPPAGEINFO* info) {
    if (info == nullptr) {
        return E_POINTER;
    }
    const std::u16string title = caption().toStdU16String();
    auto* text = static_cast<OLECHAR*>(CoTaskMemAlloc((title.size() + 1) * sizeof(char16_t)));
    if (text == nullptr) {
        return E_OUTOFMEMORY;
    }
    std::memcpy(text, title.c_str(), (title.size() + 1) * sizeof(char16_t));
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = text;
    info->size = SIZE{kPageWidth, kPageHeight};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

// The controls have no properties for the page to show or change.
HRESULT CTanlinkPropPage::SetObjects(ULONG /*count*/, IUnknown** /*objects*/) {
    return S_OK;
}

HRESULT CTanlinkPropPage::Show(UINT command) {
    if (QWidget* page = page_.data(); page != nullptr) {
        page->setVisible(command != 0);
    }
    return S_OK;
}

HRESULT CTanlinkPropPage::Move(const RECT* position) {
    if (position == nullptr) {
        return E_POINTER;
    }
    if (QWidget* page = page_.data(); page != nullptr) {
        page->setGeometry(rectOf(*position));
    }
    return S_OK;
}

HRESULT CTanlinkPropPage::IsPageDirty() {
    return S_FALSE;
}

HRESULT CTanlinkPropPage::Apply() {
    return S_OK;
}

HRESULT CTanlinkPropPage::Help(LPCOLESTR /*helpDirectory*/) {
    return E_NOTIMPL;
}

HRESULT CTanlinkPropPage::TranslateAccelerator(MSG* /*message*/) {
    return S_FALSE;
}

QString CTanlinkPropPage::caption() {
    return resourceString(IDS_TANLINK_PPG_CAPTION);
}

QWidget* CTanlinkPropPage::createPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("IDD_PROPPAGE_TANLINK"));
    page->setWindowTitle(caption());
    page->resize(kPageWidth, kPageHeight);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        new QLabel(QStringLiteral("The Tandem Engine control has no properties to set.")));
    layout->addStretch();
    return page;
}

} // namespace velox::tanlink
