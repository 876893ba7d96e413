#include "platform/ArchiveLog.h"

Q_LOGGING_CATEGORY(archiveLog, "tavlo.archive", QtInfoMsg)
