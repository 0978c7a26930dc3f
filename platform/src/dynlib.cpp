#include "platform/dynlib.h"

#include "platform/errors.h"

#include <dlfcn.h>

namespace platform {
namespace {

class DlLibrary final : public DynamicLibrary {
public:
    explicit DlLibrary(void* handle) : handle_(handle) {}
    ~DlLibrary() override { dlclose(handle_); }
    DlLibrary(const DlLibrary&) = delete;
    DlLibrary& operator=(const DlLibrary&) = delete;
    void* symbol(const std::string& name) const override { return dlsym(handle_, name.c_str()); }

private:
    void* handle_;
};

std::string lastDlError() {
    const char* e = dlerror();
    return e ? e : "unknown error";
}

} // namespace

std::unique_ptr<DynamicLibrary> DlLibraryLoader::load(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::string error = lastDlError();
        // "X.dll" is the library's name on its original platform; here it is "X.so".
        if (path.ends_with(".dll")) {
            std::string so = path.substr(0, path.size() - 4) + ".so";
            handle = dlopen(so.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) error += "; " + lastDlError();
        }
        if (!handle) throw FileError(path, "Cannot load the library (" + error + ")");
    }
    return std::make_unique<DlLibrary>(handle);
}

} // namespace platform
