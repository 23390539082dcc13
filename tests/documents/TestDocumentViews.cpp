#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Scene.h"
#include "engine/documents/DocumentViews.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::RecordingUi;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class DocumentViews : public ::testing::Test {
  protected:
    DocumentViews() {
        testing::Scene s;
        s.ticked = {{Opt::XenonHeadlamps, "980"}};
        testing::Apply(config, s);
    }
    RecordingUi ui;
    Configuration config{ui};
};

TEST_F(DocumentViews, OrderCommandWritesTheRequestedVariant) {
    OrderRequest request;
    request.variant = OrderVariant::Code;
    request.prices = false;
    request.indent = true;
    std::ostringstream out;
    WriteOrder(request, config, ui, out);
    const std::string text = out.str();
    EXPECT_NE(text.find("\n                 H.Inten Hdlmps/K03D0\n"), std::string::npos) << text;
    EXPECT_TRUE(EndsWith(text, "                 Итоговая цена: $19540\n")) << text;
    // The indent stands before text only: the empty lines hold no blanks.
    std::istringstream lines(text);
    int empty = 0;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_FALSE(!line.empty() && line.find_first_not_of(' ') == std::string::npos) << text;
        empty += line.empty();
    }
    EXPECT_GT(empty, 0) << text;
}

TEST_F(DocumentViews, PrintViewsEndWithAPointLine) {
    OrderDocument order(config, ui);
    std::ostringstream before;
    PrintOrderView(order, before);
    EXPECT_EQ(before.str(), "Memo1\n.\n");

    order.OnVerbalToggled();
    std::ostringstream after;
    PrintOrderView(order, after);
    EXPECT_EQ(after.str(), order.Text() + "\n.\n");

    std::ostringstream list;
    PrintCheckListView(config, ui, list);
    const std::string text = list.str();
    EXPECT_EQ(text.substr(0, 1), "\n");
    EXPECT_TRUE(EndsWith(text, "06.12.2026, 18:20:08\n.\n")) << text;
}

}  // namespace
}  // namespace kalvora
