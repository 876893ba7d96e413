#pragma once

// Forms whose parts must keep their drawn proportions (rows and covers lying
// exactly over one another, columns lining up) give them in twips, 1440 to
// the inch: 15 twips a pixel at 96 dots an inch. Part pixels are cut, not
// rounded, so that parts drawn side by side never overlap.
constexpr int TwipsPerInch = 1440;

constexpr int TwipsToPixels(int twips, double dotsPerInch = 96.0)
{
    return static_cast<int>(twips * dotsPerInch / TwipsPerInch);
}
