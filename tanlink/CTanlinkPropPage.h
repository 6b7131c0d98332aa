#pragma once

// The controls' one property page: a placeholder. The controls have no
// properties of their own, so the page holds one line of text and no
// controls, and its data exchange has nothing to exchange.

#include "platform/com/Unknown.h"

#include <QWidget>
#include <atomic>

namespace velox::tanlink {

inline constexpr com::CLSID CLSID_TanlinkPropPage = {
    0x3C476934, 0xF450, 0x11CF, {0x88, 0x5E, 0x00, 0x20, 0xAF, 0xC0, 0x4E, 0x78}};

class CTanlinkPropPage final : public com::IUnknown {
public:
    // A new page object with one reference.
    static CTanlinkPropPage* create() { return new CTanlinkPropPage; }

    CTanlinkPropPage(const CTanlinkPropPage&) = delete;
    CTanlinkPropPage& operator=(const CTanlinkPropPage&) = delete;

    com::HRESULT QueryInterface(com::REFIID riid, void** object) override;
    com::ULONG AddRef() override;
    com::ULONG Release() override;

    // The page's caption (string 100).
    static QString caption();
    // The page (dialog 100) as a widget for the host's property sheet.
    static QWidget* createPage(QWidget* parent = nullptr);

private:
    CTanlinkPropPage();
    ~CTanlinkPropPage();

    std::atomic<com::ULONG> refs_{1};
};

} // namespace velox::tanlink
