#pragma once
// The plug-in host: loads the library QRX-Plugins from the program's folder, lets it register its
// global methods, classes and class extensions, offers it the host services (strings with their
// encodings, memory blocks, objects and their reference counts) and answers lookups by exact
// declaration string.
//
// At start-up the program calls PluginHost::instance().loadPlugins() once, then
// systemFontName() (or lookupMethod("SystemFontQRX as string")) when it needs the system font.
#include "platform/PluginInterface.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

// One reference to a host string or object, given up when the handle goes. Nil is the empty
// string or no object.
template <typename Record>
class HostReference {
public:
    HostReference() = default;
    explicit HostReference(Record* adopted) : pointer(adopted) {}  // takes over one reference
    HostReference(const HostReference& other) : pointer(other.pointer) { lock(pointer); }
    HostReference(HostReference&& other) noexcept : pointer(other.release()) {}
    HostReference& operator=(HostReference other) noexcept {
        std::swap(pointer, other.pointer);
        return *this;
    }
    ~HostReference() { unlock(pointer); }

    Record* get() const { return pointer; }
    Record* release() {  // hands the reference to the caller
        Record* released = pointer;
        pointer = nullptr;
        return released;
    }
    bool isNil() const { return pointer == nullptr; }
    intptr_t referenceCount() const { return pointer ? pointer->referenceCount : 0; }

private:
    static void lock(Record* record);
    static void unlock(Record* record);
    Record* pointer = nullptr;
};

template <> void HostReference<PluginStringRecord>::lock(PluginStringRecord* record);
template <> void HostReference<PluginStringRecord>::unlock(PluginStringRecord* record);
template <> void HostReference<PluginObjectRecord>::lock(PluginObjectRecord* record);
template <> void HostReference<PluginObjectRecord>::unlock(PluginObjectRecord* record);

using ObjectRef = HostReference<PluginObjectRecord>;

class StringRef : public HostReference<PluginStringRecord> {
public:
    using HostReference::HostReference;

    static StringRef fromBytes(const QByteArray& bytes, uint32_t encoding);
    static StringRef fromText(const QString& text);  // UTF-8, the host's own encoding

    QByteArray bytes() const;
    uint32_t encoding() const;
    QString text() const;  // decoded; raw bytes read as UTF-8
};

class PluginHost {
public:
    // The one host of the process (the services the library calls are plain functions).
    static PluginHost& instance();

    static QString libraryFileName();  // "libQRX-Plugins.so"
    // The library beside the running program; false when it is missing or cannot register.
    bool loadPlugins();
    bool load(const QString& libraryPath);
    QString errorString() const { return error; }

    // The function registered for a global method, or null.
    PluginFunction lookupMethod(const QByteArray& declaration) const;
    // A method of the class, of a superclass or of an extension of one of them, or null.
    PluginFunction lookupClassMethod(const QByteArray& className, const QByteArray& declaration) const;
    bool hasClass(const QByteArray& className) const;  // class names ignore letter case

    QList<QByteArray> methodDeclarations() const;  // global methods, in registration order
    QList<QByteArray> pluginClassNames() const;  // the library's classes, in registration order
    // Declarations of the methods that extensions added to a host class.
    QList<QByteArray> extensionDeclarations(const QByteArray& className) const;

    ObjectRef newInstance(const QByteArray& className) const;
    bool isA(REALobject object, const QByteArray& className) const;
    ObjectRef newFolderItem(const QString& path) const;
    QString folderItemPath(REALobject folderItem) const;  // empty for anything else

    // Property values by name (ignoring letter case): Integer int, Boolean bool, Double double,
    // Color uint, String QString. An invalid QVariant when there is no such property.
    QVariant property(REALobject object, const QByteArray& name) const;
    StringRef stringProperty(REALobject object, const QByteArray& name) const;
    // False when there is no such property, it is read-only or the value does not fit its type.
    bool setProperty(REALobject object, const QByteArray& name, const QVariant& value) const;
    bool setStringProperty(REALobject object, const QByteArray& name, const StringRef& value) const;

    // The name of the desktop's general font from the library's "SystemFontQRX as string";
    // empty when the library or the method is missing.
    QString systemFontName() const;

    // What the library receives as its lookup: the service of that name, or null.
    static PluginFunction lookupService(const char* serviceName);

    // Strings and objects alive now, for checks that nothing is kept too long.
    static intptr_t liveStrings();
    static intptr_t liveObjects();

private:
    PluginHost() = default;
    QString error;
};
