#pragma once

#include "controls/LibraryTree.h"

#include <string>

class IRClassGlobals;
class ProjectorClassGlobals;
class SerialClassGlobals;

// What a database's tree is filled from, as one string: a mark of the
// arrangement, then the fixed-width fields of the entries one after the
// other in database order. The same string makes the same tree, so a tree
// kept from an earlier opening is shown again only while its database gives
// the string it was filled from; any other string fills it afresh.
std::string ProjectorTreeNames(const ProjectorClassGlobals& projectors);
std::string RS232TreeNames(const SerialClassGlobals& libraries, LibraryTree::Arrangement arrangement);
// The IR device picker's tree: the names of each library.
std::string IRDeviceTreeNames(const IRClassGlobals& ir, LibraryTree::Arrangement arrangement);
// The IR browser's tree, which also keeps each library's comment on its model node.
std::string IRLibraryTreeNames(const IRClassGlobals& ir, LibraryTree::Arrangement arrangement);
