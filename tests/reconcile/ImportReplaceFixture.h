#pragma once

#include "ReconcileFixture.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the tests of the two import replace dialogs do differently. The
// database holds OTHER / TV / X1 and ACME / TV / T1 (ON, OFF, DOWN); the
// buffer holds an imported acme / TV / T1 with other notes and ON (the
// same), OFF (other bytes), UP (new).
class ImportTwinCase {
public:
    virtual ~ImportTwinCase() = default;
    virtual const char* Name() const = 0;
    virtual const char* Title() const = 0;
    virtual const char* LibraryFrame() const = 0;
    virtual const char* Difference() const = 0;
    virtual const char* CommandByCommand() const = 0;
    virtual const char* Comparison() const = 0;
    // The database file's name without its extension.
    virtual std::string DatabaseName() const = 0;
    std::string DatabaseFile() const { return DatabaseName() + ".DEF"; }
    // Adds the two database libraries, saves them and fills the buffer;
    // `more` further commands go into both libraries alike.
    virtual void Prepare(ApplicationState& state, int more) const = 0;
    virtual void Show(ApplicationState& state) const = 0;
    // The installed reconciliation's step for an imported library of the kind.
    virtual void Reconcile(ApplicationState& state) const = 0;
    // The database library ACME / TV / T1 as it would be with these commands.
    virtual std::string Library(ApplicationState& scratch, std::initializer_list<std::string_view> commands,
                                const char* model = "T1") const = 0;
    // The buffer as a library; saving the database passes through the
    // buffers, so this is taken before any save.
    virtual std::string Buffer(ApplicationState& state, ApplicationState& scratch) const = 0;
    // Every library of the database in memory, or in its file.
    virtual std::vector<std::string> Database(const ApplicationState& state) const = 0;
    virtual void Load(ApplicationState& state) const = 0;
    virtual std::string BufferManufacturer(const ApplicationState& state) const = 0;
};

std::vector<std::unique_ptr<ImportTwinCase>> ImportTwinCases();
