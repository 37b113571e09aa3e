#pragma once
// The host's file-system services for the library: FSSpec and FSRef tokens for folder items and
// back, and the catalogue information of an FSRef.
#include "platform/PluginInterface.h"

#include <span>

struct NamedService {
    const char* name;
    PluginFunction function;
};

std::span<const NamedService> fileServices();
