// Shared set-ups for the scene file, document and picture tests: the shown
// window with dialogs answered by the test, files on disk, and a guard that
// gives up root's right to read and write anything.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>

#include "app/documentdialogs.h"
#include "app/pictureexport.h"
#include "app/scenedocument.h"
#include "document/scenefile.h"
#include "support/window_fixture.h"

namespace files {

// Installs answers for the dialogs for the life of the guard: `set` fills in
// the ones the test expects; any other dialog fails the test.
struct Answers {
  template <class Set>
  explicit Answers(Set set) {
    documentdialogs::Dialogs dialogs;
    dialogs.openScene = [](QWidget*) {
      ADD_FAILURE() << "unexpected Open dialog";
      return std::optional<QString>();
    };
    dialogs.saveScene = [](QWidget*, const QString&) {
      ADD_FAILURE() << "unexpected Save dialog";
      return std::optional<QString>();
    };
    dialogs.savePicture = [](QWidget*, const QString&, bool) {
      ADD_FAILURE() << "unexpected Export Picture dialog";
      return std::optional<QString>();
    };
    dialogs.unsavedChanges = [](QWidget*, const QString&) {
      ADD_FAILURE() << "unexpected question about unsaved changes";
      return documentdialogs::UnsavedChoice::Cancel;
    };
    dialogs.pictureChoice = [](QWidget*, const PictureChoice&) {
      ADD_FAILURE() << "unexpected Export dialog";
      return std::optional<documentdialogs::PictureRequest>();
    };
    set(dialogs);
    documentdialogs::setDialogs(dialogs);
  }
  ~Answers() { documentdialogs::setDialogs({}); }
};

// Permission checks apply even when the suite runs as root: the file system
// user becomes nobody (which drops root's override) until the guard goes.
struct Unprivileged {
  Unprivileged() {
    if (geteuid() == 0) {
      setfsgid(65534);
      setfsuid(65534);
    }
  }
  ~Unprivileged() {
    if (geteuid() == 0) {
      setfsuid(0);
      setfsgid(0);
    }
  }
};

// A full disk, as far as this process can tell: writes past `bytes` fail
// (with the signal that would stop the process ignored) until the guard goes.
struct DiskFullAfter {
  explicit DiskFullAfter(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~DiskFullAfter() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_ = SIG_DFL;
};

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder that the unprivileged user can enter and read.
struct OpenDir {
  QTemporaryDir dir;
  OpenDir() {
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                          QFileDevice::ExeGroup);
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  QStringList entries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
};

struct DocumentWindow : fixture::ShownWindow {
  SceneDocument& document() const { return *window.findChild<SceneDocument*>(); }
  PictureExport& pictures() const { return *window.findChild<PictureExport*>(); }
  QString status() const { return window.statusBar()->currentMessage(); }
  QUndoStack& undo() const { return *window.undoStack(); }
  // The scene as a version 1 file would hold it: equal bytes, equal scene.
  QByteArray scene() const { return scenefile::writeScene(canvas().shapes()); }
  // The whole lesson, as Save writes it.
  QByteArray lesson() const {
    return scenefile::writeScene(canvas().shapes(), document().settings());
  }
  void replaceScene(ShapeList shapes) {
    canvas().replaceShapes(std::move(shapes));
    canvas().doRender(nullptr);
  }
};

}  // namespace files
