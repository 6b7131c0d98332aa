#include "catalogue/start/Catalogue.h"

#include "platform/win/FileOps.h"

namespace veloxcd {

void prepareCatalogueCopy(const QString& path) {
    velox::win::setAttrNormal(path);
}

} // namespace veloxcd
