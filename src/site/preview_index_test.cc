#include "site/preview_index.h"

#include <gtest/gtest.h>

#include <memory>

#include "site/site_index.h"

namespace corvalis {
namespace {

std::string Joined(const Lines& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(PreviewIndexTest, FanTaPhpAsOneStaticDocument) {
  auto store = std::make_unique<SeasonStore>();
  store->num_teams = 2;
  store->teamLabel[1] = "Alfa";
  store->teamLabel[2] = "Beta";
  Lines page = PreviewIndex(*store, [](const std::string& fragment) {
    return Lines{"<p>" + fragment + " 1</p>", "<p>" + fragment + " 2</p>"};
  });
  std::string text = Joined(page);
  EXPECT_EQ(page[0], "<html><head><meta charset=\"UTF-8\">");
  EXPECT_EQ(page[1], "<script src='crvUtils.js' type='text/javascript'></script>");
  EXPECT_EQ(Count(text, "<html>"), 1u);
  EXPECT_EQ(Count(text, "</body></html>"), 1u);
  EXPECT_EQ(text.find("<?"), std::string::npos);
  EXPECT_EQ(text.find("../js/"), std::string::npos);
  EXPECT_EQ(Count(text, "<h2 class='intest'>"), 2u);

  // Every layer of fanta.php, in its order, with its fragment in place.
  size_t at = 0;
  for (const IndexPart& part : SiteIndexParts(*store)) {
    at = text.find("<h2 class='intest'>" + part.heading + "</h2>", at);
    ASSERT_NE(at, std::string::npos) << part.heading;
    for (const IndexLayer& layer : part.layers) {
      std::string expected = LayerTitleLine(layer) + "\n<div id='" + layer.layer_id +
                             "' style='display: none;' align='center'>\n<p>" + layer.fragment +
                             " 1</p>\n<p>" + layer.fragment + " 2</p>\n</div>\n";
      at = text.find(expected, at);
      ASSERT_NE(at, std::string::npos) << layer.fragment;
    }
  }
  EXPECT_EQ(page[page.size() - 2], kSiteIndexFooter);
  EXPECT_EQ(page.back(), "</body></html>");
}

TEST(PreviewIndexTest, CharsetOfTheRun) {
  auto store = std::make_unique<SeasonStore>();
  store->encoding = TextEncoding::kWindows1252;
  Lines page = PreviewIndex(*store, [](const std::string&) { return Lines{}; });
  EXPECT_EQ(page[0], "<html><head><meta charset=\"windows-1252\">");
}

}  // namespace
}  // namespace corvalis
