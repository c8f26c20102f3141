#pragma once
// A shared library loaded while the program runs (dlopen), for what only some runs need:
// the job module of pillora, libcups. A loaded library stays loaded until the process ends,
// so nothing it started (threads of the libraries it needs, handlers run at exit) can
// outlive its code.
#include <string>

#include "common/text/errors.h"

namespace pillora {

// A library or one of its functions that cannot be had; the message is the loader's
// reason (dlerror), which names the library or the function.
class LibraryError : public AppError {
 public:
  using AppError::AppError;
};

class LoadedLibrary {
 public:
  // `name` as dlopen takes it: a path, or a file name the loader looks for (libcups.so.2).
  // Every symbol is bound at once. LibraryError when it cannot be loaded.
  explicit LoadedLibrary(const std::string& name);

  // The function of that name, cast to the pointer type it is bound to. LibraryError when
  // the library has none.
  template <typename Function>
  void bind(Function*& function, const char* name) const {
    // A function's address from dlsym is the address of its code: casting it back to the
    // function's own type is what dlsym is for.
    function = reinterpret_cast<Function*>(symbol(name));  // NOLINT
  }

 private:
  void* symbol(const char* name) const;

  void* m_handle;
};

}  // namespace pillora
