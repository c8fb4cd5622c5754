#include "platform/gui/ToolkitMessages.h"

#include <glib.h>

#include <cstring>
#include <mutex>

#include "platform/Utf.h"

namespace Platform {
namespace {

std::mutex sinkLock;
ToolkitMessageSink& Sink() {
  static ToolkitMessageSink sink;
  return sink;
}

std::string FieldText(const GLogField& field) {
  const char* text = static_cast<const char*>(field.value);
  if (!text) return {};
  return field.length < 0 ? std::string(text) : std::string(text, static_cast<size_t>(field.length));
}

const char* LevelName(GLogLevelFlags level) {
  if (level & G_LOG_LEVEL_ERROR) return "ERROR";
  if (level & G_LOG_LEVEL_CRITICAL) return "CRITICAL";
  if (level & G_LOG_LEVEL_WARNING) return "WARNING";
  return "MESSAGE";
}

GLogWriterOutput Writer(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer) {
  if (!(level & (G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG))) {
    std::lock_guard<std::mutex> lock(sinkLock);
    if (ToolkitMessageSink& sink = Sink()) {
      std::string domain, message;
      for (gsize i = 0; i < count; ++i) {
        if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0) domain = FieldText(fields[i]);
        if (std::strcmp(fields[i].key, "MESSAGE") == 0) message = FieldText(fields[i]);
      }
      sink(Utf8ToWide((domain.empty() ? std::string() : domain + "-") + LevelName(level) + ": " + message));
      return G_LOG_WRITER_HANDLED;
    }
  }
  return g_log_writer_default(level, fields, count, nullptr);
}

}  // namespace

ToolkitMessageSink SetToolkitMessageSink(ToolkitMessageSink sink) {
  // GLib takes one writer per process, for good.
  static std::once_flag installed;
  std::call_once(installed, [] { g_log_set_writer_func(&Writer, nullptr, nullptr); });
  std::lock_guard<std::mutex> lock(sinkLock);
  ToolkitMessageSink old = std::move(Sink());
  Sink() = std::move(sink);
  return old;
}

}  // namespace Platform
