#include "shell/DynamicSound.h"

#include <dlfcn.h>

namespace {

template <typename Fn>
bool resolve(void* library, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(dlsym(library, name));
  return fn != nullptr;
}

}  // namespace

DynamicSound::~DynamicSound() {
  if (library_ != nullptr) dlclose(library_);
}

bool DynamicSound::load() {
  if (library_ != nullptr) return true;
  void* lib = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (lib == nullptr) return false;
  if (!resolve(lib, "dsInitialize", initialize_) || !resolve(lib, "dsTerminate", terminate_) ||
      !resolve(lib, "dsCreateDSB", create_) || !resolve(lib, "dsFree", free_) ||
      !resolve(lib, "dsPlay", play_) || !resolve(lib, "dsPlayLooping", play_looping_) ||
      !resolve(lib, "dsStop", stop_)) {
    dlclose(lib);
    return false;
  }
  library_ = lib;
  return true;
}

std::int32_t DynamicSound::dsInitialize(std::int32_t window) {
  return load() ? initialize_(window) : 0;
}
std::int32_t DynamicSound::dsTerminate(std::int32_t device) {
  return library_ ? terminate_(device) : 0;
}
std::int32_t DynamicSound::dsCreateDSB(std::int32_t device, const void* wav, std::int32_t length,
                                       std::int32_t count) {
  return library_ ? create_(device, wav, length, count) : 0;
}
std::int32_t DynamicSound::dsFree(std::int32_t buffer) {
  return library_ ? free_(buffer) : 0;
}
std::int32_t DynamicSound::dsPlay(std::int32_t buffer) {
  return library_ ? play_(buffer) : 0;
}
std::int32_t DynamicSound::dsPlayLooping(std::int32_t buffer) {
  return library_ ? play_looping_(buffer) : 0;
}
std::int32_t DynamicSound::dsStop(std::int32_t buffer) {
  return library_ ? stop_(buffer) : 0;
}
