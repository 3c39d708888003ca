// The layers of src/ hold: every include goes down the documented order, the
// modules form no cycle, and the engine stays free of Qt. The checker itself
// is tried on small trees written for the purpose.
#include "layers/layers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using layers::Include;

namespace {

const fs::path kSource = OMBREL_SOURCE_DIR;

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// A scratch tree of files with the given contents, removed at the end.
class Tree {
 public:
  explicit Tree(const std::vector<std::pair<std::string, std::string>>& files) {
    std::random_device seed;
    root_ = fs::temp_directory_path() / ("ombrel-layers-" + std::to_string(seed()));
    for (const auto& [name, text] : files) {
      fs::create_directories((root_ / name).parent_path());
      std::ofstream(root_ / name) << text;
    }
  }
  ~Tree() { fs::remove_all(root_); }
  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
};

}  // namespace

TEST(Layers, EveryIncludeOfTheSourceGoesDownTheOrder) {
  const std::vector<Include> includes = layers::readIncludes(kSource);
  // The reader works: the canvas does include the views and the scene.
  auto has = [&](const char* from, const char* to) {
    return std::any_of(includes.begin(), includes.end(),
                       [&](const Include& i) { return i.from == from && i.to == to; });
  };
  EXPECT_TRUE(has("canvas", "views"));
  EXPECT_TRUE(has("canvas", "scene"));
  EXPECT_EQ(joined(layers::againstOrder(includes, layers::modulesIn(kSource), layers::kOrder)), "");
}

TEST(Layers, TheModulesOfTheSourceFormNoCycle) {
  EXPECT_EQ(layers::findCycle(layers::readIncludes(kSource)), "");
}

TEST(Layers, TheEngineIncludesNoQtHeader) {
  EXPECT_EQ(joined(layers::qtIncludes(kSource / "lightfield")), "");
}

TEST(Layers, CheckerNamesEveryIncludeAgainstTheOrderAndOnlyThose) {
  const Tree tree({
      {"scene/shape.h", "#pragma once\n#include \"toolkit/color.h\"\n#include \"scene/x.h\"\n"},
      // Up a layer, with odd spacing and angle brackets; sideways into an unknown module.
      {"scene/shape.cpp", "#include <QString>\n  #  include <canvas/drawview.h>\n"},
      {"document/file.cpp",
       "// #include \"app/a.h\"\n/* #include \"app/b.h\"\n*/\n"
       "#include \"views/v.h\" // below the canvas but above the document\n"},
      {"toolkit/sub/deep.h", "#include \"lightfield/optics.h\"\n#include \"misc/none.h\"\n"},
      {"gadgets/g.h", "#include \"toolkit/color.h\"\n"},
  });
  const std::vector<Include> includes = layers::readIncludes(tree.root());
  // Only includes naming a module count: "misc" is no folder and no layer.
  EXPECT_EQ(includes.size(), 6u);
  EXPECT_EQ(joined(layers::againstOrder(includes, layers::modulesIn(tree.root()), layers::kOrder)),
            "src/gadgets has no place in the order\n"
            "document/file.cpp:4: document includes views, a module above it\n"
            "gadgets/g.h:1: gadgets includes toolkit, outside the order\n"
            "scene/shape.cpp:2: scene includes canvas, a module above it\n");
}

TEST(Layers, CheckerFindsACycleWhateverTheOrder) {
  auto edge = [](const char* from, const char* to) { return Include{from, to, ""}; };
  EXPECT_EQ(layers::findCycle({edge("a", "a"), edge("a", "b"), edge("b", "c")}), "");
  EXPECT_EQ(layers::findCycle({edge("c", "a"), edge("a", "b"), edge("b", "c"), edge("d", "a")}),
            "a -> b -> c -> a");
  EXPECT_EQ(layers::findCycle({edge("views", "canvas"), edge("canvas", "views")}),
            "canvas -> views -> canvas");
}

TEST(Layers, CheckerFindsQtHeadersButNotStandardOnes) {
  const Tree tree({
      {"lightfield/a.h", "#include <queue>\n#include <QtGlobal>\n"},
      {"lightfield/inner/b.cpp", "#include <QtCore/qstring.h>\n// #include <QImage>\n"},
  });
  EXPECT_EQ(joined(layers::qtIncludes(tree.root() / "lightfield")),
            "lightfield/a.h:2: #include <QtGlobal>\n"
            "lightfield/inner/b.cpp:1: #include <QtCore/qstring.h>\n");
}
