#include "controls/ApplicationIcon.h"

QIcon ApplicationIcon()
{
    return QIcon(":/tavlo-editor.svg");
}
