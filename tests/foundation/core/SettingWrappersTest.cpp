#include <gtest/gtest.h>

#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <sstream>

#include "foundation/core/Defaults.h"
#include "foundation/core/FrameworkAdapters.h"
#include "foundation/core/FrameworkSerialization.h"
#include "foundation/core/NoInit.h"
#include "foundation/core/TextConv.h"

using namespace PardeloStravon;

namespace {

// One member of every wrapper kind the system stores.
struct Record {
  NoInit<bool, 0> flag;
  NoInit<bool, 1> on;
  NoInit<int, 60> interval;
  NoInit<long, 300> timeout;
  NoInit<unsigned long, 0> colour;
  NoInitS<std::wstring, CTW_CTW_New_instrument> name;
  NoInitS<long, CL_xs> period;
  NoInitS<LOGFONTW, LGF_program> font;
  NoInitS<float, CCPGL_line_width> width;
  NoInitS<CString, CCS_DATE_FORMAT> format;

  template <class Archive>
  void serialize(Archive& ar, const unsigned int) {
    ar& BOOST_SERIALIZATION_NVP(flag);
    ar& BOOST_SERIALIZATION_NVP(on);
    ar& BOOST_SERIALIZATION_NVP(interval);
    ar& BOOST_SERIALIZATION_NVP(timeout);
    ar& BOOST_SERIALIZATION_NVP(colour);
    ar& BOOST_SERIALIZATION_NVP(name);
    ar& BOOST_SERIALIZATION_NVP(period);
    ar& BOOST_SERIALIZATION_NVP(font);
    ar& BOOST_SERIALIZATION_NVP(width);
    ar& BOOST_SERIALIZATION_NVP(format);
  }
};

std::wstring Save(const Record& r) {
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    oa << boost::serialization::make_nvp("rec", r);
  }
  return os.str();
}

Record Load(const std::wstring& xml) {
  std::wistringstream is(xml);
  boost::archive::xml_wiarchive ia(is);
  Record r;
  ia >> boost::serialization::make_nvp("rec", r);
  return r;
}

}  // namespace

TEST(SettingWrappers, DefaultRecord_HoldsEveryDefault) {
  const Record r;
  EXPECT_FALSE(r.flag);
  EXPECT_TRUE(r.on);
  EXPECT_EQ(r.interval, 60);
  EXPECT_EQ(r.timeout, 300);
  EXPECT_EQ(r.colour, 0ul);
  EXPECT_EQ(r.name.get(), L"New instrument");
  EXPECT_EQ(r.period, 30);
  EXPECT_EQ(r.font.get().lfHeight, -20);
  EXPECT_EQ(FaceName(r.font), L"Arial");
  EXPECT_EQ(r.width, 0.5f);
  EXPECT_EQ(r.format.get().Text(), L"%Y-%m-%d %H:%M:%S");
  EXPECT_EQ(LGF_options.lfHeight, -27);
  EXPECT_EQ(LGF_options.lfPitchAndFamily, 34);
}

TEST(SettingWrappers, EveryKind_SurvivesAnXmlRoundTrip) {
  Record r;
  r.flag = true;
  r.on = false;
  r.interval = -7;
  r.timeout = 123456789;
  r.colour = 0xFFFFFFul;
  r.name = std::wstring(L"Room <7> & \"caf\u00E9\" \u20AC");
  r.period = 1;
  LOGFONTW lf = LGF_graph;
  lf.lfItalic = 1;
  lf.lfFaceName[30] = u'\xFFFF';
  r.font = lf;
  r.width = 0.1f;
  r.format = CString(L"%d.%m.%Y");

  const std::wstring xml = Save(r);
  EXPECT_NE(xml.find(L"<flag class_id="), std::wstring::npos);
  EXPECT_NE(xml.find(L"<v>1</v>"), std::wstring::npos);
  EXPECT_NE(xml.find(L"<bo>"), std::wstring::npos);
  EXPECT_NE(xml.find(L"<CStringAsWstring>%d.%m.%Y</CStringAsWstring>"), std::wstring::npos);

  const Record back = Load(xml);
  EXPECT_TRUE(back.flag);
  EXPECT_FALSE(back.on);
  EXPECT_EQ(back.interval, -7);
  EXPECT_EQ(back.timeout, 123456789);
  EXPECT_EQ(back.colour, 0xFFFFFFul);
  EXPECT_EQ(back.name.get(), r.name.get());
  EXPECT_EQ(back.period, 1);
  EXPECT_TRUE(back.font.get() == lf);
  EXPECT_EQ(back.width, 0.1f);
  EXPECT_EQ(back.format.get().Text(), L"%d.%m.%Y");
}

TEST(SettingWrappers, FrameworkStringWithAZero_KeepsTheTextBeforeIt) {
  Record r;
  r.format = CString(std::wstring(L"ab\0cd", 5));
  EXPECT_EQ(Load(Save(r)).format.get().Text(), L"ab");
}

TEST(SettingWrappers, HandWrittenVersion3Archive_Loads) {
  // As an older Boost wrote it: version 3, no item versions, CR LF, short floats.
  const std::wstring xml =
      L"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
      L"<!DOCTYPE boost_serialization>\r\n"
      L"<boost_serialization signature=\"serialization::archive\" version=\"3\">\r\n"
      L"<rec class_id=\"0\" tracking_level=\"0\" version=\"0\">\r\n"
      L"\t<flag class_id=\"1\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>1</v>\r\n\t</flag>\r\n"
      L"\t<on class_id=\"2\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>0</v>\r\n\t</on>\r\n"
      L"\t<interval class_id=\"3\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>90</v>\r\n\t</interval>\r\n"
      L"\t<timeout class_id=\"4\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>600</v>\r\n\t</timeout>\r\n"
      L"\t<colour class_id=\"5\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>255</v>\r\n\t</colour>\r\n"
      L"\t<name class_id=\"6\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>Cold room 1</v>\r\n\t</name>\r\n"
      L"\t<period class_id=\"7\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>45</v>\r\n\t</period>\r\n"
      L"\t<font class_id=\"8\" tracking_level=\"0\" version=\"0\">\r\n"
      L"\t\t<v class_id=\"9\" tracking_level=\"0\" version=\"0\">\r\n"
      L"\t\t\t<bo>\r\n"
      L"7P///wAAAAAAAAAAAAAAAJABAAAAAAAAAwIBIkEAcgBpAGEAbAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\r\n"
      L"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=\r\n"
      L"\t\t\t</bo>\r\n"
      L"\t\t</v>\r\n\t</font>\r\n"
      L"\t<width class_id=\"10\" tracking_level=\"0\" version=\"0\">\r\n\t\t<v>0.25</v>\r\n\t</width>\r\n"
      L"\t<format class_id=\"11\" tracking_level=\"0\" version=\"0\">\r\n"
      L"\t\t<v class_id=\"12\" tracking_level=\"0\" version=\"0\">\r\n"
      L"\t\t\t<CStringAsWstring>%H:%M</CStringAsWstring>\r\n"
      L"\t\t</v>\r\n\t</format>\r\n"
      L"</rec>\r\n"
      L"</boost_serialization>\r\n";
  const Record r = Load(xml);
  EXPECT_TRUE(r.flag);
  EXPECT_FALSE(r.on);
  EXPECT_EQ(r.interval, 90);
  EXPECT_EQ(r.timeout, 600);
  EXPECT_EQ(r.colour, 255ul);
  EXPECT_EQ(r.name.get(), L"Cold room 1");
  EXPECT_EQ(r.period, 45);
  EXPECT_EQ(r.font.get().lfHeight, -20);
  EXPECT_EQ(r.font.get().lfWeight, 400);
  EXPECT_EQ(r.font.get().lfPitchAndFamily, 34);
  EXPECT_EQ(FaceName(r.font), L"Arial");
  EXPECT_EQ(r.width, 0.25f);
  EXPECT_EQ(r.format.get().Text(), L"%H:%M");
}

TEST(SettingWrappers, BrokenValueText_FailsTheLoad) {
  Record r;
  std::wstring xml = Save(r);
  const auto pos = xml.find(L"<v>60</v>");
  ASSERT_NE(pos, std::wstring::npos);
  xml.replace(pos, 9, L"<v>sixty</v>");
  EXPECT_ANY_THROW(Load(xml));
}
