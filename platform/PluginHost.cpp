#include "platform/PluginHost.h"

#include "platform/PluginEncodings.h"
#include "platform/PluginFileTokens.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstddef>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <vector>

namespace {

// The version this host reports: class method tables come in the current record shape.
constexpr double kHostVersion = kPluginNewRecordsVersion;
constexpr std::size_t kAlignment = alignof(std::max_align_t);

intptr_t alignUp(intptr_t size) {
    return (size + static_cast<intptr_t>(kAlignment) - 1) & ~static_cast<intptr_t>(kAlignment - 1);
}

enum class ObjectKind { Plain, MemoryBlock, FolderItem };

// A folder item: an object that names a path.
struct FolderItemRecord {
    PluginObjectRecord object;
    char* path;  // NUL-terminated, local 8-bit
};

struct HostClass {
    QByteArray name;
    const HostClass* super = nullptr;
    PluginClassRecord* record = nullptr;  // null for the host's own classes
    ObjectKind kind = ObjectKind::Plain;
    intptr_t size = 0;  // bytes of an instance: the head, then each class's instance data
    std::vector<const PluginMethodRecord*> extensionMethods;
};

struct Registry {
    std::vector<std::unique_ptr<HostClass>> classes;  // the host's own first
    std::vector<const HostClass*> pluginClasses;  // in registration order
    std::map<QByteArray, const PluginMethodRecord*> methods;
    std::vector<QByteArray> methodOrder;
    std::map<QString, void*> libraries;  // loaded files and their handles
    intptr_t liveStrings = 0;
    intptr_t liveObjects = 0;

    Registry() {
        addHostClass("Object", nullptr, ObjectKind::Plain, sizeof(PluginObjectRecord));
        const HostClass* object = classes.back().get();
        addHostClass("MemoryBlock", object, ObjectKind::MemoryBlock, sizeof(PluginMemoryBlockRecord));
        addHostClass("FolderItem", object, ObjectKind::FolderItem, sizeof(FolderItemRecord));
    }

    void addHostClass(const char* name, const HostClass* super, ObjectKind kind, std::size_t head) {
        auto cls = std::make_unique<HostClass>();
        cls->name = name;
        cls->super = super;
        cls->kind = kind;
        cls->size = alignUp(static_cast<intptr_t>(head));
        classes.push_back(std::move(cls));
    }

    HostClass* findClass(const QByteArray& name) const {
        for (const auto& cls : classes)
            if (cls->name.compare(name, Qt::CaseInsensitive) == 0) return cls.get();
        return nullptr;
    }
};

Registry& registry() {
    static Registry instance;
    return instance;
}

const HostClass* classOf(REALobject object) {
    return static_cast<const HostClass*>(object->hostClass);
}

ObjectKind kindOf(REALobject object) {
    return object ? classOf(object)->kind : ObjectKind::Plain;
}

char* instanceData(REALobject object, const PluginClassRecord* record) {
    return reinterpret_cast<char*>(object) + record->dataOffset;
}

// Strings.

REALstring newString(const void* bytes, intptr_t length, uint32_t encoding) {
    if (length < 0 || (length > 0 && !bytes)) return nullptr;
    auto* text = new (std::nothrow) char[static_cast<std::size_t>(length) + 1];
    if (!text) return nullptr;
    if (length > 0) std::memcpy(text, bytes, static_cast<std::size_t>(length));
    text[length] = '\0';
    auto* string = new PluginStringRecord{1, text, length, encoding};
    ++registry().liveStrings;
    return string;
}

QByteArray stringBytes(REALstring string) {
    return string ? QByteArray(string->text, string->length) : QByteArray();
}

void lockString(REALstring string) {
    if (string) ++string->referenceCount;
}

void unlockString(REALstring string) {
    if (!string || --string->referenceCount > 0) return;
    delete[] string->text;
    delete string;
    --registry().liveStrings;
}

// Objects.

REALobject createObject(const HostClass* cls) {
    void* memory = ::operator new(static_cast<std::size_t>(cls->size), std::align_val_t(kAlignment),
                                  std::nothrow);
    if (!memory) return nullptr;
    std::memset(memory, 0, static_cast<std::size_t>(cls->size));
    auto* object = static_cast<PluginObjectRecord*>(memory);
    object->referenceCount = 1;
    object->hostClass = cls;
    ++registry().liveObjects;
    std::vector<const HostClass*> chain;
    for (const HostClass* c = cls; c; c = c->super) chain.insert(chain.begin(), c);
    for (const HostClass* c : chain)
        if (c->record && c->record->constructor)
            reinterpret_cast<void (*)(REALobject)>(c->record->constructor)(object);
    return object;
}

void destroyObject(REALobject object) {
    for (const HostClass* c = classOf(object); c; c = c->super)
        if (c->record && c->record->destructor)
            reinterpret_cast<void (*)(REALobject)>(c->record->destructor)(object);
    if (kindOf(object) == ObjectKind::MemoryBlock) {
        auto* block = reinterpret_cast<PluginMemoryBlockRecord*>(object);
        if (block->ownsData) delete[] static_cast<char*>(block->data);
    } else if (kindOf(object) == ObjectKind::FolderItem) {
        delete[] reinterpret_cast<FolderItemRecord*>(object)->path;
    }
    ::operator delete(object, std::align_val_t(kAlignment));
    --registry().liveObjects;
}

void lockObject(REALobject object) {
    if (object) ++object->referenceCount;
}

void unlockObject(REALobject object) {
    if (object && --object->referenceCount == 0) destroyObject(object);
}

PluginMemoryBlockRecord* asMemoryBlock(REALobject object) {
    return kindOf(object) == ObjectKind::MemoryBlock ? reinterpret_cast<PluginMemoryBlockRecord*>(object)
                                                     : nullptr;
}

// Registration.

bool validProperty(const PluginClassRecord& record, const PluginPropertyRecord& property);

bool validClassRecord(const PluginClassRecord* record) {
    if (!record || record->version != kPluginVersion || !record->name || !*record->name) return false;
    if (record->dataSize < 0 || record->methodCount < 0 || record->propertyCount < 0) return false;
    if (record->methodCount > 0 && !record->methods) return false;
    if (record->propertyCount > 0 && !record->properties) return false;
    for (intptr_t i = 0; i < record->methodCount; ++i)
        if (!record->methods[i].declaration || !record->methods[i].function) return false;
    for (intptr_t i = 0; i < record->propertyCount; ++i)
        if (!validProperty(*record, record->properties[i])) return false;
    return true;
}

std::size_t propertySize(const char* type) {
    const QByteArray name(type ? type : "");
    if (name == "Integer") return sizeof(PluginInteger);
    if (name == "Boolean") return sizeof(bool);
    if (name == "Double") return sizeof(double);
    if (name == "Color") return sizeof(uint32_t);
    if (name == "String") return sizeof(REALstring);
    return 0;
}

// A field property must lie inside the class's instance data.
bool validProperty(const PluginClassRecord& record, const PluginPropertyRecord& property) {
    const std::size_t size = propertySize(property.type);
    if (!property.name || size == 0 || !property.getter) return false;
    const bool field = property.getter == pluginFieldAccess() || property.setter == pluginFieldAccess();
    return !field || (property.parameter >= 0 &&
                      property.parameter + static_cast<intptr_t>(size) <= record.dataSize);
}

void registerPluginVersion(int32_t) {}

void registerClass(PluginClassRecord* record) {
    Registry& r = registry();
    if (!validClassRecord(record) || r.findClass(record->name)) return;
    const HostClass* super = r.findClass(record->superName ? record->superName : "Object");
    if (!super) return;
    auto cls = std::make_unique<HostClass>();
    cls->name = record->name;
    cls->super = super;
    cls->record = record;
    cls->kind = super->kind;
    record->dataOffset = super->size;
    cls->size = super->size + alignUp(record->dataSize);
    r.pluginClasses.push_back(cls.get());
    r.classes.push_back(std::move(cls));
}

void registerClassExtension(PluginClassRecord* record) {
    if (!validClassRecord(record)) return;
    HostClass* cls = registry().findClass(record->name);
    if (!cls) return;
    for (intptr_t i = 0; i < record->methodCount; ++i) cls->extensionMethods.push_back(&record->methods[i]);
}

void registerMethod(PluginMethodRecord* record) {
    if (!record || !record->declaration || !record->function) return;
    Registry& r = registry();
    const QByteArray declaration(record->declaration);
    if (r.methods.emplace(declaration, record).second) r.methodOrder.push_back(declaration);
}

double hostVersion() { return kHostVersion; }

// Services on strings, objects and memory blocks.

REALobject newInstanceService(const char* className) {
    const HostClass* cls = className ? registry().findClass(className) : nullptr;
    return cls ? createObject(cls) : nullptr;
}

REALstring buildString(const void* bytes, intptr_t length) {
    return newString(bytes, length, kEncodingRawBytes);
}

void setStringEncoding(REALstring string, uint32_t encoding) {
    if (string) string->encoding = encoding;
}

uint32_t getStringEncoding(REALstring string) {
    return string ? string->encoding : kEncodingMacRoman;
}

// Raw bytes carry no text to convert: their bytes are kept and marked with the new encoding.
REALstring convertString(REALstring string, uint32_t encoding) {
    if (!string) return nullptr;
    const QByteArray bytes = stringBytes(string);
    if (string->encoding == encoding || string->encoding == kEncodingRawBytes || encoding == kEncodingRawBytes)
        return newString(bytes.constData(), bytes.size(), encoding);
    const std::optional<QString> text = decodeText(bytes, string->encoding);
    if (!text) return nullptr;
    const std::optional<QByteArray> converted = encodeText(*text, encoding);
    if (!converted) return nullptr;
    return newString(converted->constData(), converted->size(), encoding);
}

REALobject newMemoryBlock(intptr_t size) {
    if (size < 0) return nullptr;
    auto* data = new (std::nothrow) char[static_cast<std::size_t>(size) + 1]();
    if (!data) return nullptr;
    REALobject object = createObject(registry().findClass("MemoryBlock"));
    if (!object) {
        delete[] data;
        return nullptr;
    }
    auto* block = asMemoryBlock(object);
    block->data = data;
    block->size = size;
    block->ownsData = true;
    return object;
}

void* memoryBlockGetPtr(REALobject object) {
    const PluginMemoryBlockRecord* block = asMemoryBlock(object);
    return block ? block->data : nullptr;
}

intptr_t memoryBlockGetSize(REALobject object) {
    const PluginMemoryBlockRecord* block = asMemoryBlock(object);
    return block ? block->size : 0;
}

bool memoryBlockSetExternalData(REALobject object, void* data, intptr_t size) {
    PluginMemoryBlockRecord* block = asMemoryBlock(object);
    if (!block || size < 0 || (size > 0 && !data)) return false;
    if (block->ownsData) delete[] static_cast<char*>(block->data);
    block->data = data;
    block->size = size;
    block->ownsData = false;
    return true;
}

REALobject ptrToMemoryBlock(void* data, intptr_t size) {
    if (!data) return nullptr;
    REALobject object = createObject(registry().findClass("MemoryBlock"));
    if (object && !memoryBlockSetExternalData(object, data, size)) {
        unlockObject(object);
        return nullptr;
    }
    return object;
}

void yieldToHost() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

const NamedService services[] = {
    {"RegisterPluginVersion", pluginFunction(&registerPluginVersion)},
    {"PluginRegisterClass", pluginFunction(&registerClass)},
    {"PluginRegisterClassExtension", pluginFunction(&registerClassExtension)},
    {"PluginRegisterMethod", pluginFunction(&registerMethod)},
    {"REALGetRBVersion", pluginFunction(&hostVersion)},
    {"PluginNewInstance", pluginFunction(&newInstanceService)},
    {"REALBuildString", pluginFunction(&buildString)},
    {"REALSetStringEncoding", pluginFunction(&setStringEncoding)},
    {"REALGetStringEncoding", pluginFunction(&getStringEncoding)},
    {"REALConvertString", pluginFunction(&convertString)},
    {"REALLockObject", pluginFunction(&lockObject)},
    {"REALUnlockObject", pluginFunction(&unlockObject)},
    {"REALLockString", pluginFunction(&lockString)},
    {"REALUnlockString", pluginFunction(&unlockString)},
    {"newMemoryBlock", pluginFunction(&newMemoryBlock)},
    {"memoryBlockGetPtr", pluginFunction(&memoryBlockGetPtr)},
    {"memoryBlockGetSize", pluginFunction(&memoryBlockGetSize)},
    {"memoryBlockSetExternalData", pluginFunction(&memoryBlockSetExternalData)},
    {"PtrToMemoryBlock", pluginFunction(&ptrToMemoryBlock)},
    {"REALYieldToRB", pluginFunction(&yieldToHost)},
};

// Properties.

struct FoundProperty {
    const PluginPropertyRecord* property = nullptr;
    const PluginClassRecord* owner = nullptr;
};

FoundProperty findProperty(REALobject object, const QByteArray& name) {
    if (!object) return {};
    for (const HostClass* c = classOf(object); c; c = c->super) {
        if (!c->record) continue;
        for (intptr_t i = 0; i < c->record->propertyCount; ++i) {
            const PluginPropertyRecord& property = c->record->properties[i];
            if (name.compare(property.name, Qt::CaseInsensitive) == 0) return {&property, c->record};
        }
    }
    return {};
}

template <typename T>
T readProperty(REALobject object, const FoundProperty& found) {
    const PluginPropertyRecord& p = *found.property;
    if (p.getter == pluginFieldAccess()) {
        T value;
        std::memcpy(&value, instanceData(object, found.owner) + p.parameter, sizeof(T));
        return value;
    }
    return reinterpret_cast<T (*)(REALobject, intptr_t)>(p.getter)(object, p.parameter);
}

template <typename T>
bool writeProperty(REALobject object, const FoundProperty& found, T value) {
    const PluginPropertyRecord& p = *found.property;
    if (!p.setter) return false;
    if (p.setter == pluginFieldAccess())
        std::memcpy(instanceData(object, found.owner) + p.parameter, &value, sizeof(T));
    else
        reinterpret_cast<void (*)(REALobject, intptr_t, T)>(p.setter)(object, p.parameter, value);
    return true;
}

QByteArray typeOf(const FoundProperty& found) {
    return found.property ? QByteArray(found.property->type) : QByteArray();
}

}  // namespace

// Reference handles.

template <> void HostReference<PluginStringRecord>::lock(PluginStringRecord* record) { lockString(record); }
template <> void HostReference<PluginStringRecord>::unlock(PluginStringRecord* record) { unlockString(record); }
template <> void HostReference<PluginObjectRecord>::lock(PluginObjectRecord* record) { lockObject(record); }
template <> void HostReference<PluginObjectRecord>::unlock(PluginObjectRecord* record) { unlockObject(record); }

StringRef StringRef::fromBytes(const QByteArray& bytes, uint32_t encoding) {
    return StringRef(newString(bytes.constData(), bytes.size(), encoding));
}

StringRef StringRef::fromText(const QString& text) { return fromBytes(text.toUtf8(), kEncodingUTF8); }

QByteArray StringRef::bytes() const { return stringBytes(get()); }
uint32_t StringRef::encoding() const { return getStringEncoding(get()); }

QString StringRef::text() const {
    return decodeText(bytes(), encoding()).value_or(QString::fromUtf8(bytes()));
}

// The host.

PluginHost& PluginHost::instance() {
    static PluginHost host;
    return host;
}

QString PluginHost::libraryFileName() { return QStringLiteral("libQRX-Plugins.so"); }

bool PluginHost::loadPlugins() {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    const QString folder = failed ? QCoreApplication::applicationDirPath()
                                  : QString::fromStdString(program.parent_path().string());
    return load(QDir(folder).filePath(libraryFileName()));
}

bool PluginHost::load(const QString& libraryPath) {
    const QString path = QFileInfo(libraryPath).absoluteFilePath();
    Registry& r = registry();
    if (r.libraries.count(path)) return true;
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = QStringLiteral("The plug-in library could not be loaded: %1").arg(QString::fromLocal8Bit(dlerror()));
        return false;
    }
    auto* entry = reinterpret_cast<PluginMainFunction*>(dlsym(handle, kPluginMainName));
    if (!entry) {
        error = QStringLiteral("The plug-in library %1 has no entry point %2.").arg(path, kPluginMainName);
        dlclose(handle);
        return false;
    }
    // The library's records stay in use for the life of the process: it is never unloaded.
    r.libraries.emplace(path, handle);
    entry(&PluginHost::lookupService);
    error.clear();
    return true;
}

PluginFunction PluginHost::lookupService(const char* serviceName) {
    if (!serviceName) return nullptr;
    for (const std::span<const NamedService> table : {std::span<const NamedService>(services), fileServices()})
        for (const NamedService& service : table)
            if (std::strcmp(service.name, serviceName) == 0) return service.function;
    return nullptr;
}

PluginFunction PluginHost::lookupMethod(const QByteArray& declaration) const {
    const auto& methods = registry().methods;
    const auto found = methods.find(declaration);
    return found == methods.end() ? nullptr : found->second->function;
}

PluginFunction PluginHost::lookupClassMethod(const QByteArray& className, const QByteArray& declaration) const {
    for (const HostClass* c = registry().findClass(className); c; c = c->super) {
        for (intptr_t i = 0; c->record && i < c->record->methodCount; ++i)
            if (declaration == c->record->methods[i].declaration) return c->record->methods[i].function;
        for (const PluginMethodRecord* method : c->extensionMethods)
            if (declaration == method->declaration) return method->function;
    }
    return nullptr;
}

bool PluginHost::hasClass(const QByteArray& className) const { return registry().findClass(className); }

QList<QByteArray> PluginHost::methodDeclarations() const {
    return QList<QByteArray>(registry().methodOrder.begin(), registry().methodOrder.end());
}

QList<QByteArray> PluginHost::pluginClassNames() const {
    QList<QByteArray> names;
    for (const HostClass* cls : registry().pluginClasses) names.append(cls->name);
    return names;
}

QList<QByteArray> PluginHost::extensionDeclarations(const QByteArray& className) const {
    QList<QByteArray> declarations;
    if (const HostClass* cls = registry().findClass(className))
        for (const PluginMethodRecord* method : cls->extensionMethods) declarations.append(method->declaration);
    return declarations;
}

ObjectRef PluginHost::newInstance(const QByteArray& className) const {
    return ObjectRef(newInstanceService(className.constData()));
}

bool PluginHost::isA(REALobject object, const QByteArray& className) const {
    if (!object) return false;
    for (const HostClass* c = classOf(object); c; c = c->super)
        if (c->name.compare(className, Qt::CaseInsensitive) == 0) return true;
    return false;
}

ObjectRef PluginHost::newFolderItem(const QString& path) const {
    ObjectRef item = newInstance("FolderItem");
    if (item.isNil()) return item;
    const QByteArray encoded = QFile::encodeName(path);
    auto* record = reinterpret_cast<FolderItemRecord*>(item.get());
    record->path = new char[static_cast<std::size_t>(encoded.size()) + 1];
    std::memcpy(record->path, encoded.constData(), static_cast<std::size_t>(encoded.size()) + 1);
    return item;
}

QString PluginHost::folderItemPath(REALobject folderItem) const {
    if (kindOf(folderItem) != ObjectKind::FolderItem) return {};
    const char* path = reinterpret_cast<FolderItemRecord*>(folderItem)->path;
    return path ? QFile::decodeName(path) : QString();
}

QVariant PluginHost::property(REALobject object, const QByteArray& name) const {
    const FoundProperty found = findProperty(object, name);
    const QByteArray type = typeOf(found);
    if (type == "Integer") return readProperty<PluginInteger>(object, found);
    if (type == "Boolean") {
        // A Boolean field is read as its byte, so that any nonzero byte reads as true.
        if (found.property->getter == pluginFieldAccess()) return readProperty<uint8_t>(object, found) != 0;
        return readProperty<bool>(object, found);
    }
    if (type == "Double") return readProperty<double>(object, found);
    if (type == "Color") return readProperty<uint32_t>(object, found);
    if (type == "String") return stringProperty(object, name).text();
    return {};
}

StringRef PluginHost::stringProperty(REALobject object, const QByteArray& name) const {
    const FoundProperty found = findProperty(object, name);
    if (typeOf(found) != "String") return {};
    const auto string = readProperty<REALstring>(object, found);
    // A field is read with a reference of our own; a getter hands one over.
    if (found.property->getter == pluginFieldAccess()) lockString(string);
    return StringRef(string);
}

bool PluginHost::setProperty(REALobject object, const QByteArray& name, const QVariant& value) const {
    const FoundProperty found = findProperty(object, name);
    const QByteArray type = typeOf(found);
    bool converted = false;
    if (type == "Integer") {
        const qlonglong number = value.toLongLong(&converted);
        return converted && number >= INT32_MIN && number <= INT32_MAX &&
               writeProperty<PluginInteger>(object, found, static_cast<PluginInteger>(number));
    }
    if (type == "Boolean") return writeProperty<bool>(object, found, value.toBool());
    if (type == "Double") {
        const double number = value.toDouble(&converted);
        return converted && writeProperty<double>(object, found, number);
    }
    if (type == "Color") {
        const qulonglong number = value.toULongLong(&converted);
        return converted && number <= UINT32_MAX && writeProperty<uint32_t>(object, found, static_cast<uint32_t>(number));
    }
    if (type == "String") return setStringProperty(object, name, StringRef::fromText(value.toString()));
    return false;
}

bool PluginHost::setStringProperty(REALobject object, const QByteArray& name, const StringRef& value) const {
    const FoundProperty found = findProperty(object, name);
    if (typeOf(found) != "String" || !found.property->setter) return false;
    if (found.property->setter != pluginFieldAccess())
        return writeProperty<REALstring>(object, found, value.get());
    // A string field holds one reference of its own.
    REALstring old = readProperty<REALstring>(object, found);
    lockString(value.get());
    writeProperty<REALstring>(object, found, value.get());
    unlockString(old);
    return true;
}

QString PluginHost::systemFontName() const {
    const PluginFunction method = lookupMethod("SystemFontQRX as string");
    if (!method) return {};
    return StringRef(reinterpret_cast<REALstring (*)()>(method)()).text();
}

intptr_t PluginHost::liveStrings() { return registry().liveStrings; }
intptr_t PluginHost::liveObjects() { return registry().liveObjects; }
