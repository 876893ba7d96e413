#pragma once

#include <QString>
#include <string_view>

// The readable text of a rich-text (RTF) document, for showing a licence
// file as plain text: control words and ignorable destinations (font and
// colour tables, pictures, document information) are dropped, paragraph and
// line breaks become new lines, tabs stay tabs, and escaped bytes are read as
// Windows-1252. Damaged input yields whatever text it holds; it never fails.
QString RtfToPlainText(std::string_view rtf);
