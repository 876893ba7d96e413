#include "support/DatabaseKinds.h"

#include "support/DatabaseNames.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <utility>

namespace {

void NameProjector(ProjectorClass& definition, const std::string& manufacturer)
{
    definition.Manufacturer(manufacturer);
    definition.Model("PJ1");
}

void NameRS232Library(RS232FileBlockClass& library, const std::string& manufacturer)
{
    library.Manufacturer(manufacturer);
    library.MyType("PROJECTOR");
    library.Model("PJ1");
}

// A library is only written with a command.
void NameIRLibrary(IRclass& library, const std::string& manufacturer)
{
    library.Manufacturer(manufacturer);
    library.IRtype("TV");
    library.Model("TV1");
    library.AddIRCommand().Name("POWER");
}

}  // namespace

const std::vector<DatabaseKind>& DatabaseKinds()
{
    static const std::vector<DatabaseKind> databases = {
        {"projector",
         [](ApplicationState& s, const std::string& m) {
             s.Projectors.AddProjectorDefinition();
             NameProjector(s.Projectors.ProjectorDatabase()[s.Projectors.ProjectorDatabase().LastIndex()], m);
         },
         [](ApplicationState& s, const std::string& m) {
             ProjectorClass definition;
             NameProjector(definition, m);
             s.Projectors.ProjectorRecordBuffer.StoreDefinition(definition);
         },
         [](ApplicationState& s) {
             s.Projectors.AddProjectorDefinition();
             s.Projectors.ProjectorRecordToLastDefinition();
         },
         [](ApplicationState& s) { s.Projectors.SaveProjectorDatabase(); },
         [](ApplicationState& s) { s.Projectors.ClearProjectorDatabase(); },
         [](const ApplicationState& s) { return ManufacturersOf(s.Projectors.ProjectorDatabase()); }, "Projectors",
         2084, 1, "Projector configuration file damaged!", "Restoring projector configuration backup!",
         " all projector configurations have been lost!", "projector configurations",
         "Projector configuration file could not be loaded!",
         [](ApplicationState& s, FileStepObserver* steps) { s.Projectors.ObserveRecoverySteps(steps); },
         [](ApplicationState& s, DatabaseFileReader open) { s.Projectors.ReadDatabaseFilesThrough(std::move(open)); }},
        {"RS232",
         [](ApplicationState& s, const std::string& m) {
             s.RS232Libraries.AddRS232Library();
             NameRS232Library(s.RS232Libraries.RS232Database()[s.RS232Libraries.RS232Database().LastIndex()], m);
         },
         [](ApplicationState& s, const std::string& m) {
             RS232FileBlockClass library;
             NameRS232Library(library, m);
             s.RS232Libraries.RS232RecordBuffer.StoreLibrary(library);
         },
         [](ApplicationState& s) {
             s.RS232Libraries.AddRS232Library();
             s.RS232Libraries.RS232RecordToLibrary(s.RS232Libraries.RS232Database().LastIndex());
         },
         [](ApplicationState& s) { s.RS232Libraries.SaveRS232Database(); },
         [](ApplicationState& s) { s.RS232Libraries.ClearRS232Database(); },
         [](const ApplicationState& s) { return ManufacturersOf(s.RS232Libraries.RS232Database()); }, "RS232Serials",
         2904, 1, "RS232 configuration file damaged!", "Restoring RS232 configuration backup!",
         " all RS232 configurations have been lost!", "RS232 configurations",
         "RS232 configuration file could not be loaded!",
         [](ApplicationState& s, FileStepObserver* steps) { s.RS232Libraries.ObserveRecoverySteps(steps); },
         [](ApplicationState& s, DatabaseFileReader open) {
             s.RS232Libraries.ReadDatabaseFilesThrough(std::move(open));
         }},
        {"IR", [](ApplicationState& s, const std::string& m) { NameIRLibrary(s.IR.AddIRLibrary(), m); },
         [](ApplicationState& s, const std::string& m) {
             // The buffers of a database of its own, which is never read.
             ScriptedPrompts quiet;
             IRClassGlobals other(s.ProgramFolder, quiet);
             other.ClearIRDatabase();
             NameIRLibrary(other.AddIRLibrary(), m);
             other.IRLibraryToRecord(0);
             s.IR.IRHeaderRecordBuffer = other.IRHeaderRecordBuffer;
             s.IR.IRCommandRecordBuffers = other.IRCommandRecordBuffers;
         },
         [](ApplicationState& s) {
             s.IR.AddIRLibrary();
             s.IR.IRRecordToLibrary(s.IR.IRDatabase().LastIndex());
         },
         [](ApplicationState& s) { s.IR.SaveIRDatabase(); }, [](ApplicationState& s) { s.IR.ClearIRDatabase(); },
         [](const ApplicationState& s) { return ManufacturersOf(s.IR.IRDatabase()); }, "InfraRed",
         // A library is a header record and one record per command.
         275, 2, "Infra-red configuration file damaged!", "Restoring infra-red configuration backup!",
         " all infra-red configurations have been lost!", "infra-red configurations",
         "Infra-red configuration file could not be loaded!",
         [](ApplicationState& s, FileStepObserver* steps) { s.IR.ObserveRecoverySteps(steps); },
         [](ApplicationState& s, DatabaseFileReader open) { s.IR.ReadDatabaseFilesThrough(std::move(open)); }},
    };
    return databases;
}

std::string SavedBytes(const DatabaseKind& database, const Names& manufacturers)
{
    TempProgramFolder elsewhere;
    ScriptedPrompts quiet;
    {
        ApplicationState writer(elsewhere.path(), quiet);
        for (const std::string& manufacturer : manufacturers) database.add(writer, manufacturer);
        database.save(writer);
    }
    return elsewhere.ReadBytes(std::string(database.files) + ".DEF");
}

std::string CutShort(const DatabaseKind& database, const Names& manufacturers)
{
    const std::string bytes = SavedBytes(database, manufacturers);
    return bytes.substr(0, bytes.size() - 1);
}

std::string Zeros(const DatabaseKind& database)
{
    return std::string(2 * database.recordsPerEntry * database.recordLength, '\0');
}
