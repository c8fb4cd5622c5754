#pragma once
// The toolkit's own warnings (GLib's log: GTK, its print backends, D-Bus)
// go to standard error. A run that must keep standard error for its own
// lines hands them to a sink instead, one line each.
#include <functional>
#include <string>

namespace Platform {

using ToolkitMessageSink = std::function<void(const std::wstring&)>;

// Sets the sink (null: standard error again); returns the one it replaces.
// Messages of any thread reach it; debug and info messages stay where the
// toolkit's settings put them.
ToolkitMessageSink SetToolkitMessageSink(ToolkitMessageSink sink);

}  // namespace Platform
