#pragma once
// Shared by the plug-in tests: the library's declarations as the program relies on them, and a
// fixture that loads the library through the host exactly as the program does.
#include "platform/PluginHost.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The 43 global methods, in registration order.
extern const std::vector<std::string> kGlobalDeclarations;
// The library's classes, in registration order, and the extensions of host classes.
extern const std::vector<std::string> kClassNames;
extern const std::vector<std::string> kFolderItemDeclarations;
extern const std::vector<std::string> kObjectDeclarations;

// Makes the library's members known to the host: each test program links one way, loading the
// built library beside it as the program does, or registering a copy linked into the test.
bool loadPluginLibrary(PluginHost& host);

// The library loaded; after each test no host string or object made during it may be left alive.
class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    PluginHost& host = PluginHost::instance();

    // A global method by its declaration, cast to its signature.
    template <typename Signature>
    Signature global(const char* declaration) {
        const PluginFunction function = host.lookupMethod(declaration);
        EXPECT_NE(function, nullptr) << declaration;
        return reinterpret_cast<Signature>(function);
    }
    template <typename Signature>
    Signature classMethod(const char* className, const char* declaration) {
        const PluginFunction function = host.lookupClassMethod(className, declaration);
        EXPECT_NE(function, nullptr) << className << "." << declaration;
        return reinterpret_cast<Signature>(function);
    }

private:
    intptr_t strings = 0;
    intptr_t objects = 0;
};

// Bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray bytesOf(const char (&literal)[N]) {
    return QByteArray(literal, static_cast<qsizetype>(N - 1));
}

// A new memory block holding a copy of the bytes.
ObjectRef blockOf(const QByteArray& bytes);
QByteArray blockBytes(REALobject block);
