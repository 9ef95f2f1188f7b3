#pragma once

// The toolkit keeps its per-user sockets and locks in the runtime folder that a desktop
// session names in XDG_RUNTIME_DIR. A program started without one (over ssh, in a container,
// under a test's own display) gets a private folder of its own before the toolkit starts, so
// that the toolkit does not warn about it on every start.
void ProvideRuntimeFolder();
