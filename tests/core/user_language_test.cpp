#include "core/user_language.h"

#include <gtest/gtest.h>

#include <cstring>

namespace sumimai {
namespace {

TEST(UserLanguage, ArgumentsGoWhereTheTranslationPutsThem) {
  EXPECT_EQ(filledIn("%1 needs %2, not '%3'", {"--fps", "a number", "x"}), "--fps needs a number, not 'x'");
  EXPECT_EQ(filledIn("%1 には「%3」ではなく%2を", {"--fps", "数", "x"}), "--fps には「x」ではなく数を");
  // A % that is not followed by the number of an argument stays as it is,
  // and an argument holding "%1" is not filled in again.
  EXPECT_EQ(filledIn("100% of %1, %2 %", {"%1"}), "100% of %1, %2 %");
}

TEST(UserLanguage, TheInstalledTranslatorGivesTheTexts) {
  EXPECT_EQ(userText("Context", "as written"), "as written");
  setMessageTranslator([](const char* context, const char* english) {
    return std::strcmp(context, "Context") == 0 ? std::string("訳: ") + english : std::string(english);
  });
  EXPECT_EQ(userText("Context", "as written"), "訳: as written");
  EXPECT_EQ(userText("Other", "as written"), "as written");
  setMessageTranslator(nullptr);
  EXPECT_EQ(userText("Context", "as written"), "as written");
}

}  // namespace
}  // namespace sumimai
