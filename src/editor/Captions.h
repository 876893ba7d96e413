#pragma once

#include <QString>

// The main window's captions.

// "Tavlo Editor 1.0.17": at start-up.
QString StartUpCaption();
// "Tavlo Editor 1,0,17": an untitled configuration after NEW or a failed open.
QString UntitledCaption();
// The name a file is shown by: its base name up to the first dot, whether
// the path is written with "/" or "\" ("C:\Rooms.old\Hall.tvl" gives "Hall").
QString FileTitle(const QString& path);
