#pragma once
// Shorthands for the library's registration records.
#include "platform/PluginInterface.h"

#include <cstddef>

template <typename T, std::size_t N>
constexpr intptr_t countOf(T (&)[N]) {
    return static_cast<intptr_t>(N);
}

inline PluginMethodRecord Method(PluginFunction function, const char* declaration, uint32_t flags = 0) {
    return {function, nullptr, declaration, flags};
}

// A property; pass pluginFieldAccess() as getter or setter for a field at byte offset `parameter`.
inline PluginPropertyRecord Property(const char* name, const char* type, PluginFunction getter,
                                     PluginFunction setter, intptr_t parameter) {
    return {nullptr, name, type, 0, getter, setter, parameter, {}};
}

inline PluginClassRecord ClassRecord(const char* name, const char* superName, intptr_t dataSize,
                                     PluginFunction constructor, PluginFunction destructor,
                                     PluginPropertyRecord* properties, intptr_t propertyCount,
                                     PluginMethodRecord* methods, intptr_t methodCount) {
    return {kPluginVersion, name, superName, dataSize, 0, constructor, destructor,
            properties, propertyCount, methods, methodCount, {}, 0, {}};
}

// Methods added to the host class `name`.
inline PluginClassRecord ExtensionRecord(const char* name, PluginMethodRecord* methods, intptr_t methodCount,
                                         intptr_t classFlags = 0) {
    PluginClassRecord record = ClassRecord(name, nullptr, 0, nullptr, nullptr, nullptr, 0, methods, methodCount);
    record.classFlags = classFlags;
    return record;
}
