#include "layers/layers.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <optional>

namespace fs = std::filesystem;

namespace layers {
namespace {

bool isSource(const fs::path& p) {
  static const std::set<std::string> kExtensions = {".h", ".hpp", ".cpp", ".cc", ".inl"};
  return kExtensions.count(p.extension().string()) > 0;
}

// Calls `line(relative path, line number, text)` for every line of every
// source file under `dir`, block comments blanked out.
void forEachLine(const fs::path& dir, const fs::path& base,
                 const std::function<void(const std::string&, int, const std::string&)>& line) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file() && isSource(entry.path())) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    std::ifstream in(file);
    std::string text;
    bool inComment = false;
    for (int number = 1; std::getline(in, text); ++number) {
      std::string code;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (inComment) {
          if (text.compare(i, 2, "*/") == 0) inComment = false, ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
          inComment = true, ++i;
        } else {
          code += text[i];
        }
      }
      line(fs::relative(file, base).generic_string(), number, code);
    }
  }
}

// The name between the quotes or angle brackets of an include directive, and
// whether it was in angle brackets; nothing for any other line.
struct Directive {
  std::string name;
  bool angled = false;
};
std::optional<Directive> includeOf(const std::string& code) {
  std::size_t i = code.find_first_not_of(" \t");
  if (i == std::string::npos || code[i] != '#') return std::nullopt;
  i = code.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos || code.compare(i, 7, "include") != 0) return std::nullopt;
  i = code.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos || (code[i] != '"' && code[i] != '<')) return std::nullopt;
  const bool angled = code[i] == '<';
  const std::size_t end = code.find(angled ? '>' : '"', i + 1);
  if (end == std::string::npos) return std::nullopt;
  return Directive{code.substr(i + 1, end - i - 1), angled};
}

bool isWord(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) {
    return std::isalnum(c) != 0 || c == '_';
  });
}

bool isLetters(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
}

}  // namespace

std::set<std::string> modulesIn(const fs::path& src) {
  std::set<std::string> modules;
  for (const auto& entry : fs::directory_iterator(src)) {
    if (entry.is_directory()) modules.insert(entry.path().filename().string());
  }
  return modules;
}

std::vector<Include> readIncludes(const fs::path& src) {
  std::set<std::string> modules = modulesIn(src);
  modules.insert(kOrder.begin(), kOrder.end());
  std::vector<Include> includes;
  for (const std::string& from : modulesIn(src)) {
    forEachLine(src / from, src, [&](const std::string& file, int number, const std::string& code) {
      const std::optional<Directive> include = includeOf(code);
      if (!include) return;
      const std::size_t slash = include->name.find('/');
      if (slash == std::string::npos) return;
      const std::string to = include->name.substr(0, slash);
      if (isWord(to) && modules.count(to) > 0) {
        includes.push_back({from, to, file + ":" + std::to_string(number)});
      }
    });
  }
  return includes;
}

std::vector<std::string> againstOrder(const std::vector<Include>& includes,
                                      const std::set<std::string>& modules,
                                      const std::vector<std::string>& order) {
  auto rank = [&](const std::string& module) {
    return std::find(order.begin(), order.end(), module) - order.begin();
  };
  const auto unplaced = static_cast<std::ptrdiff_t>(order.size());
  std::vector<std::string> faults;
  for (const std::string& module : modules) {
    if (rank(module) == unplaced) faults.push_back("src/" + module + " has no place in the order");
  }
  for (const Include& i : includes) {
    if (rank(i.to) == unplaced || rank(i.from) == unplaced) {
      faults.push_back(i.where + ": " + i.from + " includes " + i.to + ", outside the order");
    } else if (rank(i.to) > rank(i.from)) {
      faults.push_back(i.where + ": " + i.from + " includes " + i.to + ", a module above it");
    }
  }
  return faults;
}

std::string findCycle(const std::vector<Include>& includes) {
  std::map<std::string, std::set<std::string>> edges;
  for (const Include& i : includes) {
    if (i.from != i.to) edges[i.from].insert(i.to);
  }
  // Depth first; a module met again while still on the path closes a cycle.
  std::map<std::string, int> state;  // 0 unseen, 1 on the path, 2 done
  std::vector<std::string> path;
  std::string cycle;
  std::function<bool(const std::string&)> visit = [&](const std::string& module) {
    state[module] = 1;
    path.push_back(module);
    for (const std::string& next : edges[module]) {
      if (state[next] == 1) {
        for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it) {
          cycle += *it + " -> ";
        }
        cycle += next;
        return true;
      }
      if (state[next] == 0 && visit(next)) return true;
    }
    path.pop_back();
    state[module] = 2;
    return false;
  };
  for (const auto& [module, _] : edges) {
    if (state[module] == 0 && visit(module)) break;
  }
  return cycle;
}

std::vector<std::string> qtIncludes(const fs::path& dir) {
  std::vector<std::string> found;
  forEachLine(dir, dir.parent_path(),
              [&](const std::string& file, int number, const std::string& code) {
                const std::optional<Directive> include = includeOf(code);
                if (!include || !include->angled || include->name.rfind('Q', 0) != 0) return;
                // <QString>, <QtGlobal>, or a header in a Qt module's folder: <QtCore/qstring.h>.
                const std::string& name = include->name;
                const std::size_t slash = name.find('/');
                if (isLetters(name) || (slash != std::string::npos && name.rfind("Qt", 0) == 0 &&
                                        isLetters(name.substr(0, slash)))) {
                  found.push_back(file + ":" + std::to_string(number) + ": " + code);
                }
              });
  return found;
}

}  // namespace layers
