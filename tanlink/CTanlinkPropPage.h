#pragma once

// The controls' one property page: a placeholder. The controls have no
// properties of their own, so the page (dialog 100, caption string 100)
// holds one line of text and no controls, and applying it changes nothing.

#include "platform/com/ComObject.h"
#include "platform/com/interfaces/PropertyPages.h"
#include "tanlink/TandemGuids.h"

#include <QPointer>
#include <QWidget>

namespace velox::tanlink {

inline constexpr com::CLSID CLSID_TanlinkPropPage = tandemGuid(0x3C476934);

class CTanlinkPropPage final : public com::ComObject<CTanlinkPropPage, com::IPropertyPage> {
public:
    using HRESULT = com::HRESULT;

    // A new page object with one reference.
    static CTanlinkPropPage* create() { return new CTanlinkPropPage; }

    HRESULT SetPageSite(com::IPropertyPageSite* site) override;
    HRESULT Activate(QWidget* parent, const com::RECT* position, com::BOOL modal) override;
    HRESULT Deactivate() override;
    HRESULT GetPageInfo(com::PROPPAGEINFO* info) override;
    HRESULT SetObjects(com::ULONG count, com::IUnknown** objects) override;
    HRESULT Show(com::UINT command) override;
    HRESULT Move(const com::RECT* position) override;
    HRESULT IsPageDirty() override;
    HRESULT Apply() override;
    HRESULT Help(com::LPCOLESTR helpDirectory) override;
    HRESULT TranslateAccelerator(com::MSG* message) override;

    // The page's caption (string 100).
    static QString caption();
    // The page's content as a widget.
    static QWidget* createPage(QWidget* parent = nullptr);

private:
    CTanlinkPropPage();
    ~CTanlinkPropPage() override;

    com::IPropertyPageSite* site_ = nullptr;
    QPointer<QWidget> page_;
};

} // namespace velox::tanlink
