// The help pages as they are shipped: the German pages in HTML_Help and the same pages in
// English in HTML_Help/en, each with the one style sheet, every page reachable from its index,
// and no link that leads outside the help or to a file or anchor that is not there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillex {
namespace {

namespace fs = std::filesystem;

struct Page {
    std::set<std::string> ids;
    std::vector<std::string> links;        // every href and src
    std::vector<std::string> styleSheets;  // the href of each <link rel="stylesheet">
};

const fs::path& HelpDir() {
    static const fs::path dir = fs::canonical(QUILLEX_HELP_DIR);
    return dir;
}

// The values of every attribute `name="..."` in `html`.
std::vector<std::string> AttributeValues(std::string_view html, std::string_view name) {
    const std::string key = std::string(name) + "=\"";
    std::vector<std::string> values;
    for (std::size_t at = html.find(key); at != html.npos; at = html.find(key, at + 1)) {
        if (at == 0 || std::isspace(static_cast<unsigned char>(html[at - 1])) == 0) {
            continue;
        }
        const std::size_t begin = at + key.size();
        const std::size_t end = html.find('"', begin);
        if (end == html.npos) {
            break;
        }
        values.emplace_back(html.substr(begin, end - begin));
    }
    return values;
}

Page ReadPage(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    const std::string html = text.str();

    Page page;
    for (const std::string& id : AttributeValues(html, "id")) {
        EXPECT_TRUE(page.ids.insert(id).second) << path << ": id \"" << id << "\" twice";
    }
    for (const char* attribute : {"href", "src"}) {
        for (std::string& link : AttributeValues(html, attribute)) {
            page.links.push_back(std::move(link));
        }
    }
    for (std::size_t at = html.find("<link"); at != html.npos; at = html.find("<link", at + 1)) {
        const std::string_view tag = std::string_view(html).substr(at, html.find('>', at) - at);
        if (tag.find("rel=\"stylesheet\"") != tag.npos) {
            for (std::string& href : AttributeValues(tag, "href")) {
                page.styleSheets.push_back(std::move(href));
            }
        }
    }
    return page;
}

// Every page of the help, by its canonical path.
const std::map<fs::path, Page>& Pages() {
    static const std::map<fs::path, Page> pages = [] {
        std::map<fs::path, Page> read;
        for (const auto& entry : fs::recursive_directory_iterator(HelpDir())) {
            if (entry.path().extension() == ".html") {
                read.emplace(fs::canonical(entry.path()), ReadPage(entry.path()));
            }
        }
        return read;
    }();
    return pages;
}

std::set<std::string> PageNames(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == ".html") {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

bool IsExternal(const std::string& link) {
    for (const char* scheme : {"http:", "https:", "mailto:"}) {
        if (link.rfind(scheme, 0) == 0) {
            return true;
        }
    }
    return false;
}

// Where a link of the page at `from` leads, and the anchor it names (empty for none).
std::pair<fs::path, std::string> Target(const fs::path& from, const std::string& link) {
    const std::size_t hash = link.find('#');
    const std::string file = link.substr(0, hash);
    const std::string anchor = hash == link.npos ? std::string() : link.substr(hash + 1);
    const fs::path path = file.empty() ? from : from.parent_path() / file;
    return {fs::weakly_canonical(path), anchor};
}

bool InHelp(const fs::path& path) {
    return std::mismatch(HelpDir().begin(), HelpDir().end(), path.begin(), path.end()).first ==
           HelpDir().end();
}

TEST(HelpPagesTest, BothLanguagesHaveTheSamePagesStartingWithTheIndex) {
    const std::set<std::string> german = PageNames(HelpDir());
    EXPECT_TRUE(german.count("HelpIndex.html"));
    EXPECT_EQ(PageNames(HelpDir() / "en"), german);
}

TEST(HelpPagesTest, EveryPageUsesTheOneStyleSheet) {
    const fs::path styleSheet = HelpDir() / "style.css";
    ASSERT_TRUE(fs::is_regular_file(styleSheet));
    for (const auto& [path, page] : Pages()) {
        ASSERT_EQ(page.styleSheets.size(), 1u) << path;
        EXPECT_EQ(Target(path, page.styleSheets[0]).first, styleSheet) << path;
    }
}

TEST(HelpPagesTest, EveryLinkLeadsToAFileAndAnchorOfTheHelp) {
    for (const auto& [path, page] : Pages()) {
        for (const std::string& link : page.links) {
            if (IsExternal(link)) {
                continue;
            }
            SCOPED_TRACE(path.string() + ": " + link);
            const auto [target, anchor] = Target(path, link);
            EXPECT_TRUE(InHelp(target));
            EXPECT_TRUE(fs::is_regular_file(target));
            if (!anchor.empty()) {
                const auto linked = Pages().find(target);
                ASSERT_NE(linked, Pages().end());
                EXPECT_TRUE(linked->second.ids.count(anchor));
            }
        }
    }
}

TEST(HelpPagesTest, EveryPageIsReachableFromTheIndexOfItsLanguage) {
    for (const fs::path& dir : {HelpDir(), HelpDir() / "en"}) {
        std::set<fs::path> reached{dir / "HelpIndex.html"};
        std::vector<fs::path> open(reached.begin(), reached.end());
        while (!open.empty()) {
            const fs::path from = open.back();
            open.pop_back();
            for (const std::string& link : Pages().at(from).links) {
                const fs::path target = Target(from, link).first;
                if (!IsExternal(link) && target.parent_path() == dir &&
                    Pages().count(target) != 0 && reached.insert(target).second) {
                    open.push_back(target);
                }
            }
        }
        for (const std::string& name : PageNames(dir)) {
            EXPECT_TRUE(reached.count(dir / name)) << dir / name << " is linked from no page";
        }
    }
}

}  // namespace
}  // namespace quillex
