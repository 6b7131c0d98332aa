#include "catalogue/start/ProgramState.h"

#include "catalogue/start/Catalogue.h"
#include "catalogue/start/InterfaceTexts.h"

namespace veloxcd {

void resetProgramState() {
    systemDir.clear();
    cdDrive.clear();
    machine = 0;
    language = 0;
    fontScale = 1.0;
    programFolder.clear();
    packageFile.clear();
    authorMail.clear();
    authorHomepage.clear();
    aboutKeys.clear();
    texts = {};
    catalogueRs.reset();
    catalogueDb.reset();
}

} // namespace veloxcd
