#pragma once

#include <QLoggingCategory>

// Archive members skipped on opening, with the reason. Off by default;
// QT_LOGGING_RULES="tavlo.archive.debug=true" shows them when an archive
// opens with less than expected.
Q_DECLARE_LOGGING_CATEGORY(archiveLog)
