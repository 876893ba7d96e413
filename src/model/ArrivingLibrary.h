#pragma once

#include <string>

class ApplicationState;

// Which database a library that arrives in the record buffers belongs to.
enum class LibraryKind {
    IR,
    RS232,
};

// A library's three names, as the record buffers hold them.
struct LibraryNames {
    std::string Manufacturer;
    std::string Type;
    std::string Model;
};

// The buffer's names, whole 16-character fields.
LibraryNames BufferNames(const ApplicationState& state, LibraryKind kind);
// The buffer takes the names, each cut to 16 characters and padded.
void RenameBuffer(ApplicationState& state, LibraryKind kind, const LibraryNames& names);
// The database library with these names, compared trimmed and upper case, or -1.
int FindDatabaseLibrary(const ApplicationState& state, LibraryKind kind, LibraryNames names);
// The database library with the buffer's names, or -1; the buffer's names
// are left trimmed, upper case and padded, as the lookup compared them.
int FindBufferInDatabase(ApplicationState& state, LibraryKind kind);
// True when the database library holds just what the buffer holds (the
// RS232 buffer's names are upper-cased for the comparison).
bool BufferMatchesLibrary(ApplicationState& state, LibraryKind kind, int index);
// Appends a library to the database holding the whole buffer.
void AppendBufferToDatabase(ApplicationState& state, LibraryKind kind);
