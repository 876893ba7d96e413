#pragma once

// The comparison lists keep their rows' proportions in twips, as the
// libraries' users know them: 15 twips make one pixel at 96 dots an inch.
constexpr int FromTwips(int twips)
{
    return twips / 15;
}
