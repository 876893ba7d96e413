#pragma once

#include "model/IRclass.h"
#include "model/RS232FileBlockClass.h"

#include <memory>
#include <vector>

class ApplicationState;

// Libraries the databases hold before an archive or an import file brings
// its own: of each kind, one for every model name the seeds carry, each with
// content no seed has, so that every seed library meets a differing one.
class HeldLibraries {
public:
    // Appends the libraries to the state's databases and keeps a copy of each.
    explicit HeldLibraries(ApplicationState& state);

    // Every held library is still at its place with its content, by the
    // model's own comparisons.
    bool Unchanged(const ApplicationState& state) const;

private:
    int rs232Start_ = 0;
    int irStart_ = 0;
    std::vector<std::unique_ptr<RS232FileBlockClass>> rs232_;
    std::vector<std::unique_ptr<IRclass>> ir_;
};
