#pragma once

// A property a user relies on, checked on every input. When one does not
// hold, the run stops as a crash that names it, so a finding says which
// property broke and libFuzzer keeps the input.
void CheckProperty(bool holds, const char* property);
