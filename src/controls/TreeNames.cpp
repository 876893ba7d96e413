#include "controls/TreeNames.h"

#include "model/IRClassGlobals.h"
#include "model/ProjectorClassGlobals.h"
#include "model/SerialClassGlobals.h"

#include <cstddef>

namespace {

char MarkOf(LibraryTree::Arrangement arrangement)
{
    switch (arrangement) {
    case LibraryTree::Arrangement::ByManufacturer: return 'M';
    case LibraryTree::Arrangement::ByType: return 'T';
    case LibraryTree::Arrangement::ManufacturerAndModel: break;
    }
    return 'P';
}

// The mark, then what `append` adds for each entry; `width` is the size of
// that, so the string is made in one allocation.
template <class Entry, class Append>
std::string Joined(const DatabaseArray<Entry>& database, LibraryTree::Arrangement arrangement, std::size_t width,
                   Append append)
{
    std::string names(1, MarkOf(arrangement));
    names.reserve(1 + static_cast<std::size_t>(database.Count()) * width);
    for (int i = 0; i < database.Count(); ++i) append(names, database[i]);
    return names;
}

void AppendNames(std::string& names, const IRclass& library)
{
    names.append(library.ManufacturerField().view())
        .append(library.IRtypeField().view())
        .append(library.ModelField().view());
}

// The widths of an IR library's fields.
constexpr std::size_t IRNamesWidth = 3 * 16;
constexpr std::size_t IRCommentWidth = 160;

}  // namespace

std::string ProjectorTreeNames(const ProjectorClassGlobals& projectors)
{
    return Joined(projectors.ProjectorDatabase(), LibraryTree::Arrangement::ManufacturerAndModel,
                  2 * ProjectorClass::NameLength, [](std::string& names, const ProjectorClass& definition) {
                      names.append(definition.ManufacturerField().view()).append(definition.ModelField().view());
                  });
}

std::string RS232TreeNames(const SerialClassGlobals& libraries, LibraryTree::Arrangement arrangement)
{
    return Joined(libraries.RS232Database(), arrangement, 3 * RS232FileBlockClass::NameLength,
                  [](std::string& names, const RS232FileBlockClass& library) {
                      names.append(library.ManufacturerField().view())
                          .append(library.MyTypeField().view())
                          .append(library.ModelField().view());
                  });
}

std::string IRDeviceTreeNames(const IRClassGlobals& ir, LibraryTree::Arrangement arrangement)
{
    return Joined(ir.IRLibraryNames(), arrangement, IRNamesWidth, AppendNames);
}

std::string IRLibraryTreeNames(const IRClassGlobals& ir, LibraryTree::Arrangement arrangement)
{
    return Joined(ir.IRLibraryNames(), arrangement, IRNamesWidth + IRCommentWidth,
                  [](std::string& names, const IRclass& library) {
                      AppendNames(names, library);
                      names.append(library.CommentField().view());
                  });
}
