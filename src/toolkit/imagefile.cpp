#include "toolkit/imagefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace toolkit {

namespace {

// The file's bytes followed by kPadLength bytes of `pattern` repeated,
// generated on the fly: what a decoder gets if it reads on past the end.
class PaddedFile : public QIODevice {
 public:
  static constexpr qint64 kPadLength = 64 * 1024;

  PaddedFile(const QString& path, QByteArray pattern) : file_(path), pattern_(std::move(pattern)) {}

  bool openReadOnly() {
    return file_.open(QIODevice::ReadOnly) && QIODevice::open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return false; }
  qint64 size() const override { return file_.size() + kPadLength; }
  bool seek(qint64 pos) override {
    if (pos < 0 || pos > size() || !QIODevice::seek(pos)) return false;
    offset_ = pos;
    return pos > file_.size() || file_.seek(pos);
  }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    qint64 done = 0;
    if (offset_ < file_.size()) {
      done = file_.read(data, std::min(maxSize, file_.size() - offset_));
      if (done < 0) return -1;
      offset_ += done;
      if (offset_ < file_.size()) return done;  // a short read: padding only after the end
    }
    const qint64 padded = std::min(maxSize - done, size() - offset_);
    for (qint64 i = 0; i < padded; ++i, ++offset_) {
      data[done + i] = pattern_[(offset_ - file_.size()) % pattern_.size()];
    }
    return done + padded;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QFile file_;
  QByteArray pattern_;
  qint64 offset_ = 0;
};

std::optional<QImage> decode(QIODevice* device, const QByteArray& format) {
  QImageReader reader(device, format);
  reader.setAutoTransform(false);
  QImage image;
  if (!reader.read(&image) || image.isNull()) return std::nullopt;
  return image;
}

std::optional<QImage> readImage(const QString& path, ImageFileError& error) {
  const QFileInfo info(path);
  error = ImageFileError::kCannotBeRead;
  if (path.isEmpty() || !info.isFile() || !info.isReadable()) return std::nullopt;

  error = ImageFileError::kNotAnImage;
  QImageReader reader(path);
  if (!reader.canRead()) {
    // canRead() also fails when the file vanished or lost its permissions meanwhile.
    if (reader.error() == QImageReader::FileNotFoundError ||
        reader.error() == QImageReader::DeviceError) {
      error = ImageFileError::kCannotBeRead;
    }
    return std::nullopt;
  }
  const QSize declared = reader.size();
  if (declared.isValid() &&
      static_cast<qint64>(declared.width()) * declared.height() > kMaxImagePixels) {
    error = ImageFileError::kTooLarge;
    return std::nullopt;
  }
  // Several decoders (JPEG, BMP, XBM) return a partly filled image for a
  // truncated file. Decode it twice, with different bytes after its end: a
  // complete image never reads them, so both decodes agree; a truncated one
  // does, and they differ as soon as it turns padding into pixels. The
  // patterns differ in every byte, avoid 0xFF (JPEG skips it as marker fill)
  // and read as hex numbers to the text formats.
  const QByteArray format = reader.format();
  std::optional<QImage> first, second;
  {
    PaddedFile padded(path, QByteArrayLiteral("0x00,"));
    if (padded.openReadOnly()) first = decode(&padded, format);
  }
  if (!first) return std::nullopt;
  if (static_cast<qint64>(first->width()) * first->height() > kMaxImagePixels) {
    error = ImageFileError::kTooLarge;
    return std::nullopt;
  }
  {
    PaddedFile padded(path, QByteArrayLiteral(",0xa5"));
    if (padded.openReadOnly()) second = decode(&padded, format);
  }
  if (!second || *second != *first) return std::nullopt;
  first->setDevicePixelRatio(1);
  error = ImageFileError::kNone;
  return first;
}

}  // namespace

QString describe(ImageFileError error) {
  switch (error) {
    case ImageFileError::kNone:
      return {};
    case ImageFileError::kCannotBeRead:
      return QCoreApplication::translate("ImageFile", "cannot be read");
    case ImageFileError::kNotAnImage:
      return QCoreApplication::translate("ImageFile", "not an image");
    case ImageFileError::kTooLarge:
      return QCoreApplication::translate("ImageFile", "too large");
  }
  return {};
}

std::optional<QImage> readImageFile(const QString& path, ImageFileError* error) {
  ImageFileError why = ImageFileError::kNone;
  std::optional<QImage> image = readImage(path, why);
  if (error != nullptr) *error = why;
  return image;
}

}  // namespace toolkit
