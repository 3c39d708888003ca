// Scene files: what a save writes, an open gives back the same capture, and
// every bad file is refused with one message while the scene stays as it was.

#include <QBuffer>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>

#include "files_fixture.h"

namespace {

using files::DocumentWindow;

// Every kind, fractional and off-canvas rectangles, translucent colours, and
// image fills with alpha and with a palette.
ShapeList richScene() {
  ShapeList shapes;
  auto add = [&shapes](const char* kind, CGRect rect, QColor color) {
    auto shape = makeShapeOfKind(QLatin1String(kind), rect);
    shape->setColor(toolkit::Color::colorWithCalibratedRed(color.redF(), color.greenF(),
                                                           color.blueF(), color.alphaF()));
    shapes.push_back(std::move(shape));
    return shapes.back().get();
  };
  add("Rectangle", CGRectMake(20.25, 40.5, 120.125, 30.75), QColor(250, 20, 30));
  add("Circle", CGRectMake(90.1, 60.3, 80.7, 90.9), QColor(10, 200, 90, 170));
  add("Triangle", CGRectMake(150, 120, 100, 140), QColor(0.1 * 255, 0.97 * 255, 0.4 * 255));
  add("Rectangle", CGRectMake(-40, 250, 100, 60), QColor(60, 60, 240));
  add("Circle", CGRectMake(200, 200, 0, 0), QColor(0, 0, 0));
  QImage tile(9, 7, QImage::Format_ARGB32);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x)
      tile.setPixel(x, y, qRgba(28 * x, 36 * y, 255 - 20 * x, 40 + 30 * y));
  }
  add("Triangle", CGRectMake(30, 150, 90, 120), Qt::gray)->setImage(tile);
  QImage palette(5, 5, QImage::Format_Indexed8);
  palette.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(20, 20, 20)});
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) palette.setPixel(x, y, (x + y) % 3);
  }
  add("Rectangle", CGRectMake(180, 30, 70, 50), Qt::gray)->setImage(palette);
  return shapes;
}

QJsonObject shapeJson(const char* kind = "Rectangle") {
  return {{"kind", kind},
          {"rect", QJsonObject{{"x", 10}, {"y", 20}, {"width", 30}, {"height", 40}}},
          {"color", QJsonObject{{"red", 1}, {"green", 0.5}, {"blue", 0}, {"alpha", 1}}}};
}

QByteArray sceneJson(const QJsonArray& shapes, int version = 1) {
  const QJsonObject root{{"format", "Ombrel scene"}, {"version", version}, {"shapes", shapes}};
  return QJsonDocument(root).toJson();
}

QByteArray withShape(const std::function<void(QJsonObject&)>& change) {
  QJsonObject shape = shapeJson();
  change(shape);
  return sceneJson({shapeJson(), shape});
}

QByteArray rectWith(const char* name, const QJsonValue& value) {
  return withShape([&](QJsonObject& s) {
    QJsonObject r = s["rect"].toObject();
    r[name] = value;
    s["rect"] = r;
  });
}

QString base64(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toBase64());
}

quint32 crc32(const QByteArray& bytes) {
  quint32 crc = 0xffffffffu;
  for (char ch : bytes) {
    crc ^= static_cast<unsigned char>(ch);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A genuine small PNG whose header then claims `side` x `side` pixels.
QByteArray pngClaiming(int side) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(image);
  // IHDR data starts after the 8-byte signature, 4-byte length and 4-byte type.
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<char>((side >> (24 - 8 * i)) & 0xff);
    png[20 + i] = static_cast<char>((side >> (24 - 8 * i)) & 0xff);
  }
  const quint32 crc = crc32(png.mid(12, 17));
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>((crc >> (24 - 8 * i)) & 0xff);
  return png;
}

struct BadFile {
  const char* name;
  QByteArray bytes;
  const char* reason;  // a fragment of the message
};

std::vector<BadFile> badFiles() {
  QJsonArray many;
  for (int i = 0; i <= scenefile::kMaxShapes; ++i) many.append(shapeJson());
  const QByteArray good = sceneJson({shapeJson(), shapeJson("Circle")});
  return {
      {"empty.ombrel", "", "empty"},
      {"prose.ombrel", "Bars at three depths, for Tuesday's class.\n", "not JSON"},
      {"truncated.ombrel", good.left(good.size() / 2), "not JSON"},
      {"list.ombrel", "[1, 2, 3]", "not an Ombrel scene"},
      {"other.ombrel", R"({"format": "something else", "version": 1, "shapes": []})",
       "not an Ombrel scene"},
      {"newer.ombrel", sceneJson({shapeJson()}, 3), "newer Ombrel (format version 3"},
      {"nolesson.ombrel", sceneJson({shapeJson()}, 2), "no “lesson”"},
      {"focus.ombrel",
       R"({"format": "Ombrel scene", "version": 2, "shapes": [], "lesson": {"focusAngle": 91,
           "depthOfField": 10, "showFocusDepth": false, "linkViews": false}})",
       "“focusAngle” is 91, outside 0 to 90"},
      {"dof.ombrel",
       R"({"format": "Ombrel scene", "version": 2, "shapes": [], "lesson": {"focusAngle": 30,
           "depthOfField": 2.5, "showFocusDepth": false, "linkViews": false}})",
       "“depthOfField” is not a whole number"},
      {"aid.ombrel",
       R"({"format": "Ombrel scene", "version": 2, "shapes": [], "lesson": {"focusAngle": 30,
           "depthOfField": 2, "showFocusDepth": 1, "linkViews": false}})",
       "“showFocusDepth” is not true or false"},
      {"lightfield.ombrel",
       R"({"format": "Ombrel scene", "version": 2, "shapes": [], "lesson": {"focusAngle": 30,
           "depthOfField": 2, "showFocusDepth": false, "linkViews": false, "lightField": "v"}})",
       "“lightField” is not an object"},
      {"lightfieldpath.ombrel",
       R"({"format": "Ombrel scene", "version": 2, "shapes": [], "lesson": {"focusAngle": 30,
           "depthOfField": 2, "showFocusDepth": false, "linkViews": false,
           "lightField": {"path": ""}}})",
       "“path” is not a file or folder name"},
      {"scanline.ombrel",
       R"({"format": "Ombrel scene", "version": 2, "shapes": [], "lesson": {"focusAngle": 30,
           "depthOfField": 2, "showFocusDepth": false, "linkViews": false,
           "lightField": {"path": "views", "row": 2, "scanline": 9000}}})",
       "“scanline” is 9000"},
      {"version.ombrel", R"({"format": "Ombrel scene", "version": "one", "shapes": []})",
       "version"},
      {"halfversion.ombrel", R"({"format": "Ombrel scene", "version": 1.5, "shapes": []})",
       "not a whole number"},
      {"noshapes.ombrel", R"({"format": "Ombrel scene", "version": 1})", "no “shapes”"},
      {"shapes.ombrel", R"({"format": "Ombrel scene", "version": 1, "shapes": {}})", "not a list"},
      {"hexagon.ombrel", sceneJson({shapeJson(), shapeJson("Hexagon")}), "unknown kind “Hexagon”"},
      {"norect.ombrel", withShape([](QJsonObject& s) { s.remove("rect"); }),
       "shape 2 has no “rect”"},
      {"nocolor.ombrel", withShape([](QJsonObject& s) { s.remove("color"); }), "no “color”"},
      {"nowidth.ombrel", withShape([](QJsonObject& s) {
         QJsonObject r = s["rect"].toObject();
         r.remove("width");
         s["rect"] = r;
       }),
       "no “width”"},
      {"kind.ombrel", withShape([](QJsonObject& s) { s["kind"] = 3; }), "“kind” is not a text"},
      {"recttext.ombrel", withShape([](QJsonObject& s) { s["rect"] = "big"; }),
       "“rect” is not an object"},
      {"xtext.ombrel", rectWith("x", "10"), "“x” is not a number"},
      {"colorlist.ombrel", withShape([](QJsonObject& s) {
         s["color"] = QJsonArray{1, 0, 0, 1};
       }),
       "“color” is not an object"},
      {"shape.ombrel", sceneJson({shapeJson(), 7}), "shape 2 is not an object"},
      {"nan.ombrel", R"({"format": "Ombrel scene", "version": 1, "shapes": [{"kind": "Circle",
         "rect": {"x": NaN, "y": 0, "width": 1, "height": 1}}]})",
       "not JSON"},
      {"infinity.ombrel", R"({"format": "Ombrel scene", "version": 1, "shapes": [{"kind": "Circle",
         "rect": {"x": 1e999, "y": 0, "width": 1, "height": 1},
         "color": {"red": 0, "green": 0, "blue": 0, "alpha": 1}}]})",
       "not JSON"},
      {"huge.ombrel", rectWith("width", 1e308), "“width” is 1e+308"},
      {"negative.ombrel", rectWith("height", -5), "“height” is -5"},
      {"narrow.ombrel", rectWith("width", -5), "“width” is -5"},
      {"colour.ombrel", withShape([](QJsonObject& s) {
         s["color"] = QJsonObject{{"red", 2}, {"green", 0}, {"blue", 0}, {"alpha", 1}};
       }),
       "“red” is 2"},
      {"many.ombrel", sceneJson(many), "10001 shapes"},
      {"notimage.ombrel", withShape([](QJsonObject& s) { s["image"] = base64("not a picture"); }),
       "not a PNG image"},
      {"notbase64.ombrel", withShape([](QJsonObject& s) { s["image"] = "%%%"; }), "base64"},
      {"bigimage.ombrel",
       withShape([](QJsonObject& s) { s["image"] = base64(pngClaiming(20000)); }),
       "too large (20000 x 20000"},
      {"damaged.ombrel", withShape([](QJsonObject& s) { s["image"] = base64(pngClaiming(300)); }),
       "damaged"},
  };
}

// Holds the scene, its capture, its undo history and the title of `w`.
struct Unchanged {
  const DocumentWindow& w;
  QByteArray scene = w.scene();
  std::vector<unsigned char> strip = w.canvas().strip();
  int renders = w.canvas().renderCount();
  int steps = w.undo().count();
  QString title = fixture::displayedTitle(w.window);

  void check() const {
    EXPECT_EQ(w.scene(), scene);
    EXPECT_TRUE(w.canvas().strip() == strip);
    EXPECT_EQ(w.canvas().renderCount(), renders);
    EXPECT_EQ(w.undo().count(), steps);
    EXPECT_EQ(fixture::displayedTitle(w.window), title);
  }
};

TEST(SceneFile, EveryBadFileIsRefusedWithOneMessageAndTheSceneStays) {
  DocumentWindow w;
  w.replaceScene(richScene());
  files::OpenDir dir;
  const Unchanged before{w};

  auto refused = [&](const QString& path, const QString& reason) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_FALSE(w.document().openFile(path));
    const QString message = w.status();
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Could not open “%1”: ").arg(QFileInfo(path).fileName())))
        << message.toStdString();
    EXPECT_TRUE(message.contains(reason)) << message.toStdString();
    before.check();
  };
  for (const BadFile& bad : badFiles()) {
    const QString path = dir.path(QLatin1String(bad.name));
    ASSERT_TRUE(files::writeFile(path, bad.bytes));
    refused(path, QString::fromUtf8(bad.reason));
  }

  // Too large to be read at all: refused before a byte is read.
  QFile big(dir.path("big.ombrel"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(100LL * 1024 * 1024));
  big.close();
  refused(big.fileName(), "larger than any scene file");
  ASSERT_TRUE(QDir(dir.dir.path()).mkdir("folder.ombrel"));
  refused(dir.path("folder.ombrel"), "it is a folder");
  refused(dir.path("missing.ombrel"), "no such file");

  const QString locked = dir.path("locked.ombrel");
  ASSERT_TRUE(files::writeFile(locked, scenefile::writeScene(richScene())));
  ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
  {
    files::Unprivileged nobody;
    refused(locked, "ermission denied");
  }
}

TEST(SceneFile, SaveThenOpenGivesAByteIdenticalCapture) {
  DocumentWindow w;
  w.replaceScene(richScene());
  const std::vector<unsigned char> strip = w.canvas().strip();
  const std::vector<unsigned char> rays(w.canvas().cleanRays(),
                                        w.canvas().cleanRays() + 3 * 300 * 300);
  const QByteArray saved = w.lesson();
  files::OpenDir dir;
  const QString path = dir.path("lesson.ombrel");
  ASSERT_TRUE(w.document().saveTo(path));
  EXPECT_EQ(files::readFile(path), saved);

  // A different scene, then the file again.
  w.replaceScene(ShapeList{});
  ASSERT_NE(w.canvas().strip(), strip);
  ASSERT_TRUE(w.document().openFile(path));
  EXPECT_TRUE(w.canvas().strip() == strip);
  EXPECT_EQ(0, std::memcmp(w.canvas().cleanRays(), rays.data(), rays.size()));
  EXPECT_EQ(w.lesson(), saved);
  ASSERT_EQ(w.canvas().shapes().size(), richScene().size());
  for (std::size_t i = 0; i < richScene().size(); ++i) {
    EXPECT_EQ(w.canvas().shapes()[i]->image().convertToFormat(QImage::Format_ARGB32),
              richScene()[i]->image().convertToFormat(QImage::Format_ARGB32))
        << "shape " << i;
  }

  // The stored lesson that the package check hands to the desktop's file type detection: it must
  // stay what a save writes today, or that check proves nothing about real lessons.
  const QString stored = QStringLiteral(OMBREL_STORED_LESSON);
  ASSERT_TRUE(w.document().openFile(stored));
  EXPECT_EQ(w.lesson(), files::readFile(stored)) << "a save now writes this instead:\n"
                                                 << w.lesson().toStdString();
  const scenefile::LessonSettings settings{30.0f, 6, true, false, {}, {}, -1, -1};
  EXPECT_EQ(w.document().settings(), settings);
}

TEST(SceneFile, AFailedSaveLeavesTheFileOnDiskAsItWas) {
  files::OpenDir dir;
  const QString path = dir.path("lesson.ombrel");
  const QByteArray earlier = "the earlier lesson";
  ASSERT_TRUE(files::writeFile(path, earlier));
  const ShapeList scene = richScene();

  auto failsKeepingEarlier = [&](const QString& target, const char* reason) {
    SCOPED_TRACE(reason);
    const std::optional<QString> error = scenefile::writeSceneFile(target, scene);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QFileInfo(target).fileName())) << error->toStdString();
    EXPECT_TRUE(error->contains(QLatin1String(reason))) << error->toStdString();
    EXPECT_EQ(files::readFile(path), earlier);
    EXPECT_EQ(dir.entries(), QStringList({"lesson.ombrel", "sub.ombrel"}));
  };
  ASSERT_TRUE(QDir(dir.dir.path()).mkdir("sub.ombrel"));
  failsKeepingEarlier(dir.path("sub.ombrel"), "folder");

  // A full disk: writes past a few hundred bytes fail as they would on one.
  {
    files::DiskFullAfter full(300);
    failsKeepingEarlier(path, "lesson.ombrel");
  }

  // A read-only folder.
  ASSERT_TRUE(QFile::setPermissions(dir.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                        QFileDevice::ReadOther |
                                                        QFileDevice::ExeOther));
  {
    files::Unprivileged nobody;
    failsKeepingEarlier(path, "ermission");
  }
  ASSERT_TRUE(QFile::setPermissions(
      dir.dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
  EXPECT_FALSE(scenefile::writeSceneFile(path, scene).has_value());
  EXPECT_EQ(scenefile::readSceneFile(path).shapes.size(), scene.size());
}

}  // namespace
