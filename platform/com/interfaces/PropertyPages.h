#pragma once

// Property pages: a control names its pages (ISpecifyPropertyPages); a
// page object shows itself in a container's frame (IPropertyPage) and
// talks back through its site.

#include "platform/com/interfaces/OleTypes.h"

class QWidget;

namespace velox::com {

inline constexpr IID IID_ISpecifyPropertyPages = oleControlGuid(0xB196B28B);
inline constexpr IID IID_IPropertyPageSite = oleControlGuid(0xB196B28C);
inline constexpr IID IID_IPropertyPage = oleControlGuid(0xB196B28D);

inline constexpr DWORD PROPPAGESTATUS_DIRTY = 0x1;
inline constexpr DWORD PROPPAGESTATUS_VALIDATE = 0x2;
inline constexpr DWORD PROPPAGESTATUS_CLEAN = 0x4;

// The strings come from CoTaskMemAlloc; the receiver frees them.
struct PROPPAGEINFO {
    ULONG cb;
    LPOLESTR pszTitle;
    SIZE size;
    LPOLESTR pszDocString;
    LPOLESTR pszHelpFile;
    DWORD dwHelpContext;
};

struct ISpecifyPropertyPages : IUnknown {
    static constexpr const IID& iid = IID_ISpecifyPropertyPages;
    // Fills the class ids of the pages; the elements come from CoTaskMemAlloc.
    virtual HRESULT GetPages(CAUUID* pages) = 0;

protected:
    ~ISpecifyPropertyPages() = default;
};

struct IPropertyPageSite : IUnknown {
    static constexpr const IID& iid = IID_IPropertyPageSite;
    virtual HRESULT OnStatusChange(DWORD flags) = 0;
    virtual HRESULT GetLocaleID(LCID* lcid) = 0;
    virtual HRESULT GetPageContainer(IUnknown** container) = 0;
    virtual HRESULT TranslateAccelerator(MSG* message) = 0;

protected:
    ~IPropertyPageSite() = default;
};

struct IPropertyPage : IUnknown {
    static constexpr const IID& iid = IID_IPropertyPage;
    virtual HRESULT SetPageSite(IPropertyPageSite* site) = 0;
    // Creates the page's widget inside `parent` at `position`.
    virtual HRESULT Activate(QWidget* parent, const RECT* position, BOOL modal) = 0;
    virtual HRESULT Deactivate() = 0;
    virtual HRESULT GetPageInfo(PROPPAGEINFO* info) = 0;
    virtual HRESULT SetObjects(ULONG count, IUnknown** objects) = 0;
    virtual HRESULT Show(UINT command) = 0;
    virtual HRESULT Move(const RECT* position) = 0;
    virtual HRESULT IsPageDirty() = 0;
    virtual HRESULT Apply() = 0;
    virtual HRESULT Help(LPCOLESTR helpDirectory) = 0;
    virtual HRESULT TranslateAccelerator(MSG* message) = 0;

protected:
    ~IPropertyPage() = default;
};

} // namespace velox::com
