#include "editor/pages/ConfigurationPage.h"

#include "model/ApplicationState.h"

ConfigurationPage::ConfigurationPage(ApplicationState& state, QWidget* parent) : QWidget(parent), state_(state) {}

void ConfigurationPage::Edit(ConfigGroup group, const std::function<void()>& store)
{
    state_.Config.Edit(group, store);
}
