#pragma once

#include "model/ProjectorClass.h"
#include "model/RS232FileBlockClass.h"
#include "model/RS232_String_Class.h"
#include "platform/FixedRecord.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Test records with every field set away from its defaults.
namespace ModelBuilders {

// Bytes taken from the text, each with the given content type.
void SetMessage(RS232_String_Class& message, std::string_view bytes, uint8_t type = ContentAscii);

// A definition whose every field, flag and message differs from a new one's
// and from its neighbours', so that a field stored in the wrong place shows.
void FillProjector(ProjectorClass& definition, std::string_view manufacturer = "ACME",
                   std::string_view model = "PJ-100");

// A library with notes, settings and four commands (two of them inputs);
// the names are used as given.
void FillLibrary(RS232FileBlockClass& library, std::string_view manufacturer = "ACME",
                 std::string_view type = "PROJECTOR", std::string_view model = "PJ-100");

// How many content and type bytes of the message stored at `offset` are not
// zero beyond its count.
int NonZeroBytesBeyondCount(const FixedRecord& record, std::size_t offset);

// The bytes of a run of records, as a database or export file holds them.
template <class Record>
std::string FileBytes(std::initializer_list<const Record*> records)
{
    std::string bytes;
    for (const Record* record : records) bytes.append(reinterpret_cast<const char*>(record->data()), record->size());
    return bytes;
}

}  // namespace ModelBuilders
