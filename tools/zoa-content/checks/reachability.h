#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"

#include <QList>

namespace content {

// An error for each event of normal play (normalPlayEvents) without its script, and for each
// picture they need that is missing from dat2/.
QList<Diagnostic> checkReachability(const ContentFolder& folder);

} // namespace content
