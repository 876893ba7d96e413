#pragma once

class IRclass;

// The model's own comparison of an IR library with the one the record
// buffers hold: names, comment, settings, and the commands paired by name.
bool SameIRLibrary(const IRclass& a, const IRclass& b);
