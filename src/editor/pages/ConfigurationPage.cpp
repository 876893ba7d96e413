#include "editor/pages/ConfigurationPage.h"

#include "model/ApplicationState.h"

ConfigurationPage::ConfigurationPage(ApplicationState& state, QWidget* parent) : QWidget(parent), state_(state) {}

void ConfigurationPage::MarkChanged()
{
    state_.Config.ConfigChanged = true;
}
