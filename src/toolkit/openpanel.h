#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace toolkit {

// The open dialog's file types: the image formats Ombrel reads first, then
// any file, so that an image with an unusual name can still be chosen.
QStringList openPanelNameFilters();

// Asks the user for one file (any type, no folders); empty when cancelled.
// The application's chooser is the modal open dialog; tests install their own
// so that no test ever opens a dialog.
using FileChooser = std::function<std::optional<QString>()>;

std::optional<QString> chooseFile();
// Installs `chooser`; an empty function restores the open dialog.
void setFileChooser(FileChooser chooser);

}  // namespace toolkit
