#pragma once

#include <QString>
#include <functional>

class QComboBox;

// Adds to the list, in the order given, each of the `count` names that it
// holds neither already nor from earlier in the same call: names are told
// apart exactly, case included. Linear in the names, as a list filled from
// a database of tens of thousands of entries must be.
void AddDistinctNames(QComboBox& list, int count, const std::function<QString(int)>& nameAt);
