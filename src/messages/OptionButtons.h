#pragma once

#include <QRadioButton>
#include <array>
#include <cstddef>

// Index of the selected option of a group, or -1 when none is.
template <std::size_t N>
int SelectedIndex(const std::array<QRadioButton*, N>& options)
{
    for (std::size_t i = 0; i < N; ++i)
        if (options[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

// Leaves an option of an exclusive group unselected.
inline void Deselect(QRadioButton* option)
{
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}
