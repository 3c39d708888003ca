#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "app/pictures.h"

class QWidget;

// The questions the scene files and the picture export ask. Each is a modal
// dialog in the application; tests install answers of their own so that no
// test ever waits on a dialog. A member left empty asks with the real dialog.
namespace documentdialogs {

enum class UnsavedChoice { Save, Discard, Cancel };

struct PictureRequest {
  PictureChoice choice;
  bool copy = false;  // to the clipboard rather than a file
};

struct Dialogs {
  std::function<std::optional<QString>(QWidget* parent)> openScene;
  std::function<std::optional<QString>(QWidget* parent, const QString& suggested)> saveScene;
  std::function<UnsavedChoice(QWidget* parent, const QString& fileName)> unsavedChanges;
  std::function<std::optional<PictureRequest>(QWidget* parent, const PictureChoice& last)>
      pictureChoice;
  std::function<std::optional<QString>(QWidget* parent, const QString& suggested, bool drawing)>
      savePicture;
};

// Installs `dialogs`; Dialogs{} restores every real dialog.
void setDialogs(Dialogs dialogs);

std::optional<QString> openScene(QWidget* parent);
std::optional<QString> saveScene(QWidget* parent, const QString& suggested);
// Save / Discard / Cancel for the scene of `fileName` (empty: the untitled scene).
UnsavedChoice unsavedChanges(QWidget* parent, const QString& fileName);
// With a light field open the scene's place is its central view's, and the focal stack sheet,
// drawn from the scene's optics, is not offered.
std::optional<PictureRequest> pictureChoice(QWidget* parent, const PictureChoice& last,
                                            bool lightField = false);
// A PNG file, or also an SVG drawing when `drawing` is true.
std::optional<QString> savePicture(QWidget* parent, const QString& suggested, bool drawing);

}  // namespace documentdialogs
