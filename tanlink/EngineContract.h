#pragma once

// Everything the link controls and the automation objects need to talk to
// the connectivity engine: ids, records, engine objects, both engines and
// both callback interfaces, result codes and the information records.

#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"
#include "tanlink/EngineObjects.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/InfoRecords.h"
#include "tanlink/MachinePath.h"
#include "tanlink/TandemCallback.h"
#include "tanlink/TandemCallbackS.h"
#include "tanlink/TandemEngine.h"
#include "tanlink/TandemEngineS.h"
