#include "platform/process/loaded_library.h"

#include <dlfcn.h>

namespace pillora {

namespace {

std::string loaderReason() {
  const char* reason = dlerror();
  return reason == nullptr ? std::string("unknown reason") : std::string(reason);
}

}  // namespace

LoadedLibrary::LoadedLibrary(const std::string& name)
    : m_handle(dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
  if (m_handle == nullptr) {
    throw LibraryError(loaderReason());
  }
}

void* LoadedLibrary::symbol(const char* name) const {
  dlerror();  // a null symbol is an error only when dlerror says so
  void* address = dlsym(m_handle, name);
  if (address == nullptr) {
    throw LibraryError(loaderReason());
  }
  return address;
}

}  // namespace pillora
