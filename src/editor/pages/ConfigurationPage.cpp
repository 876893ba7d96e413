#include "editor/pages/ConfigurationPage.h"

#include "model/Configuration.h"

ConfigurationPage::ConfigurationPage(Configuration& config, QWidget* parent) : QWidget(parent), config_(config) {}

void ConfigurationPage::Edit(ConfigGroup group, const std::function<void()>& store)
{
    config_.Edit(group, store);
}
