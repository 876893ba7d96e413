#pragma once

// The editor's version, shown in captions and the about box and written at
// the head of every configuration.
namespace TavloVersion {
constexpr int Major = 1;
constexpr int Minor = 0;
constexpr int Revision = 17;
constexpr const char* Text = "1.0.17";
}  // namespace TavloVersion
