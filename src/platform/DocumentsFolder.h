#pragma once

#include <QString>

// The user's documents folder; empty when the system names none or it is
// not a folder.
QString DocumentsFolder();
