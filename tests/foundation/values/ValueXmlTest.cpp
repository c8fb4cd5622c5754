#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include "foundation/core/TextConv.h"
#include "foundation/values/ValueXml.h"

using namespace PardeloStravon;

namespace {

const RTTRXML<Temper> TemperRange(Temper(-55), Temper(145), Temper(-55));

// An archive holding one element "v" with the given text, as a file of
// another program version or a damaged one may hold it.
std::wstring ArchiveWithText(const std::wstring& text) {
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    std::wstring v = text;
    oa << boost::serialization::make_nvp("v", v);
  }
  return os.str();
}

void Load(const std::wstring& xml, boost::any& value, const std::wstring& parId) {
  std::wistringstream is(xml);
  boost::archive::xml_wiarchive ia(is);
  LoadValueXml(ia, TemperRange, value, parId);
}

}  // namespace

TEST(ValueXml, SavedValue_IsItsTextInElementVAndLoadsBack) {
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    SaveValueXml(oa, TemperRange, boost::any(Temper(20.0)));
  }
  EXPECT_NE(os.str().find(L"<v>20</v>"), std::wstring::npos) << ToNarrow(os.str());

  boost::any value = TemperRange.DefaultValue();
  Load(os.str(), value, L"T1");
  EXPECT_EQ(TemperRange.Encode(value), (VUC{0x02, 0xEE}));
}

TEST(ValueXml, OldArchiveWithCrLf_Loads) {
  const std::wstring xml =
      L"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
      L"<!DOCTYPE boost_serialization>\r\n"
      L"<boost_serialization signature=\"serialization::archive\" version=\"3\">\r\n"
      L"<v>-12.5</v>\r\n"
      L"</boost_serialization>\r\n";
  boost::any value = TemperRange.DefaultValue();
  Load(xml, value, L"T1");
  EXPECT_EQ(boost::any_cast<Temper>(value).Value(), -12.5);
}

TEST(ValueXml, UnreadableText_ThrowsNamingTheParameterAndKeepsTheValue) {
  for (const wchar_t* text : {L"abc", L"", L"warm 20"}) {
    boost::any value = Temper(20.0);
    try {
      Load(ArchiveWithText(text), value, L"SetPoint1");
      ADD_FAILURE() << "no exception for " << ToNarrow(text);
    } catch (const ValueXmlError& e) {
      EXPECT_NE(std::string(e.what()).find("SetPoint1"), std::string::npos) << e.what();
    }
    EXPECT_EQ(boost::any_cast<Temper>(value).Value(), 20.0) << ToNarrow(text);
  }
}

// A file may have been edited by hand: a value is taken only when its text
// is exactly one value the type holds.
TEST(ValueXml, TextThatIsNotOneWholeValue_IsRefusedAndKeepsTheValue) {
  for (const wchar_t* text : {L"21.5 C", L" 21.5", L"1e9", L"7000"}) {
    boost::any value = Temper(20.0);
    EXPECT_THROW(Load(ArchiveWithText(text), value, L"T1"), ValueXmlError) << ToNarrow(text);
    EXPECT_EQ(boost::any_cast<Temper>(value).Value(), 20.0) << ToNarrow(text);
  }
}

TEST(ValueXml, MissingElement_EndsWithTheArchiveError) {
  std::wostringstream os;
  { boost::archive::xml_woarchive oa(os); }
  boost::any value = Temper(20.0);
  EXPECT_THROW(Load(os.str(), value, L"T1"), boost::archive::archive_exception);
  EXPECT_EQ(boost::any_cast<Temper>(value).Value(), 20.0);
}
