// Fuzz target for the scene file reader: any bytes give either a scene or one
// message naming the file, never a crash, a hang or a huge allocation. A scene
// that was read must write back to a file that reads to the very same scene.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "document/scenefile.h"

namespace {

const QString kName = QStringLiteral("fuzz.ombrel");

[[noreturn]] void fail(const char* what, const QString& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.toUtf8().constData());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const scenefile::ReadResult read = scenefile::readScene(bytes, kName);
  if (!read.ok()) {
    if (!read.error.startsWith(QStringLiteral("Could not open “fuzz.ombrel”: ")) ||
        !read.shapes.empty() || read.settings) {
      fail("a refusal without its file name, or with shapes or settings", read.error);
    }
    return 0;
  }
  if (read.shapes.size() > static_cast<std::size_t>(scenefile::kMaxShapes)) {
    fail("too many shapes accepted", QString::number(read.shapes.size()));
  }
  const QByteArray written = scenefile::writeScene(read.shapes, read.settings);
  const scenefile::ReadResult again = scenefile::readScene(written, kName);
  if (!again.ok()) fail("a scene Ombrel wrote does not read back", again.error);
  if (again.settings != read.settings) fail("the lesson's settings changed in a file", QString());
  const QByteArray rewritten = scenefile::writeScene(again.shapes, again.settings);
  if (rewritten != written) fail("the scene changed on its way through a file", QString());
  return 0;
}
