#pragma once

#include "portable/resource_module.h"

// The resources that the program carries as code (dialog templates and their
// initialisation data, strings, pictures), given by the entry point before
// the framework starts. The module's own resources (the icon, the manifest,
// the version) are real ones, compiled from res/windows/resonix.rc.
void setResourceData(const ResourceModule* data);
