#include "shell/settings.h"

Settings settings;
std::vector<std::string> audioDriverList;
