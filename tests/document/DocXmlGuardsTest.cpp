#include <gtest/gtest.h>

#include <stdexcept>

#include "document/DocXmlGuards.h"

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
  for (const Case& c : cases) {
    if (c.passes)
      EXPECT_NO_THROW(CheckArchiveAttributes(c.text, {L"pIN_"})) << c.text;
    else
      EXPECT_THROW(CheckArchiveAttributes(c.text, {L"pIN_"}), std::runtime_error) << c.text;
  }
}

}  // namespace
}  // namespace PardeloStravon
