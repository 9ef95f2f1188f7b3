// The installed backend that real windows and the headless run provide.
#include "platform/windows/backend.h"

namespace {

std::unique_ptr<TPlatformBackend>& Installed() {
  static std::unique_ptr<TPlatformBackend> backend = std::make_unique<THeadlessBackend>();
  return backend;
}

}  // namespace

TPlatformBackend& Backend() { return *Installed(); }

void SetBackend(std::unique_ptr<TPlatformBackend> backend) {
  Installed() = backend ? std::move(backend) : std::make_unique<THeadlessBackend>();
}
