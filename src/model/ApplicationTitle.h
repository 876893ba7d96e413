#pragma once

// The application's name: the title of message boxes that name none of
// their own.
inline constexpr const char* ApplicationTitle = "Tavlo Editor";
