// Reads the module graph of a source tree from its includes and checks it
// against the layer order.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace layers {

// The modules, lowest first: a module may include itself and the modules before it.
inline const std::vector<std::string> kOrder = {"lightfield", "toolkit", "session", "scene",
                                                "document",   "views",   "canvas",  "app"};

// One `#include "<module>/..."` (or <...>) of a file of the tree.
struct Include {
  std::string from;   // the including module
  std::string to;     // the included module
  std::string where;  // "views/renderview.h:8"
};

// Every include of a module by a module in the tree under `src`: the first
// part of the included path names a folder of `src` or a module of the order.
std::vector<Include> readIncludes(const std::filesystem::path& src);

// The folders of `src`, each a module.
std::set<std::string> modulesIn(const std::filesystem::path& src);

// One line per include that goes up or sideways in `order`, or names a module
// outside it, and per folder of the tree that the order does not place.
std::vector<std::string> againstOrder(const std::vector<Include>& includes,
                                      const std::set<std::string>& modules,
                                      const std::vector<std::string>& order);

// The modules of one cycle of the graph ("a -> b -> a"), or empty if there is none.
std::string findCycle(const std::vector<Include>& includes);

// One line per include of a Qt header (<QString>, <QtCore/...>) in the tree under `dir`.
std::vector<std::string> qtIncludes(const std::filesystem::path& dir);

}  // namespace layers
