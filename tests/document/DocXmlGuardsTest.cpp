#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "document/DocXmlGuards.h"
#include "document/DocXmlText.h"

namespace PardeloStravon {
namespace {

TEST(DocXmlGuards, AttributesTheArchiveWouldTrustBlindlyAreChecked) {
  struct Case {
    const wchar_t* text;
    bool passes;
  };
  const Case cases[] = {
      {L"<a class_id=\"0\"><b class_id=\"1\"/><c class_id_reference=\"0\"/></a>", true},
      {L"<a class_id=\"0\"><b class_id=\"2\"/></a>", false},
      {L"<a class_id=\"0\"><p class_id=\"999\"/></a>", false},
      {L"<a class_id=\"0\"><p class_id_reference=\"1\"/></a>", false},
      {L"<a class_id = \"0\"><p class_id =\"5\"/></a>", false},  // spaces round "="
      {L"<a class_id=\"0\"><p class_id=\"-1\"/></a>", false},
      {L"<a class_id=\"0\"><p class_id=\"99999999999999999999\"/></a>", false},
      {L"<a>class_id=\"7\"</a>", true},  // text, not an attribute
      {L"<a class_id=\"0\"", true},      // cut: the archive says what is wrong
      // Only the named element is tracked, with level 1 and an object number.
      {L"<a class_id=\"0\" tracking_level=\"0\"><pIN_ class_id=\"1\" tracking_level=\"1\" "
       L"object_id=\"_0\"/></a>",
       true},
      {L"<a class_id=\"0\" tracking_level=\"5\"/>", false},
      {L"<a class_id=\"0\" tracking_level=\"1\"/>", false},
      {L"<pIN_ class_id=\"0\" tracking_level=\"2\"/>", false},
      {L"<a class_id=\"0\" object_id=\"_0\"/>", false},
      {L"<pIN_ class_id=\"0\" tracking_level=\"1\" object_id_reference=\"_0\"/>", false},
  };
  // The loader checks the file's UTF-8 bytes, which must be judged alike.
  for (const Case& c : cases) {
    const std::string bytes = EncodeDocText(c.text);
    if (c.passes) {
      EXPECT_NO_THROW(CheckArchiveAttributes(std::wstring_view(c.text), {L"pIN_"})) << c.text;
      EXPECT_NO_THROW(CheckArchiveAttributes(std::string_view(bytes), {L"pIN_"})) << bytes;
    } else {
      EXPECT_THROW(CheckArchiveAttributes(std::wstring_view(c.text), {L"pIN_"}), std::runtime_error) << c.text;
      EXPECT_THROW(CheckArchiveAttributes(std::string_view(bytes), {L"pIN_"}), std::runtime_error) << bytes;
    }
  }
}

TEST(DocXmlGuards, TheRefusalShowsTheElementAlikeFromTextAndFromBytes) {
  const std::wstring text = L"<\u00E9\U0001F600l class_id=\"0\" object_id=\"_0\"/>";
  const std::string expected =
      "an object number on an element that is not tracked in the element <??l class_id=\"0\" "
      "object_id=\"_0\"/>";
  const std::string bytes = EncodeDocText(text);
  for (const bool fromBytes : {false, true}) {
    try {
      if (fromBytes)
        CheckArchiveAttributes(std::string_view(bytes), {L"pIN_"});
      else
        CheckArchiveAttributes(std::wstring_view(text), {L"pIN_"});
      ADD_FAILURE() << fromBytes;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(e.what(), expected) << fromBytes;
    }
  }
}

}  // namespace
}  // namespace PardeloStravon
