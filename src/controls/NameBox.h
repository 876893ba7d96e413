#pragma once

#include <QString>
#include <cstddef>
#include <string>

class QLineEdit;

// The text boxes in which a new name is typed for a library or definition
// whose name fields keep `length` characters.

// A box holding at most `length` characters, prefilled with `text`.
QLineEdit* NewNameBox(const QString& name, const std::string& text, std::size_t length);

// The name as the database will keep it: cleaned (CleanedName), upper-cased
// and cut to the field's length (then trimmed again), so that what is looked
// up and checked is what is stored. The box shows it back.
std::string TakeName(QLineEdit& box, std::size_t length);
