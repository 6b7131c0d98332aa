#include "catalogue/mainwindow/LinkControlHost.h"

namespace veloxcd {

// The COM runtime's activation is not part of the program yet: the class counts
// as not registered, so the window loads without the control.
LinkControlHost::LinkControlHost() : TwipsControl(nullptr, QStringLiteral("Tandem")) {}

LinkControlHost::~LinkControlHost() = default;

bool LinkControlHost::created() const {
    return false;
}

bool LinkControlHost::call(const QString& /*name*/, const QVariantList& /*args*/) {
    return false;
}

} // namespace veloxcd
