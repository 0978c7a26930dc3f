#pragma once
// Libraries loaded at run time (the print libraries). "X.dll" is looked up as that name first,
// then as "X.so".
#include <memory>
#include <string>

namespace platform {

class DynamicLibrary {
public:
    virtual ~DynamicLibrary() = default;
    // The address of an exported symbol, nullptr when it is not there.
    virtual void* symbol(const std::string& name) const = 0;
};

class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    // Throws FileError when the library cannot be loaded.
    virtual std::unique_ptr<DynamicLibrary> load(const std::string& path) = 0;
};

// dlopen/dlsym/dlclose.
class DlLibraryLoader final : public LibraryLoader {
public:
    std::unique_ptr<DynamicLibrary> load(const std::string& path) override;
};

} // namespace platform
