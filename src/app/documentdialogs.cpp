#include "app/documentdialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>

namespace documentdialogs {

namespace {

Dialogs& installed() {
  static Dialogs dialogs;
  return dialogs;
}

// A save dialog that adds `suffix` to a name typed without it before it asks
// about overwriting, so the file it warns about is the file written.
std::optional<QString> runSaveDialog(QWidget* parent, const QString& caption,
                                     const QString& suggested, const QString& filter,
                                     const QString& suffix) {
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(suffix);
  // A name typed without a suffix takes the chosen type's: "slide" under the
  // SVG filter becomes slide.svg.
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
        const qsizetype star = chosen.indexOf(QLatin1String("(*."));
        if (star >= 0)
          dialog.setDefaultSuffix(chosen.mid(star + 3).section(QLatin1Char(')'), 0, 0));
      });
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<PictureRequest> runPictureDialog(QWidget* parent, const PictureChoice& last,
                                               bool lightField) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("exportDialog"));
  dialog.setWindowTitle(QCoreApplication::translate("DocumentDialogs", "Export Picture"));
  auto* kinds = new QComboBox(&dialog);
  kinds->setObjectName(QStringLiteral("pictureKinds"));
  for (PictureKind kind : kAllPictureKinds) {
    if (lightField && kind == PictureKind::FocalStackSheet) continue;
    kinds->addItem(pictureListName(kind, lightField), static_cast<int>(kind));
  }
  kinds->setCurrentIndex(std::max(0, kinds->findData(static_cast<int>(last.kind))));
  auto* scales = new QComboBox(&dialog);
  for (int scale : kPictureScales) scales->addItem(QStringLiteral("%1×").arg(scale), scale);
  scales->setCurrentIndex(scales->findData(last.scale));
  auto* annotated =
      new QCheckBox(QCoreApplication::translate("DocumentDialogs",
                                                "Add a &title, the axes' names and the focus line"),
                    &dialog);
  annotated->setObjectName(QStringLiteral("annotatedCheck"));
  annotated->setToolTip(QCoreApplication::translate(
      "DocumentDialogs",
      "Around the scene, the ray space or the photo: a title with the optics and the names of the "
      "axes; on the scene also the focus line and sharp band when View ▸ Show Focus Depth is on"));
  annotated->setChecked(last.annotated);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QCoreApplication::translate("DocumentDialogs", "Save…"),
                     QDialogButtonBox::AcceptRole);
  QPushButton* copy = buttons->addButton(QCoreApplication::translate("DocumentDialogs", "Copy"),
                                         QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QCoreApplication::translate("DocumentDialogs", "Picture:"), kinds);
  form->addRow(QCoreApplication::translate("DocumentDialogs", "Size:"), scales);
  form->addRow(annotated);
  form->addRow(buttons);
  constexpr int kCopied = 2;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(copy, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(kCopied); });
  const int result = dialog.exec();
  if (result == QDialog::Rejected) return std::nullopt;
  PictureRequest request;
  request.choice.kind = static_cast<PictureKind>(kinds->currentData().toInt());
  request.choice.scale = scales->currentData().toInt();
  request.choice.annotated = annotated->isChecked();
  request.copy = result == kCopied;
  return request;
}

}  // namespace

void setDialogs(Dialogs dialogs) {
  installed() = std::move(dialogs);
}

std::optional<QString> openScene(QWidget* parent) {
  if (installed().openScene) return installed().openScene(parent);
  const QString path = QFileDialog::getOpenFileName(
      parent, QCoreApplication::translate("DocumentDialogs", "Open Scene"), QString(),
      QCoreApplication::translate("DocumentDialogs", "Ombrel scenes (*.ombrel)"));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> saveScene(QWidget* parent, const QString& suggested) {
  if (installed().saveScene) return installed().saveScene(parent, suggested);
  return runSaveDialog(parent, QCoreApplication::translate("DocumentDialogs", "Save Scene"),
                       suggested,
                       QCoreApplication::translate("DocumentDialogs", "Ombrel scenes (*.ombrel)"),
                       QStringLiteral("ombrel"));
}

UnsavedChoice unsavedChanges(QWidget* parent, const QString& fileName) {
  if (installed().unsavedChanges) return installed().unsavedChanges(parent, fileName);
  QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("DocumentDialogs", "Ombrel"),
                  fileName.isEmpty()
                      ? QCoreApplication::translate("DocumentDialogs",
                                                    "Save the changes to the untitled scene?")
                      : QCoreApplication::translate("DocumentDialogs", "Save the changes to “%1”?")
                            .arg(fileName),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setObjectName(QStringLiteral("unsavedChangesBox"));
  box.setInformativeText(QCoreApplication::translate(
      "DocumentDialogs", "Your changes are lost if you don't save them."));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return UnsavedChoice::Save;
    case QMessageBox::Discard:
      return UnsavedChoice::Discard;
    default:
      return UnsavedChoice::Cancel;
  }
}

std::optional<PictureRequest> pictureChoice(QWidget* parent, const PictureChoice& last,
                                            bool lightField) {
  if (installed().pictureChoice) return installed().pictureChoice(parent, last);
  return runPictureDialog(parent, last, lightField);
}

std::optional<QString> savePicture(QWidget* parent, const QString& suggested, bool drawing) {
  if (installed().savePicture) return installed().savePicture(parent, suggested, drawing);
  return runSaveDialog(
      parent, QCoreApplication::translate("DocumentDialogs", "Export Picture"), suggested,
      drawing ? QCoreApplication::translate("DocumentDialogs",
                                            "PNG images (*.png);;SVG drawings (*.svg)")
              : QCoreApplication::translate("DocumentDialogs", "PNG images (*.png)"),
      QStringLiteral("png"));
}

}  // namespace documentdialogs
